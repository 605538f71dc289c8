// The script registered as "02_minigame_34.sc".
#pragma once

#include "CodeScript.h"

class sc_02_minigame_34 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_minigame_34(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
