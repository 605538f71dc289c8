// The script registered as "05_01_game_number.sc": a number wheel of the
// cupboard lock; a press turns it.
#pragma once

#include "BoardPiece.h"

class sc_05_01_game_number : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_01_game_number(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    static const Kind kKind;
};
