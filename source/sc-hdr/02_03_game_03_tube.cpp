#include "02_03_game_03_tube.h"

const CClickablePiece::Kind sc_02_03_game_03_tube::kKind = {
    "02_03_game_03_tube_", "02_minigame_03", 10000, 20000, 30000, 40000};
