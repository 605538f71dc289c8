// The script registered as "02_02_game_letter.sc": a letter of the letter-
// joining puzzle. It reports to "02_minigame_34" as N + 10000 (focus), N +
// 20000 (loss of focus), N + 30000 (button down) and N + 40000 (button up), N
// being the number after "02_02_game_letter_" in its object's name.
#pragma once

#include "ClickablePiece.h"

class sc_02_02_game_letter : public CClickablePiece
{
public:
    static const Kind kKind;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_02_game_letter(int mostDerived = 1) : CClickablePiece(kKind)
    {
        (void)mostDerived;
    }
};
