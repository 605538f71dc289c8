// The piece "04_02_game_number.sc" on the headless engine: the codes its
// puzzle hears for one full click, the pointer coming and going.
#include "PieceRunFixture.h"

#include <gtest/gtest.h>

TEST(Piece, NumbersThePillarsFromOne)
{
    tq::PieceRun run("04_02_game_number.sc", "04_02_az_stolb_act_01", "04_02_az_exit_to_03_mg");
    EXPECT_EQ(run.fullClick(), (tq::Calls{"10000,0", "30000,0", "40000,0", "20000,0"}));
}
