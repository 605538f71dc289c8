#include "01_01_button.h"

const CClickablePiece::Kind sc_01_01_button::kKind = {
    nullptr, "01_minigame_33", 15000, 25000, kSilent, 45000};
