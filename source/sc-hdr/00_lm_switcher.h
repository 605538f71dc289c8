// The script registered as "00_lm_switcher.sc".
#pragma once

#include "CodeScript.h"

class sc_00_lm_switcher : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_lm_switcher(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
