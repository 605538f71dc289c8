#include "05_01_game_number.h"

const CBoardPiece::Kind sc_05_01_game_number::kKind = {"05_01_game_number_", "05_01_az_zamok_mg", 0, 10000};
