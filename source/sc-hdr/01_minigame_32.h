// The script registered as "01_minigame_32.sc".
#pragma once

#include "CodeScript.h"

class sc_01_minigame_32 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_01_minigame_32(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
