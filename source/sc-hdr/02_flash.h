// The script registered as "02_flash.sc".
#pragma once

#include "CodeScript.h"

class sc_02_flash : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_flash(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
