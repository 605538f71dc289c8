// The script registered as "04_printer.sc".
#pragma once

#include "CodeScript.h"

class sc_04_printer : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_printer(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
