// The piece "04_03_game_button.sc" on the headless engine: the codes its
// puzzle hears for one full click, the pointer coming and going.
#include "PieceRunFixture.h"

#include <gtest/gtest.h>

TEST(Piece, ReportsItsButtonToThePanel)
{
    tq::PieceRun run("04_03_game_button.sc", "04_03_game_button_05", "04_minigame_07");
    EXPECT_EQ(run.fullClick(), (tq::Calls{"10005,0", "30005,0", "40005,0", "20005,0"}));
}
