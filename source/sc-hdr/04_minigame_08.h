// The script registered as "04_minigame_08.sc".
// Its large tables (tens of megabytes at full size) belong in storage that
// grows with use, never in the object itself, so that a running game holds
// only the records it fills.
#pragma once

#include "CodeScript.h"

class sc_04_minigame_08 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_minigame_08(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
