// The script registered as "05_02_game_box.sc": a symbol box of the palette
// of the symbol grid in room 05_02.
#pragma once

#include "BoardPiece.h"

class sc_05_02_game_box : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_02_game_box(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    static const Kind kKind;
};
