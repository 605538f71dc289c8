#include "03_05_game_letter.h"

#include "Log.h"
#include "Trace.h"

sc_03_05_game_letter::sc_03_05_game_letter(int mostDerived)
    : CPieceScript("03_05_game_letter_", 0, "03_minigame_06", kStandard)
{
    (void)mostDerived;
}

void sc_03_05_game_letter::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    Log::print("\nset focus %d", number);
    CPieceScript::ON_SETFOCUS();
}

void sc_03_05_game_letter::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    Log::print("\nkill focus %d", number);
    CPieceScript::ON_KILLFOCUS();
}
