#include "06_02_vertelka.h"

const CBoardPiece::Kind sc_06_02_vertelka::kKind = {"06_02_vertelka_", "06_minigame_28", 1, 10000};
