#include "01_01_game_down_node.h"

const CClickablePiece::Kind sc_01_01_game_down_node::kKind = {
    "01_01_game_down_node_", "01_minigame_01", 15000, 25000, 30000, 40000};
