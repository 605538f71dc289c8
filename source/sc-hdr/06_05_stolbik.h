// The script registered as "06_05_stolbik.sc": a laser pillar (the room numbers
// them from 1).
#pragma once

#include "BoardPiece.h"

class sc_06_05_stolbik : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_05_stolbik(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    static const Kind kKind;
};
