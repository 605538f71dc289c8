// The script registered as "03_01_scene.sc".
#pragma once

#include "CodeScript.h"

class sc_03_01_scene : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_01_scene(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
