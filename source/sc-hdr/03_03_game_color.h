// The script registered as "03_03_game_color.sc".
#pragma once

#include "CodeScript.h"

class sc_03_03_game_color : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_03_game_color(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
