// The script registered as "04_minigame_21_laser.sc".
#pragma once

#include "CodeScript.h"

class sc_04_minigame_21_laser : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_minigame_21_laser(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
