// The script registered as "01_01_game_up_node.sc": an upper node of the
// node-and-line board. It reports to "01_minigame_01" as N + 10000 (focus), N
// + 20000 (loss of focus), N + 30000 (button down) and N + 40000 (button up),
// N being the number after "01_01_game_up_node_" in its object's name.
#pragma once

#include "ClickablePiece.h"

class sc_01_01_game_up_node : public CClickablePiece
{
public:
    static const Kind kKind;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_01_01_game_up_node(int mostDerived = 1) : CClickablePiece(kKind)
    {
        (void)mostDerived;
    }
};
