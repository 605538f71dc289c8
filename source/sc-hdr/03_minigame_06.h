// The script registered as "03_minigame_06.sc".
#pragma once

#include "CodeScript.h"

class sc_03_minigame_06 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_minigame_06(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
