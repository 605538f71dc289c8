// The script registered as "00_material_changer.sc".
#pragma once

#include "CodeScript.h"

class sc_00_material_changer : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_material_changer(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
