// A laser pillar: the game hears its four mouse events as
// its number in the codes of focus, loss of focus, button down and up.
#include "PieceFixture.h"

namespace
{
using Piece0605stolbik = tq::PieceFixture;

TEST_F(Piece0605stolbik, TheRoomsEighthPillarIsTheGamesSeventh)
{
    CObject* p = piece("06_05_stolbik_08", "06_05_stolbik.sc", "06_minigame_29");
    EXPECT_EQ(mouseEvents(p, "06_minigame_29"), reports(7));
}
} // namespace
