// The script registered as "06_minigame_13.sc".
#pragma once

#include "CodeScript.h"

class sc_06_minigame_13 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_minigame_13(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
