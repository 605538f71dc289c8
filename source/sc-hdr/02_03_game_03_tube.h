// The script registered as "02_03_game_03_tube.sc".
#pragma once

#include "CodeScript.h"

class sc_02_03_game_03_tube : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_03_game_03_tube(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
