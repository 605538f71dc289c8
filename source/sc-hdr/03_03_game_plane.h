// The script registered as "03_03_game_plane.sc".
#pragma once

#include "CodeScript.h"

class sc_03_03_game_plane : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_03_game_plane(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
