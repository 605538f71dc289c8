// A number wheel of the cupboard lock: the game hears its four mouse events as
// its number in the codes of focus, loss of focus, button down and up.
#include "PieceFixture.h"

namespace
{
using Piece0501gamenumber = tq::PieceFixture;

TEST_F(Piece0501gamenumber, ReportsItsWheelToTheLock)
{
    CObject* p = piece("05_01_game_number_02", "05_01_game_number.sc", "05_01_az_zamok_mg");
    EXPECT_EQ(mouseEvents(p, "05_01_az_zamok_mg"), reports(2));
}
} // namespace
