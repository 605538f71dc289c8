// The script registered as "00_click_task.sc".
#pragma once

#include "CodeScript.h"

class sc_00_click_task : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_click_task(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
