// The piece "04_04_game_node.sc" on the headless engine: the codes its puzzle
// hears for one full click, the pointer coming and going.
#include "PieceRunFixture.h"

#include <gtest/gtest.h>

TEST(Piece, ReportsItsNodeToTheNodePuzzle)
{
    tq::PieceRun run("04_04_game_node.sc", "04_04_game_node_09", "04_minigame_08");
    EXPECT_EQ(run.fullClick(), (tq::Calls{"10009,0", "30009,0", "40009,0", "20009,0"}));
}
