// The script registered as "04_03_scene.sc".
#pragma once

#include "CodeScript.h"

class sc_04_03_scene : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_03_scene(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
