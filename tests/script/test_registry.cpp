// The script registry: the 172 names, exact and case-sensitive, and what a
// registered script is.
#include "CodeScript.h"
#include "ScriptRegistry.h"
#include "00_ginterface.h"
#include "04_minigame_08.h"
#include "msg.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace
{
TEST(Registry, EveryRegisteredNameBuildsAnIndependentCodeScript)
{
    ASSERT_EQ(ScriptRegistry::count(), 172);
    std::set<std::string> names;
    for (int i = 0; i < ScriptRegistry::count(); ++i)
    {
        const std::string name = ScriptRegistry::nameAt(i);
        SCOPED_TRACE(name);
        EXPECT_EQ(name.substr(name.size() - 3), ".sc");
        EXPECT_TRUE(names.insert(name).second) << "registered twice";
        std::unique_ptr<CVirtualScript> first(createScriptByName(name));
        std::unique_ptr<CVirtualScript> second(createScriptByName(name));
        ASSERT_NE(first, nullptr);
        EXPECT_NE(first.get(), second.get());
        EXPECT_NE(dynamic_cast<CodeScript*>(first.get()), nullptr);
        EXPECT_EQ(first->getOwner(), 0u);
        EXPECT_EQ(first->mVersion, 4);
    }
    EXPECT_EQ(ScriptRegistry::nameAt(172), nullptr);
}

TEST(Registry, TheNamesAreThoseOfTheGame)
{
    // Spot checks across every group of the table, spelled as the data does.
    const char* const names[] = {"msg.sc", "00_msg.sc", "00_loader.sc", "00_fader.sc", "rttview.sc",
                                 "00_ginterface.sc", "02_cam_move.sc", "04_05_game_KodLarec_Door.sc",
                                 "04_minigame_08.sc", "06_minigame_131.sc", "07_papirus.sc",
                                 "00_billbord_depth_glow.sc"};
    for (const char* name : names)
    {
        std::unique_ptr<CVirtualScript> script(createScriptByName(name));
        EXPECT_NE(script, nullptr) << name;
    }
}

TEST(Registry, OnlyExactNamesAreFound)
{
    const char* const names[] = {"00_Fader.sc", "00_fader", "00_fader.SC", " 00_fader.sc", "00_fader.sc ",
                                 "00_fader.scene", "00_*.sc", "", "04_05_game_kodlarec_door.sc", "MSG.sc"};
    for (const char* name : names)
        EXPECT_EQ(createScriptByName(name), nullptr) << name;
}

TEST(Registry, MsgHoldsItsSixConstantsAndIgnoresEveryMessage)
{
    std::unique_ptr<CVirtualScript> script(createScriptByName("msg.sc"));
    sc_msg* msg = dynamic_cast<sc_msg*>(script.get());
    ASSERT_NE(msg, nullptr);
    const int values[] = {msg->mCamCommonPlaneA, msg->mCamCommonPlaneB, msg->mFadeAccelerate,
                          msg->mFadeEnableAccel, msg->mNearPlaneMax, msg->mNearPlaneMin};
    const int expected[] = {7770, 7771, 2222, 2223, 6700, 6100};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(values[i], expected[i]) << i;
}

TEST(Registry, LargeScriptsStaySmallUntilTheyUseTheirTables)
{
    // Allocated whole, these two would hold tens to hundreds of megabytes of
    // empty records for the whole game; their tables grow with use instead.
    EXPECT_LT(sizeof(sc_00_ginterface), 1u << 20);
    EXPECT_LT(sizeof(sc_04_minigame_08), 1u << 20);
    std::unique_ptr<CVirtualScript> big(createScriptByName("00_ginterface.sc"));
    std::unique_ptr<CVirtualScript> game(createScriptByName("04_minigame_08.sc"));
    EXPECT_NE(big, nullptr);
    EXPECT_NE(game, nullptr);
}
} // namespace
