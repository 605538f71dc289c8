// The script registered as "00_minigame_interf.sc".
#pragma once

#include "CodeScript.h"

class sc_00_minigame_interf : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_minigame_interf(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
