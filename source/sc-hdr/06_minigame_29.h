// The script registered as "06_minigame_29.sc".
#pragma once

#include "CodeScript.h"

class sc_06_minigame_29 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_minigame_29(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
