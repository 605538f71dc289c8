// The script registered as "06_07_game_box.sc": a box of the four-colour
// puzzle.  Its objects are named "06_07_game_box_" and a number: only the
// prefix's length takes the number apart.
#pragma once

#include "BoardPiece.h"

class sc_06_07_game_box : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_07_game_box(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    static const Kind kKind;
};
