// The script registered as "05_minigame_26.sc".
#pragma once

#include "CodeScript.h"

class sc_05_minigame_26 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_minigame_26(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
