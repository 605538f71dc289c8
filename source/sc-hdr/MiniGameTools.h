// What the board games share besides their frame: the sounds they load for
// their own use, the easing of their moves, and the warning about a saved
// state that they cannot play.
#pragma once

#include "VirtualScript.h"

#include <initializer_list>
#include <vector>

namespace MiniGame
{
/// A game's sounds, decoded into memory when the game is created and freed
/// with it.  A sound that does not load plays nothing.
class CSounds
{
public:
    /// Loads the sounds (names without extension); index i plays names[i].
    void load(std::initializer_list<const char*> names);
    /// Frees every sound that load() got.
    void unload();
    /// Plays sound i once in the effects group.
    void play(int i) const;

private:
    std::vector<int> mIds;
};

/// (2 - t) t: a quick start and a soft arrival.
inline float easeOut(float t)
{
    return (2.0f - t) * t;
}
/// 2.9444 t^3 - 6.8167 t^2 + 4.8722 t: passes 1 a little and settles at 1.
inline float overshoot(float t)
{
    return 2.9444f * t * t * t - 6.8167f * t * t + 4.8722f * t;
}
/// (1 - a) x1 + a x2, axis by axis.
inline vec3 interp(const vec3& x1, const vec3& x2, float a)
{
    return x1 * (1.0f - a) + x2 * a;
}

/// Logs that the saved array a_b holds values the game cannot play (the
/// game then draws a new puzzle in its place).
void warnDamagedState(int a, int b);
} // namespace MiniGame
