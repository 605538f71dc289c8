// The script registered as "03_05_game_button.sc": a button of the library
// door's panel.
#pragma once

#include "PieceScript.h"

class sc_03_05_game_button : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_05_game_button(int mostDerived = 1);
};
