// A weight of the balance scales: the game hears its four mouse events as
// its number in the codes of focus, loss of focus, button down and up.
#include "PieceFixture.h"

namespace
{
using Piece0604gamelead = tq::PieceFixture;

TEST_F(Piece0604gamelead, ReportsItsNumberToTheScales)
{
    CObject* p = piece("06_04_Piramida_05", "06_04_game_lead.sc", "06_minigame_131");
    EXPECT_EQ(mouseEvents(p, "06_minigame_131"), reports(5));
}
} // namespace
