// The script registered as "02_03_game_word.sc": a word of the sign-phrase
// puzzle. It reports to "02_minigame_02" as N + 10000 (focus), N + 20000
// (loss of focus), N + 30000 (button down) and N + 40000 (button up), N being
// the number after "02_03_game_word_" in its object's name.
#pragma once

#include "ClickablePiece.h"

class sc_02_03_game_word : public CClickablePiece
{
public:
    static const Kind kKind;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_03_game_word(int mostDerived = 1) : CClickablePiece(kKind)
    {
        (void)mostDerived;
    }
};
