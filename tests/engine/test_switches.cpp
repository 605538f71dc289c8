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

TEST(Switches, AreReadAsSubstrings)
{
    const SwitchCase cases[] = {
        {"", -1, false, true, true, false},
        {"-record", 0, false, true, true, false},
        {"-play", 1, false, true, true, false},
        {"-record -play", 1, false, true, true, false},
        {"-play -record", 1, false, true, true, false},
        {"-logfile", -1, true, true, true, false},
        {"x-nosfxy -lowmem", -1, false, true, false, false},
        {"-setup -log", -1, true, true, true, true},
    };
    for (const SwitchCase& c : cases)
    {
        SCOPED_TRACE(c.line);
        CApplication app;
        app.readSwitches(c.line);
        EXPECT_EQ(app.mEventMode, c.eventMode);
        EXPECT_EQ(app.mLog, c.log);
        EXPECT_EQ(app.mLowMemory, c.lowMemory);
        EXPECT_EQ(app.mSound, c.sound);
        EXPECT_EQ(app.mSetupFlag, c.setup);
    }
}

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
