// The piece "03_06_game_card.sc" on the headless engine: the codes its puzzle
// hears for one full click, the pointer coming and going.
#include "PieceRunFixture.h"

#include <gtest/gtest.h>

TEST(Piece, ReportsItsCardToTheCardReader)
{
    tq::PieceRun run("03_06_game_card.sc", "03_06_game_card_04", "03_minigame_36");
    EXPECT_EQ(run.fullClick(), (tq::Calls{"10004,0", "30004,0", "40004,0", "20004,0"}));
}
