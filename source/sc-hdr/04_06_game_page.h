// The script registered as "04_06_game_page.sc": the card of a template of
// the templates-and-boards puzzle; its focus counts as the template's.
#pragma once

#include "BoardPiece.h"

class sc_04_06_game_page : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_06_game_page(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    static const Kind kKind;
};
