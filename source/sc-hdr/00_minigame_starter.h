// The script registered as "00_minigame_starter.sc".
#pragma once

#include "CodeScript.h"

class sc_00_minigame_starter : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_minigame_starter(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
