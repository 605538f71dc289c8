// The script registered as "03_05_game_letter.sc".
#pragma once

#include "CodeScript.h"

class sc_03_05_game_letter : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_05_game_letter(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
