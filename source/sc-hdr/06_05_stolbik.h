// The script registered as "06_05_stolbik.sc".
#pragma once

#include "CodeScript.h"

class sc_06_05_stolbik : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_05_stolbik(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
