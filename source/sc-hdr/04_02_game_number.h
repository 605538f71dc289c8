// The script registered as "04_02_game_number.sc": a pillar of the pillar
// puzzle; the pillars' names count from 1, the puzzle's from 0.
#pragma once

#include "PieceScript.h"

class sc_04_02_game_number : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_02_game_number(int mostDerived = 1);
};
