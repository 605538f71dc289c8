// The script registered as "03_globus.sc".
#pragma once

#include "CodeScript.h"

class sc_03_globus : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_globus(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
