#include "03_05_game_button.h"

sc_03_05_game_button::sc_03_05_game_button(int mostDerived)
    : CPieceScript("03_05_game_button_", 0, "03_05_az_Door01", kStandard)
{
    (void)mostDerived;
}
