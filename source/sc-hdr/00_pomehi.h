// The script registered as "00_pomehi.sc".
#pragma once

#include "CodeScript.h"

class sc_00_pomehi : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_pomehi(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
