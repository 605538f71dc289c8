// The script registered as "00_near_open_zone.sc".
#pragma once

#include "CodeScript.h"

class sc_00_near_open_zone : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_near_open_zone(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
