// The piece "04_03_game_but.sc" on the headless engine: the codes its puzzle
// hears for one full click, the pointer coming and going.
#include "PieceRunFixture.h"

#include <gtest/gtest.h>

TEST(Piece, CountsItsButtonsFromOne)
{
    tq::PieceRun run("04_03_game_but.sc", "04_03_game_but_00", "04_minigame_20");
    EXPECT_EQ(run.fullClick(), (tq::Calls{"10001,0", "30001,0", "40001,0", "20001,0"}));
}
