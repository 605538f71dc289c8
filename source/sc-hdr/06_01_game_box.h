// The script registered as "06_01_game_box.sc": a piece of the sliding-lines
// picture.
#pragma once

#include "BoardPiece.h"

class sc_06_01_game_box : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_01_game_box(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    static const Kind kKind;
};
