// The script registered as "00_overlay_shower.sc".
#pragma once

#include "CodeScript.h"

class sc_00_overlay_shower : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_overlay_shower(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
