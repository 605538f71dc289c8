#include "04_06_game_rubilnik.h"

#include "ScriptObject.h"
#include "Trace.h"

const CBoardPiece::Kind sc_04_06_game_rubilnik::kKind = {"04_06_az_generator_koda_", "04_06_az_generator_koda_mg",
                                                         0, 10000};

void sc_04_06_game_rubilnik::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    ScriptObject::hotSpotHovered(getOwner(), 0);
    report(kFocus);
}

void sc_04_06_game_rubilnik::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    ScriptObject::hotSpotLeft(getOwner(), 0);
    report(kFocusLost);
}
