// The script registered as "00_help_bb.sc".
#pragma once

#include "CodeScript.h"

class sc_00_help_bb : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_help_bb(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
