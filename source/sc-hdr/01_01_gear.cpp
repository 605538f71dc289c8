#include "01_01_gear.h"

const CClickablePiece::Kind sc_01_01_gear::kKind = {
    "01_01_gear_", "01_minigame_32", 10000, 20000, 30000, 40000};
