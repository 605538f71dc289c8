// The script registered as "04_minigame_35.sc".
#pragma once

#include "CodeScript.h"

class sc_04_minigame_35 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_minigame_35(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
