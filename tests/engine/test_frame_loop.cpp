// The frame loop on the headless engine: clock arithmetic, skip frames,
// activity and the quit flag.
#include "Application.h"
#include "Log.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
class FrameLoop : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(gApp.setupHeadless()); }
    tq::TempDir dir;
};

TEST_F(FrameLoop, ClockAddsTruncatedMillisecondsButAtLeastOne)
{
    const uint32_t start = gApp.mGameClock;
    EXPECT_TRUE(gApp.frameStep(0.0167f));
    EXPECT_EQ(gApp.mFrameMs, 16);
    EXPECT_EQ(gApp.mGameClock - start, 16u);
    // Sub-millisecond frames still move the clock, so timers and fades go on
    // at very high frame rates.
    EXPECT_TRUE(gApp.frameStep(0.0009999f));
    EXPECT_EQ(gApp.mFrameMs, 1);
    EXPECT_EQ(gApp.mGameClock - start, 17u);
}

TEST_F(FrameLoop, ClockWrapsAtThirtyTwoBits)
{
    gApp.mGameClock = 0xFFFFFFF0u;
    gApp.frameStep(0.032f);
    EXPECT_EQ(gApp.mGameClock, 16u);
}

TEST_F(FrameLoop, FrameAfterLoadingStepDoesNothing)
{
    gApp.mSkipFrame = true;
    gApp.mQuit = true;
    const uint32_t start = gApp.mGameClock;
    EXPECT_TRUE(gApp.frameStep(0.5f));
    EXPECT_FALSE(gApp.mSkipFrame);
    EXPECT_EQ(gApp.mGameClock, start);
}

TEST_F(FrameLoop, QuitFlagEndsTheLoopAfterTheFramesWork)
{
    gApp.mQuit = true;
    const uint32_t start = gApp.mGameClock;
    EXPECT_FALSE(gApp.frameStep(0.0105f));
    EXPECT_EQ(gApp.mGameClock - start, 10u);
}
} // namespace
