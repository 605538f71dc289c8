// The frame pacer: never more frames than its rate, and no sleep for a
// frame that took its period already.
#include "platform/FramePacer.h"

#include <gtest/gtest.h>

#include <ctime>

namespace
{
void busyFor(uint64_t micro)
{
    const uint64_t until = Platform::microseconds() + micro;
    while (Platform::microseconds() < until)
    {
    }
}

TEST(FramePacer, FramesComeNoFasterThanTheRate)
{
    Platform::CFramePacer pacer;
    pacer.setRate(200.0); // 5 ms a frame
    pacer.frameDone();
    const uint64_t start = Platform::microseconds();
    for (int frame = 0; frame < 10; ++frame)
        pacer.frameDone();
    // A busy machine may make it slower, never faster.
    EXPECT_GE(Platform::microseconds() - start, 10u * 5000u - 10u * 500u);
    EXPECT_GT(pacer.sleptMicroseconds(), 0u);
}

TEST(FramePacer, ASlowFrameIsNotFollowedBySleepOrCatchUp)
{
    Platform::CFramePacer pacer;
    pacer.setRate(200.0);
    pacer.frameDone();
    busyFor(8000); // longer than the period
    pacer.frameDone();
    EXPECT_EQ(pacer.sleptMicroseconds(), 0u);
}

TEST(FramePacer, RateZeroRunsFree)
{
    Platform::CFramePacer pacer;
    pacer.setRate(0.0);
    for (int frame = 0; frame < 100; ++frame)
        pacer.frameDone();
    EXPECT_EQ(pacer.sleptMicroseconds(), 0u);
    EXPECT_EQ(pacer.rate(), 0.0);
}
} // namespace
