#include "04_06_game_page.h"

const CBoardPiece::Kind sc_04_06_game_page::kKind = {"04_06_game_page_", "04_minigame_09", 0, 10000};
