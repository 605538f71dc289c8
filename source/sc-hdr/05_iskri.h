// The script registered as "05_iskri.sc".
#pragma once

#include "CodeScript.h"

class sc_05_iskri : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_iskri(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
