// The script registered as "04_06_game_drotik_00.sc": a dart of the darts
// panel in room 04_06; the panel hears its focus and loss of focus.
#pragma once

#include "BoardPiece.h"

class sc_04_06_game_drotik_00 : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_06_game_drotik_00(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    static const Kind kKind;
};
