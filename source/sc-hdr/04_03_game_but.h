// The script registered as "04_03_game_but.sc": a button of the button
// puzzle; the puzzle counts its buttons from 1 here.
#pragma once

#include "PieceScript.h"

class sc_04_03_game_but : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_03_game_but(int mostDerived = 1);
};
