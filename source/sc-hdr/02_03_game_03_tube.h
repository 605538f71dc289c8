// The script registered as "02_03_game_03_tube.sc": a tube of the tube-
// turning puzzle. It reports to "02_minigame_03" as N + 10000 (focus), N +
// 20000 (loss of focus), N + 30000 (button down) and N + 40000 (button up), N
// being the number after "02_03_game_03_tube_" in its object's name.
#pragma once

#include "ClickablePiece.h"

class sc_02_03_game_03_tube : public CClickablePiece
{
public:
    static const Kind kKind;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_03_game_03_tube(int mostDerived = 1) : CClickablePiece(kKind)
    {
        (void)mostDerived;
    }
};
