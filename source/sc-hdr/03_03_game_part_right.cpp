#include "03_03_game_part_right.h"

namespace
{
const CPieceScript::_PIECE_CODES kCodes = {0, 0, 0, 40000};
}

sc_03_03_game_part_right::sc_03_03_game_part_right(int mostDerived)
    : CPieceScript("03_03_game_part_right_", 0, "03_minigame_31", kCodes)
{
    (void)mostDerived;
}
