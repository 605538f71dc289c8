#include "platform/FramePacer.h"

#include <cerrno>
#include <ctime>

namespace Platform
{
namespace
{
// Less than this left of the frame is not worth a sleep: the wake-up would
// come later than the frame is due.
const uint64_t kLeastSleep = 500;
} // namespace

uint64_t microseconds()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1000000u + static_cast<uint64_t>(ts.tv_nsec) / 1000u;
}

void CFramePacer::setRate(double framesPerSecond)
{
    mRate = framesPerSecond > 0.0 ? framesPerSecond : 0.0;
    mPeriod = mRate > 0.0 ? static_cast<uint64_t>(1000000.0 / mRate) : 0;
    mLastEnd = 0;
}

void CFramePacer::frameDone()
{
    const uint64_t now = microseconds();
    if (mPeriod == 0 || mLastEnd == 0 || now >= mLastEnd + mPeriod || mLastEnd + mPeriod - now < kLeastSleep)
    {
        // A frame that took its period or longer (a driver that waits for
        // the display, a slow frame, a loading step) needs no sleep, and the
        // next period counts from now rather than catching up.
        mLastEnd = now;
        return;
    }
    const uint64_t due = mLastEnd + mPeriod;
    timespec until;
    until.tv_sec = static_cast<time_t>(due / 1000000u);
    until.tv_nsec = static_cast<long>((due % 1000000u) * 1000u);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR)
    {
    }
    mSlept += due - now;
    mLastEnd = due;
}
} // namespace Platform
