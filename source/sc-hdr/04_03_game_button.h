// The script registered as "04_03_game_button.sc": a button of the button
// panel puzzle.
#pragma once

#include "PieceScript.h"

class sc_04_03_game_button : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_03_game_button(int mostDerived = 1);
};
