// The script registered as "03_kamer.sc".
#pragma once

#include "CodeScript.h"

class sc_03_kamer : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_kamer(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
