// The script registered as "03_lazer_switcher.sc".
#pragma once

#include "CodeScript.h"

class sc_03_lazer_switcher : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_lazer_switcher(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
