#include "04_02_game_number.h"

sc_04_02_game_number::sc_04_02_game_number(int mostDerived)
    : CPieceScript("04_02_az_stolb_act_", -1, "04_02_az_exit_to_03_mg", kStandard)
{
    (void)mostDerived;
}
