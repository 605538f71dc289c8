// The script registered as "00_super_effect.sc".
#pragma once

#include "CodeScript.h"

class sc_00_super_effect : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_super_effect(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
