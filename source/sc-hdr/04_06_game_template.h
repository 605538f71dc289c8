// The script registered as "04_06_game_template.sc": a template of the
// templates-and-boards puzzle in room 04_06.
#pragma once

#include "BoardPiece.h"

class sc_04_06_game_template : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_06_game_template(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    static const Kind kKind;
};
