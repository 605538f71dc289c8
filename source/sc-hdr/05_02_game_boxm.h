// The script registered as "05_02_game_boxm.sc": a movable box of the symbol
// grid in room 05_02, reported apart from the palette's boxes.
#pragma once

#include "BoardPiece.h"

class sc_05_02_game_boxm : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_02_game_boxm(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    static const Kind kKind;
};
