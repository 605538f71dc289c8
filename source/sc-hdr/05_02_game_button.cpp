#include "05_02_game_button.h"

const CBoardPiece::Kind sc_05_02_game_button::kKind = {"05_02_az_game", "05_02_game_mg", 1, 10000};
