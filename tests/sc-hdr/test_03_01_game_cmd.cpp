// The piece "03_01_game_cmd.sc" on the headless engine: the codes its puzzle
// hears for one full click, the pointer coming and going.
#include "PieceRunFixture.h"

#include <gtest/gtest.h>

TEST(Piece, ReportsItsChipToTheLightPuzzle)
{
    tq::PieceRun run("03_01_game_cmd.sc", "03_01_game_chip_02", "03_minigame_04");
    EXPECT_EQ(run.fullClick(), (tq::Calls{"10002,0", "30002,0", "40002,0", "20002,0"}));
}
