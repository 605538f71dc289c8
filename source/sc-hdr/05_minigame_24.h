// The script registered as "05_minigame_24.sc".
#pragma once

#include "CodeScript.h"

class sc_05_minigame_24 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_minigame_24(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
