// The script registered as "02_cam_move.sc".
#pragma once

#include "CodeScript.h"

class sc_02_cam_move : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_cam_move(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
