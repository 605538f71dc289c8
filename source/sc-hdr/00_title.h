// The script registered as "00_title.sc".
#pragma once

#include "CodeScript.h"

class sc_00_title : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_title(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
