// The script registered as "02_dialogs.sc".
#pragma once

#include "CodeScript.h"

class sc_02_dialogs : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_dialogs(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
