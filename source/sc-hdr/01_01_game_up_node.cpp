#include "01_01_game_up_node.h"

const CClickablePiece::Kind sc_01_01_game_up_node::kKind = {
    "01_01_game_up_node_", "01_minigame_01", 10000, 20000, 30000, 40000};
