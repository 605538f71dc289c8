#include "03_01_game_cmd.h"

sc_03_01_game_cmd::sc_03_01_game_cmd(int mostDerived)
    : CPieceScript("03_01_game_chip_", 0, "03_minigame_04", kStandard)
{
    (void)mostDerived;
}
