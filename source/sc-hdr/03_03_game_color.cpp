#include "03_03_game_color.h"

sc_03_03_game_color::sc_03_03_game_color(int mostDerived)
    : CPieceScript("03_03_game_cristals_", 0, "03_minigame_05", kStandard)
{
    (void)mostDerived;
}
