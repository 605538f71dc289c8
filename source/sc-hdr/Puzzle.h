// What the puzzles of location 4 share beyond the mini-game frame: the
// blend and easing curves of their moving parts, their sound sets, and the
// repair of a saved array whose values a damaged save put out of range.
#pragma once

#include "VirtualScript.h"

#include <initializer_list>
#include <vector>

namespace Puzzle
{
/// x2 a + x1 (1 - a): a = 0 gives x1, a = 1 gives x2.
inline float interp(float x1, float x2, float a)
{
    return x2 * a + x1 * (1.0f - a);
}

/// The ease of sliding pieces from 0 to 1: it runs a little past the end
/// before it settles (0.9999 at 1), so that pieces seem to snap into place.
inline float easeCubic(float p)
{
    return 2.9444f * p * p * p - 6.8167f * p * p + 4.8722f * p;
}

/// interp of each coordinate.
inline vec3 interp(const vec3& from, const vec3& to, float a)
{
    return vec3(interp(from.x, to.x, a), interp(from.y, to.y, a), interp(from.z, to.z, a));
}

/// A puzzle's sounds: loaded whole into memory when the puzzle is created,
/// played once in the effects group, freed when it goes.  Without sound
/// (or without a free slot) a sound's id is -1 and it stays silent.
class CSoundSet
{
public:
    void load(std::initializer_list<const char*> names);
    void unload();
    /// Plays sound i of the list once; an index beyond it does nothing.
    void play(int i) const;

    std::vector<int> ids;
};

/// values[index] when it lies in lo..hi; otherwise it becomes fallback, and
/// the log names the saved key (location a, game b) that held the bad value.
void repair(int a, int b, int* values, int index, int lo, int hi, int fallback);
} // namespace Puzzle
