// The script registered as "05_01_game_number.sc".
#pragma once

#include "CodeScript.h"

class sc_05_01_game_number : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_01_game_number(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
