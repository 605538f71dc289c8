// The script registered as "03_01_game_cmd.sc": a command chip of the light-
// mixing puzzle; it reports chip N to the puzzle.
#pragma once

#include "PieceScript.h"

class sc_03_01_game_cmd : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_01_game_cmd(int mostDerived = 1);
};
