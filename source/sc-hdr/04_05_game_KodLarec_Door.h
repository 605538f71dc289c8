// The script registered as "04_05_game_KodLarec_Door.sc".
#pragma once

#include "CodeScript.h"

class sc_04_05_game_KodLarec_Door : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_05_game_KodLarec_Door(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
