// The script registered as "00_sfx_env.sc".
#pragma once

#include "CodeScript.h"

class sc_00_sfx_env : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_sfx_env(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
