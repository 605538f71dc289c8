// The script registered as "04_02_game_number.sc".
#pragma once

#include "CodeScript.h"

class sc_04_02_game_number : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_02_game_number(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
