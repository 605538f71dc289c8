// The script registered as "06_04_game_lead.sc": a weight of the balance
// scales.
#pragma once

#include "BoardPiece.h"

class sc_06_04_game_lead : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_04_game_lead(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    static const Kind kKind;
};
