// A button of the fish machine: the game hears its four mouse events as
// its number in the codes of focus, loss of focus, button down and up.
#include "PieceFixture.h"

namespace
{
using Piece0502gamebutton = tq::PieceFixture;

TEST_F(Piece0502gamebutton, TheRoomsThirdButtonIsTheGamesButtonTwo)
{
    CObject* p = piece("05_02_az_game3", "05_02_game_button.sc", "05_02_game_mg");
    EXPECT_EQ(mouseEvents(p, "05_02_game_mg"), reports(2));
}
} // namespace
