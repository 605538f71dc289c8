#include "06_05_stolbik.h"

const CBoardPiece::Kind sc_06_05_stolbik::kKind = {"06_05_stolbik_", "06_minigame_29", 1, 10000};
