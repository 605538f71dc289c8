// The script registered as "06_06_stolbik.sc".
#pragma once

#include "CodeScript.h"

class sc_06_06_stolbik : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_06_stolbik(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
