// A piece of the sliding-lines picture: the game hears its four mouse events as
// its number in the codes of focus, loss of focus, button down and up.
#include "PieceFixture.h"

namespace
{
using Piece0601gamebox = tq::PieceFixture;

TEST_F(Piece0601gamebox, ReportsItsNumberToThePicture)
{
    CObject* p = piece("06_01_game_box_11", "06_01_game_box.sc", "06_minigame_13");
    EXPECT_EQ(mouseEvents(p, "06_minigame_13"), reports(11));
}
} // namespace
