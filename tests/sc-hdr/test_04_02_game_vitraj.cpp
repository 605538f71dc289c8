// The piece "04_02_game_vitraj.sc" on the headless engine: the codes its
// puzzle hears for one full click, the pointer coming and going.
#include "PieceRunFixture.h"

#include <gtest/gtest.h>

TEST(Piece, ReportsItsPieceToTheStainedGlass)
{
    tq::PieceRun run("04_02_game_vitraj.sc", "04_02_game_vitraj_11", "04_minigame_35");
    EXPECT_EQ(run.fullClick(), (tq::Calls{"10011,0", "30011,0", "40011,0", "20011,0"}));
}
