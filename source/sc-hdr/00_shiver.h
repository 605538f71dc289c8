// The script registered as "00_shiver.sc".
#pragma once

#include "CodeScript.h"

class sc_00_shiver : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_shiver(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
