// The script registered as "07_papirus.sc".
#pragma once

#include "CodeScript.h"

class sc_07_papirus : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_07_papirus(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
