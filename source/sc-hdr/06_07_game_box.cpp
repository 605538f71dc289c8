#include "06_07_game_box.h"

const CBoardPiece::Kind sc_06_07_game_box::kKind = {"06_04_game_box_", "06_minigame_15", 0, 10000};
