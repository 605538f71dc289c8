// The script registered as "05_04_game_rubilnik.sc": a lever of the wagon
// ride (the room numbers them from 1).  It shows the hot-spot cursor while
// the sparkle help is on, and names itself when it is let go, so that the
// ride knows which lever was pulled.
#pragma once

#include "BoardPiece.h"

class sc_05_04_game_rubilnik : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_04_game_rubilnik(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;
    void ON_LBUTTONUP() override;

    static const Kind kKind;
};
