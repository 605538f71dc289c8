#include "03_06_game_card.h"

sc_03_06_game_card::sc_03_06_game_card(int mostDerived)
    : CPieceScript("03_06_game_card_", 0, "03_minigame_36", kStandard)
{
    (void)mostDerived;
}
