// The script registered as "05_06_game_box.sc".
#pragma once

#include "CodeScript.h"

class sc_05_06_game_box : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_06_game_box(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
