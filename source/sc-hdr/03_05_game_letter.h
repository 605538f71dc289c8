// The script registered as "03_05_game_letter.sc": a letter tile of the
// letter-pairs puzzle.  Besides its codes it logs the focus it gains and
// loses, with its number.
#pragma once

#include "PieceScript.h"

class sc_03_05_game_letter : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_05_game_letter(int mostDerived = 1);

    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;
};
