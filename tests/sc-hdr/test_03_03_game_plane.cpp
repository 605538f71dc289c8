// The piece "03_03_game_plane.sc" on the headless engine: the codes its puzzle
// hears for one full click, the pointer coming and going.
#include "PieceRunFixture.h"

#include <gtest/gtest.h>

TEST(Piece, ReportsItsPlaneAboveTheCrystals)
{
    tq::PieceRun run("03_03_game_plane.sc", "03_04_game_plane_03", "03_minigame_05");
    EXPECT_EQ(run.fullClick(), (tq::Calls{"15003,0", "35003,0", "45003,0", "25003,0"}));
}
