#include "04_03_game_button.h"

sc_04_03_game_button::sc_04_03_game_button(int mostDerived)
    : CPieceScript("04_03_game_button_", 0, "04_minigame_07", kStandard)
{
    (void)mostDerived;
}
