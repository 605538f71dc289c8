// The script registered as "rttview.sc".
#pragma once

#include "CodeScript.h"

class sc_rttview : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_rttview(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
