// The script registered as "04_02_game_vitraj.sc": a piece of the stained-
// glass puzzle.
#pragma once

#include "PieceScript.h"

class sc_04_02_game_vitraj : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_02_game_vitraj(int mostDerived = 1);
};
