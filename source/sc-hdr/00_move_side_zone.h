// The script registered as "00_move_side_zone.sc".
#pragma once

#include "CodeScript.h"

class sc_00_move_side_zone : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_move_side_zone(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
