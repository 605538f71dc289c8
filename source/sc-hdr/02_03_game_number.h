// The script registered as "02_03_game_number.sc": a number plate of the
// number-wheel panel. It reports to the panel's object
// "02_03_az_room_stol_diski_door_mg" as N + 10000 (focus), N + 20000 (loss of
// focus), N + 30000 (button down) and N + 40000 (button up), N being the
// number after "02_03_game_number_" in its object's name.
#pragma once

#include "ClickablePiece.h"

class sc_02_03_game_number : public CClickablePiece
{
public:
    static const Kind kKind;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_03_game_number(int mostDerived = 1) : CClickablePiece(kKind)
    {
        (void)mostDerived;
    }
};
