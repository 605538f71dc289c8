// The script registered as "00_journal.sc".
#pragma once

#include "CodeScript.h"

class sc_00_journal : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_journal(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
