// The script registered as "04_06_game_rubilnik.sc".
#pragma once

#include "CodeScript.h"

class sc_04_06_game_rubilnik : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_06_game_rubilnik(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
