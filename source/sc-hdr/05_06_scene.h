// The script registered as "05_06_scene.sc".
#pragma once

#include "CodeScript.h"

class sc_05_06_scene : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_06_scene(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
