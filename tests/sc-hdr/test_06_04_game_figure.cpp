// A figure of the graph puzzle: it reports the number the game told it
// last, and 0 before the game has told it one.
#include "PieceFixture.h"

namespace
{
using Piece0604gamefigure = tq::PieceFixture;

TEST_F(Piece0604gamefigure, ReportsTheNumberTheGameGaveIt)
{
    // The name's digits mean nothing to a figure.
    CObject* p = piece("06_04_game_figure_05", "06_04_game_figure.sc", "06_minigame_14");
    EXPECT_EQ(mouseEvents(p, "06_minigame_14"), reports(0));

    for (int n : {7, 3})
    {
        engine.notify(p, n, spy("06_minigame_14"));
        engine.frame();
        EXPECT_EQ(mouseEvents(p, "06_minigame_14"), reports(n)) << n;
    }
}
} // namespace
