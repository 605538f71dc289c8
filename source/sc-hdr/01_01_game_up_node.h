// The script registered as "01_01_game_up_node.sc".
#pragma once

#include "CodeScript.h"

class sc_01_01_game_up_node : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_01_01_game_up_node(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
