// The script registered as "00_sky.sc".
#pragma once

#include "CodeScript.h"

class sc_00_sky : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_sky(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
