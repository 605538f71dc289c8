#include "06_06_stolbik.h"

const CBoardPiece::Kind sc_06_06_stolbik::kKind = {"06_06_az_Stolbik_lava", "06_minigame_30", 1, 10000};
