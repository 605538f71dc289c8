#include "06_04_game_lead.h"

const CBoardPiece::Kind sc_06_04_game_lead::kKind = {"06_04_Piramida_", "06_minigame_131", 0, 10000};
