#include "05_04_game_rubilnik.h"

#include "ScriptObject.h"
#include "Trace.h"

const CBoardPiece::Kind sc_05_04_game_rubilnik::kKind = {"05_04_az_Rubilnik_", "05_minigame_25", 1, 10000};

void sc_05_04_game_rubilnik::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    report(kFocus);
    ScriptObject::hotSpotHovered(getOwner(), 0);
}

void sc_05_04_game_rubilnik::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    report(kFocusLost);
    ScriptObject::hotSpotLeft(getOwner(), 0);
}

void sc_05_04_game_rubilnik::ON_LBUTTONUP()
{
    TQ_TRACE(" ON_LBUTTONUP()");
    report(kButtonUp, getOwner());
}
