// The script registered as "05_06_game_boxm.sc": a movable box of the symbol
// grid, reported apart from the palette's boxes.
#pragma once

#include "BoardPiece.h"

class sc_05_06_game_boxm : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_06_game_boxm(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    static const Kind kKind;
};
