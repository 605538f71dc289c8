// A movable box of the symbol grid: the game hears its four mouse events as
// its number in the codes of focus, loss of focus, button down and up.
#include "PieceFixture.h"

namespace
{
using Piece0506gameboxm = tq::PieceFixture;

TEST_F(Piece0506gameboxm, AMovableBoxReportsInItsOwnRange)
{
    CObject* p = piece("05_06_game_boxm_16", "05_06_game_boxm.sc", "05_minigame_10");
    EXPECT_EQ(mouseEvents(p, "05_minigame_10"), reports(16, 15000));
}
} // namespace
