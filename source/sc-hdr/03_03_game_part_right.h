// The script registered as "03_03_game_part_right.sc": a right picture part
// of the picture-pairs game; a click reports it on the button's release as N
// + 40000, so that left and right parts of one number differ, and nothing
// else is reported.
#pragma once

#include "PieceScript.h"

class sc_03_03_game_part_right : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_03_game_part_right(int mostDerived = 1);
};
