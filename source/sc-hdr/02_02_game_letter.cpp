#include "02_02_game_letter.h"

const CClickablePiece::Kind sc_02_02_game_letter::kKind = {
    "02_02_game_letter_", "02_minigame_34", 10000, 20000, 30000, 40000};
