#include "03_03_game_plane.h"

namespace
{
const CPieceScript::_PIECE_CODES kCodes = {15000, 25000, 35000, 45000};
}

sc_03_03_game_plane::sc_03_03_game_plane(int mostDerived)
    : CPieceScript("03_04_game_plane_", 0, "03_minigame_05", kCodes)
{
    (void)mostDerived;
}
