// The script registered as "04_04_game_node.sc": a node of the node puzzle.
#pragma once

#include "PieceScript.h"

class sc_04_04_game_node : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_04_game_node(int mostDerived = 1);
};
