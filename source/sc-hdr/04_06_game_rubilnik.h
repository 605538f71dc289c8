// The script registered as "04_06_game_rubilnik.sc": a lever of the code
// generator in room 04_06.  It shows the hot-spot cursor while the sparkle
// help is on and the plain cursor when left; the generator reacts to its
// button down.
#pragma once

#include "BoardPiece.h"

class sc_04_06_game_rubilnik : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_06_game_rubilnik(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;

    static const Kind kKind;
};
