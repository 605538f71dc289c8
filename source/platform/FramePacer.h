// Frame pacing: the game never draws faster than the display refreshes.
// With vertical sync most drivers wait for the display by themselves; some
// do not (a virtual X server, software renderers), and without vertical
// sync nothing waits.  The pacer sleeps out whatever is left of the frame.
#pragma once

#include <cstdint>

namespace Platform
{
class CFramePacer
{
public:
    /// Frames per second at most; 0 or less turns pacing off.
    void setRate(double framesPerSecond);
    double rate() const { return mRate; }

    /// Called once a frame, after it was shown: sleeps until one frame
    /// period has passed since the previous frame ended.
    void frameDone();

    /// Microseconds slept in all (for diagnostics and tests).
    uint64_t sleptMicroseconds() const { return mSlept; }

private:
    double mRate = 0.0;
    uint64_t mPeriod = 0;    ///< microseconds
    uint64_t mLastEnd = 0;   ///< microseconds; 0: no frame yet
    uint64_t mSlept = 0;
};

/// Microseconds of a monotonic clock.
uint64_t microseconds();
} // namespace Platform
