// The piece "03_03_game_part_right.sc" on the headless engine: the codes its
// puzzle hears for one full click, the pointer coming and going.
#include "PieceRunFixture.h"

#include <gtest/gtest.h>

TEST(Piece, ReportsOnlyTheReleaseAsARightPart)
{
    tq::PieceRun run("03_03_game_part_right.sc", "03_03_game_part_right_03", "03_minigame_31");
    EXPECT_EQ(run.fullClick(), (tq::Calls{"40003,0"}));
}
