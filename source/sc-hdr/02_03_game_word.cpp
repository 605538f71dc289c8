#include "02_03_game_word.h"

const CClickablePiece::Kind sc_02_03_game_word::kKind = {
    "02_03_game_word_", "02_minigame_02", 10000, 20000, 30000, 40000};
