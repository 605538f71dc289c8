#include "03_03_game_part_left.h"

namespace
{
const CPieceScript::_PIECE_CODES kCodes = {0, 0, 0, 30000};
}

sc_03_03_game_part_left::sc_03_03_game_part_left(int mostDerived)
    : CPieceScript("03_03_game_part_left_", 0, "03_minigame_31", kCodes)
{
    (void)mostDerived;
}
