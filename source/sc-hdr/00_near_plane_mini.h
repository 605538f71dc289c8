// The script registered as "00_near_plane_mini.sc".
#pragma once

#include "CodeScript.h"

class sc_00_near_plane_mini : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_near_plane_mini(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
