#include "04_06_game_drotik_00.h"

const CBoardPiece::Kind sc_04_06_game_drotik_00::kKind = {"04_06_game_drotik_", "04_minigame_23", 0, 10000};
