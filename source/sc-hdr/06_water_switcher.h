// The script registered as "06_water_switcher.sc".
#pragma once

#include "CodeScript.h"

class sc_06_water_switcher : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_water_switcher(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
