// The script registered as "06_02_vertelka.sc".
#pragma once

#include "CodeScript.h"

class sc_06_02_vertelka : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_02_vertelka(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
