// The script registered as "07_tolvane_flash.sc".
#pragma once

#include "CodeScript.h"

class sc_07_tolvane_flash : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_07_tolvane_flash(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
