#include "04_03_game_but.h"

sc_04_03_game_but::sc_04_03_game_but(int mostDerived)
    : CPieceScript("04_03_game_but_", 1, "04_minigame_20", kStandard)
{
    (void)mostDerived;
}
