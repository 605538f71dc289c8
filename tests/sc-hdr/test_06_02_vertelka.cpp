// A turning knob: the room numbers the knobs from 1, the game from 0; a
// name without a number gives -1.
#include "PieceFixture.h"

namespace
{
using Piece0602vertelka = tq::PieceFixture;

TEST_F(Piece0602vertelka, TheRoomsTenthKnobIsTheGamesNinth)
{
    CObject* p = piece("06_02_vertelka_10", "06_02_vertelka.sc", "06_minigame_28");
    EXPECT_EQ(mouseEvents(p, "06_minigame_28"), reports(9));
}

TEST_F(Piece0602vertelka, ANameWithoutNumberReportsMinusOne)
{
    CObject* p = piece("06_02_vertelka_", "06_02_vertelka.sc", "06_minigame_28");
    EXPECT_EQ(mouseEvents(p, "06_minigame_28"), reports(-1));
}
} // namespace
