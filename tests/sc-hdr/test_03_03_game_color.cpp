// The piece "03_03_game_color.sc" on the headless engine: the codes its puzzle
// hears for one full click, the pointer coming and going.
#include "PieceRunFixture.h"

#include <gtest/gtest.h>

TEST(Piece, ReportsItsCrystalByTheDigitsOfItsOwnName)
{
    tq::PieceRun run("03_03_game_color.sc", "03_04_game_cristals_05", "03_minigame_05");
    EXPECT_EQ(run.fullClick(), (tq::Calls{"10005,0", "30005,0", "40005,0", "20005,0"}));
}
