// The script registered as "04_minigame_21.sc".
#pragma once

#include "CodeScript.h"

class sc_04_minigame_21 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_minigame_21(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
