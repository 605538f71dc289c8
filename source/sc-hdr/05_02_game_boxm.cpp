#include "05_02_game_boxm.h"

const CBoardPiece::Kind sc_05_02_game_boxm::kKind = {"05_02_game_boxm_", "05_minigame_10", 0, 15000};
