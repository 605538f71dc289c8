#include "05_06_game_box.h"

const CBoardPiece::Kind sc_05_06_game_box::kKind = {"05_06_game_box_", "05_minigame_10", 0, 10000};
