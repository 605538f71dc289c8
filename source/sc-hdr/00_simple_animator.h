// The script registered as "00_simple_animator.sc".
#pragma once

#include "CodeScript.h"

class sc_00_simple_animator : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_simple_animator(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
