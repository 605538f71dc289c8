#include "04_04_game_node.h"

sc_04_04_game_node::sc_04_04_game_node(int mostDerived)
    : CPieceScript("04_04_game_node_", 0, "04_minigame_08", kStandard)
{
    (void)mostDerived;
}
