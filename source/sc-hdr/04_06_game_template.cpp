#include "04_06_game_template.h"

const CBoardPiece::Kind sc_04_06_game_template::kKind = {"04_06_game_template_", "04_minigame_09", 0, 10000};
