// The script registered as "04_display.sc".
#pragma once

#include "CodeScript.h"

class sc_04_display : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_display(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
