// A pillar of the lava jump: the game hears its four mouse events as
// its number in the codes of focus, loss of focus, button down and up.
#include "PieceFixture.h"

namespace
{
using Piece0606stolbik = tq::PieceFixture;

TEST_F(Piece0606stolbik, TheRoomsSecondPillarIsTheGamesFirst)
{
    CObject* p = piece("06_06_az_Stolbik_lava2", "06_06_stolbik.sc", "06_minigame_30");
    EXPECT_EQ(mouseEvents(p, "06_minigame_30"), reports(1));
}
} // namespace
