// The script registered as "05_02_game_button.sc": a button of the fish arcade
// machine (the room numbers them from 1).
#pragma once

#include "BoardPiece.h"

class sc_05_02_game_button : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_02_game_button(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    static const Kind kKind;
};
