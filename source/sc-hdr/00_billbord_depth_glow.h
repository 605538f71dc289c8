// The script registered as "00_billbord_depth_glow.sc".
#pragma once

#include "CodeScript.h"

class sc_00_billbord_depth_glow : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_billbord_depth_glow(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
