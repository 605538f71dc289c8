// The script registered as "00_ginterface.sc".
// Its large tables (hundreds of megabytes at full size) belong in storage
// that grows with use, never in the object itself, so that a running game
// holds only the records it fills.
#pragma once

#include "CodeScript.h"

class sc_00_ginterface : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_ginterface(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
