// What the board games of location 3 share beyond the board games' sounds,
// blends and springy ease (BoardGame.h): the soft ease of their carried
// pieces and the warning about a saved state that they cannot play.
#pragma once

#include "BoardGame.h"

namespace MiniGameTools
{
/// (2 - t) t: a quick start and a soft arrival.
inline float easeOut(float t)
{
    return (2.0f - t) * t;
}

/// Logs that the saved array a_b holds values the game cannot play (the
/// game then draws a new puzzle in its place).
void warnDamagedState(int a, int b);
} // namespace MiniGameTools
