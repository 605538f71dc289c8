// The piece "03_05_superkniga.sc" on the headless engine: the codes its puzzle
// hears for one full click, the pointer coming and going.
#include "PieceRunFixture.h"

#include <gtest/gtest.h>

TEST(Piece, NumbersTheBooksFromSixteen)
{
    tq::PieceRun run("03_05_superkniga.sc", "03_05_superkniga_left_17", "03_minigame_16");
    EXPECT_EQ(run.fullClick(), (tq::Calls{"10001,0", "30001,0", "40001,0", "20001,0"}));
}
