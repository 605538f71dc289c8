// The script registered as "04_03_game_button.sc".
#pragma once

#include "CodeScript.h"

class sc_04_03_game_button : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_03_game_button(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
