#include "05_06_game_boxm.h"

const CBoardPiece::Kind sc_05_06_game_boxm::kKind = {"05_06_game_boxm_", "05_minigame_10", 0, 15000};
