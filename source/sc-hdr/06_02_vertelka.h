// The script registered as "06_02_vertelka.sc": one of the turning knobs (the
// room numbers them from 1).
#pragma once

#include "BoardPiece.h"

class sc_06_02_vertelka : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_02_vertelka(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    static const Kind kKind;
};
