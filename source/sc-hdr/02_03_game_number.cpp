#include "02_03_game_number.h"

const CClickablePiece::Kind sc_02_03_game_number::kKind = {
    "02_03_game_number_", "02_03_az_room_stol_diski_door_mg", 10000, 20000, 30000, 40000};
