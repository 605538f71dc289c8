// A movable box of the symbol grid: the game hears its four mouse events as
// its number in the codes of focus, loss of focus, button down and up.
#include "PieceFixture.h"

namespace
{
using Piece0502gameboxm = tq::PieceFixture;

TEST_F(Piece0502gameboxm, AMovableBoxReportsInItsOwnRange)
{
    CObject* p = piece("05_02_game_boxm_07", "05_02_game_boxm.sc", "05_minigame_10");
    EXPECT_EQ(mouseEvents(p, "05_minigame_10"), reports(7, 15000));
}
} // namespace
