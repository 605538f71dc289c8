// The script registered as "06_06_stolbik.sc": a pillar of the lava jump
// (the room numbers them from 1).
#pragma once

#include "BoardPiece.h"

class sc_06_06_stolbik : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_06_stolbik(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    static const Kind kKind;
};
