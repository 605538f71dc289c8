#include "06_01_game_box.h"

const CBoardPiece::Kind sc_06_01_game_box::kKind = {"06_01_game_box_", "06_minigame_13", 0, 10000};
