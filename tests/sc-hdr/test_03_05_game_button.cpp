// The piece "03_05_game_button.sc" on the headless engine: the codes its
// puzzle hears for one full click, the pointer coming and going.
#include "PieceRunFixture.h"

#include <gtest/gtest.h>

TEST(Piece, ReportsItsButtonToTheDoorPanel)
{
    tq::PieceRun run("03_05_game_button.sc", "03_05_game_button_07", "03_05_az_Door01");
    EXPECT_EQ(run.fullClick(), (tq::Calls{"10007,0", "30007,0", "40007,0", "20007,0"}));
}
