// The script registered as "06_04_game_figure.sc".
#pragma once

#include "CodeScript.h"

class sc_06_04_game_figure : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_04_game_figure(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
