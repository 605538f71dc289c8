// The script registered as "02_03_game_word.sc".
#pragma once

#include "CodeScript.h"

class sc_02_03_game_word : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_03_game_word(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
