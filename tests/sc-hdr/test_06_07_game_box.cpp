// A box of the four-colour puzzle: the game hears its four mouse events as
// its number in the codes of focus, loss of focus, button down and up.
#include "PieceFixture.h"

namespace
{
using Piece0607gamebox = tq::PieceFixture;

TEST_F(Piece0607gamebox, OnlyThePrefixLengthCountsForTheNumber)
{
    CObject* p = piece("06_07_game_box_12", "06_07_game_box.sc", "06_minigame_15");
    EXPECT_EQ(mouseEvents(p, "06_minigame_15"), reports(12));
}
} // namespace
