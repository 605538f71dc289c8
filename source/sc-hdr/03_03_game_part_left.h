// The script registered as "03_03_game_part_left.sc": a left picture part of
// the picture-pairs game; a click reports it on the button's release as N +
// 30000, and nothing else is reported.
#pragma once

#include "PieceScript.h"

class sc_03_03_game_part_left : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_03_game_part_left(int mostDerived = 1);
};
