// The script registered as "04_freska.sc".
#pragma once

#include "CodeScript.h"

class sc_04_freska : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_freska(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
