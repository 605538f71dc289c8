// The script registered as "00_random_flash.sc".
#pragma once

#include "CodeScript.h"

class sc_00_random_flash : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_random_flash(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
