#include "06_04_game_figure.h"

#include "Trace.h"

const CBoardPiece::Kind sc_06_04_game_figure::kKind = {nullptr, "06_minigame_14", 0, 10000};

void sc_06_04_game_figure::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    (void)from;
    number = param;
}
