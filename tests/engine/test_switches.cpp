// The command-line switches are found as substrings anywhere in the line.
#include "Application.h"

#include <gtest/gtest.h>

namespace
{
struct SwitchCase
{
    const char* line;
    int eventMode;
    bool log, lowMemory, sound, setup;
};

class Switches : public ::testing::TestWithParam<SwitchCase>
{
};

TEST_P(Switches, AreReadAsSubstrings)
{
    const SwitchCase& c = GetParam();
    CApplication app;
    app.readSwitches(c.line);
    EXPECT_EQ(app.mEventMode, c.eventMode) << c.line;
    EXPECT_EQ(app.mLog, c.log) << c.line;
    EXPECT_EQ(app.mLowMemory, c.lowMemory) << c.line;
    EXPECT_EQ(app.mSound, c.sound) << c.line;
    EXPECT_EQ(app.mSetupFlag, c.setup) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Switches,
    ::testing::Values(SwitchCase{"", -1, false, true, true, false},
                      SwitchCase{"-record", 0, false, true, true, false},
                      SwitchCase{"-play", 1, false, true, true, false},
                      SwitchCase{"-record -play", 1, false, true, true, false},
                      SwitchCase{"-play -record", 1, false, true, true, false},
                      SwitchCase{"-logfile", -1, true, true, true, false},
                      SwitchCase{"x-nosfxy -lowmem", -1, false, true, false, false},
                      SwitchCase{"-setup -log", -1, true, true, true, true}));

TEST(Switches, FlagsFollowTheirSwitches)
{
    CApplication app;
    app.readSwitches("-screens -info -trace -cheats -notex -lowvideomem -nops20");
    EXPECT_TRUE(app.mScreenshots);
    EXPECT_TRUE(app.mInfo);
    EXPECT_TRUE(app.mTrace);
    EXPECT_TRUE(app.mCheats);
    EXPECT_TRUE(app.mNoTextures);
    EXPECT_TRUE(app.mLowVideoMemory);
    EXPECT_TRUE(app.mNoPostEffects);

    CApplication plain;
    plain.readSwitches("");
    EXPECT_FALSE(plain.mScreenshots);
    EXPECT_FALSE(plain.mInfo);
    EXPECT_FALSE(plain.mTrace);
    EXPECT_FALSE(plain.mCheats);
    EXPECT_FALSE(plain.mNoTextures);
    EXPECT_FALSE(plain.mLowVideoMemory);
}
} // namespace
