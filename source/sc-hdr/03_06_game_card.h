// The script registered as "03_06_game_card.sc".
#pragma once

#include "CodeScript.h"

class sc_03_06_game_card : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_06_game_card(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
