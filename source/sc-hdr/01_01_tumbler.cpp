#include "01_01_tumbler.h"

const CClickablePiece::Kind sc_01_01_tumbler::kKind = {
    "01_01_game_tumbler_", "01_minigame_33", 10000, 20000, 30000, 40000};
