// A palette box of the symbol grid: the game hears its four mouse events as
// its number in the codes of focus, loss of focus, button down and up.
#include "PieceFixture.h"

namespace
{
using Piece0506gamebox = tq::PieceFixture;

TEST_F(Piece0506gamebox, ReportsItsSymbolToTheGrid)
{
    CObject* p = piece("05_06_game_box_03", "05_06_game_box.sc", "05_minigame_10");
    EXPECT_EQ(mouseEvents(p, "05_minigame_10"), reports(3));
}
} // namespace
