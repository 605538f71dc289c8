// The script registered as "01_01_game_down_node.sc": a lower node of the
// node-and-line board. It reports to "01_minigame_01" as N + 15000 (focus), N
// + 25000 (loss of focus), N + 30000 (button down) and N + 40000 (button up),
// N being the number after "01_01_game_down_node_" in its object's name.
// Lower nodes are the board's second family of pieces: their focus codes keep
// them apart from the upper nodes.
#pragma once

#include "ClickablePiece.h"

class sc_01_01_game_down_node : public CClickablePiece
{
public:
    static const Kind kKind;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_01_01_game_down_node(int mostDerived = 1) : CClickablePiece(kKind)
    {
        (void)mostDerived;
    }
};
