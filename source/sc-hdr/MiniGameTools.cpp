#include "MiniGameTools.h"

#include "Log.h"
#include "Trace.h"

namespace MiniGameTools
{
void warnDamagedState(int a, int b)
{
    TQ_TRACE(" warnDamagedState(int a, int b)");
    Log::print("\nWARNING: saved state %d_%d of the mini-game is damaged, a new game is drawn", a, b);
}
} // namespace MiniGameTools
