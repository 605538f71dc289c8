#include "04_02_game_vitraj.h"

sc_04_02_game_vitraj::sc_04_02_game_vitraj(int mostDerived)
    : CPieceScript("04_02_game_vitraj_", 0, "04_minigame_35", kStandard)
{
    (void)mostDerived;
}
