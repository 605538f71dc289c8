#include "04_05_game_KodLarec_Door.h"

#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const CPieceScript::_PIECE_CODES kCodes = {0, 0, 0, 50000};
}

sc_04_05_game_KodLarec_Door::sc_04_05_game_KodLarec_Door(int mostDerived)
    : CPieceScript("04_05_az_KodLarec_Door_", 0, "04_06_az_generator_koda_mg", kCodes)
{
    (void)mostDerived;
}

void sc_04_05_game_KodLarec_Door::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    ScriptObject::hotSpotHovered(getOwner(), 0);
}

void sc_04_05_game_KodLarec_Door::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    ScriptObject::hotSpotLeft(getOwner(), 0);
}
