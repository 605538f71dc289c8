// The script registered as "00_interf_bk.sc".
#pragma once

#include "CodeScript.h"

class sc_00_interf_bk : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_interf_bk(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
