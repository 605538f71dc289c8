// The automated player's own machinery on the headless engine, on a small
// world of plates in front of the "default" camera: walkthrough files are
// read or refused with their line, clicks are found by projecting bounds
// and checking picking, reach the scripts through the input layer as
// button messages, and every failing step names itself.
#include "../engine/PickingFixture.h"
#include "GamePlayer.h"
#include "Log.h"
#include "VirtualScript.h"
#include "Walkthrough.h"

#include <gtest/gtest.h>

namespace
{
using tq::RecordingScript;

TEST(Walkthrough, ReadsStepsWithBudgetsAndMarksAndRefusesBadLinesByNumber)
{
    tq::Walkthrough walk;
    ASSERT_TRUE(walk.parse("# the hangar\n"
                           "camera 3\n"
                           "\n"
                           "pick 01_az_otvertka   # the screwdriver\n"
                           "use 101 01_az_vint_01 budget=40\n"
                           "mark half\n"
                           "skip\n",
                           "01.txt"))
        << walk.error;
    ASSERT_EQ(walk.steps.size(), 5u);
    EXPECT_EQ(walk.steps[1].verb, "pick");
    EXPECT_EQ(walk.steps[1].line, 4);
    EXPECT_EQ(walk.where(walk.steps[1]), "01.txt:4 'pick 01_az_otvertka'");
    EXPECT_EQ(walk.steps[2].args, (std::vector<std::string>{"101", "01_az_vint_01"}));
    EXPECT_EQ(walk.steps[2].budget, 40);
    EXPECT_EQ(walk.markIndex("half"), 3);
    EXPECT_EQ(walk.markIndex("end"), -1);

    const struct
    {
        const char* text;
        const char* error;
    } bad[] = {
        {"click a\njump b\n", "x.txt:2 'jump b': unknown action 'jump'"},
        {"use 101\n", "x.txt:1 'use 101': 'use' takes 2 argument(s)"},
        {"\n\nskip now\n", "x.txt:3 'skip now': 'skip' takes 0 argument(s)"},
    };
    for (const auto& row : bad)
    {
        EXPECT_FALSE(walk.parse(row.text, "x.txt")) << row.text;
        EXPECT_EQ(walk.error, row.error);
    }
    EXPECT_FALSE(walk.load("/nonexistent/01.txt"));
    EXPECT_NE(walk.error.find("cannot read"), std::string::npos);
}

TEST(Walkthrough, EveryLocationsWalkthroughReadsAndEndsOnTheNextLocation)
{
    for (const char* file : {"01.txt", "02.txt"})
    {
        tq::Walkthrough walk;
        ASSERT_TRUE(walk.load(std::string(TQ_TEST_SOURCE_DIR) + "/../data/walkthrough/" + file)) << walk.error;
        EXPECT_GT(walk.markIndex("half"), 0) << file;
        ASSERT_FALSE(walk.steps.empty());
        const tq::WalkStep& last = walk.steps.back();
        EXPECT_EQ(last.text.compare(0, 12, "wait cur_loc"), 0) << file << " ends with " << last.text;
    }
}

class GamePlayerOnPlates : public ::testing::Test
{
protected:
    GamePlayerOnPlates()
        : player([this] {
              world.update();
              world.engine.frame(1.0f / 30.0f);
          })
    {
    }
    tq::PickingWorld world;
    tq::GamePlayer player;
};

TEST_F(GamePlayerOnPlates, ClicksAPartlyHiddenPlateThroughTheInputLayerWhereverPickingFindsIt)
{
    // The back plate's middle lies behind the front plate: only its right
    // part shows.
    world.plate("front", 0.0f, 0.0f, -9.0f);
    CObject* back = world.plate("back", 1.5f, 0.0f, -10.0f);
    tq::Walkthrough walk;
    ASSERT_TRUE(walk.parse("click back\n", "plates.txt"));
    RecordingScript::calls().clear();

    ASSERT_TRUE(player.play(walk)) << player.error();

    const std::vector<std::string> calls = RecordingScript::callsOf("back");
    auto has = [&](const std::string& prefix) {
        for (const std::string& c : calls)
            if (c.compare(0, prefix.size(), prefix) == 0)
                return true;
        return false;
    };
    EXPECT_TRUE(has("ON_LBUTTONDOWN(")) << ::testing::PrintToString(calls);
    EXPECT_TRUE(has("ON_LBUTTONUP("));
    for (const std::string& c : RecordingScript::callsOf("front"))
        EXPECT_EQ(c.find("LBUTTON"), std::string::npos) << c;
    // The cursor rests where picking found the back plate: right of the front one.
    EXPECT_EQ(gApp.mHovered, back);
    EXPECT_GT(gApp.mInput->mCursorX, 0.5f);
}

TEST_F(GamePlayerOnPlates, EveryFailingStepSaysWhichStepAndWhatItWaitedFor)
{
    world.plate("front", 0.0f, 0.0f, -9.0f);
    world.plate("behind_camera", 0.0f, 0.0f, 10.0f);
    CVirtualScript::setVarI("cur_room", 1);
    const struct
    {
        const char* line;
        const char* error;
    } cases[] = {
        {"click nothing_here\n", "w.txt:1 'click nothing_here': waited 900 frames"},
        {"click behind_camera budget=5\n", "behind_camera is not in view of camera"},
        {"wait door@open 1 budget=12\n", "w.txt:1 'wait door@open 1 budget=12': waited 12 frames (0.4 s of game time) for "
                                         "door@open to be 1"},
        {"use 101 front budget=5\n", "item 101 is not in the inventory"},
        {"camera 9\n", "w.txt:1 'camera 9': no zone of room 1 flies into camera 9"},
        {"room 3\n", "w.txt:1 'room 3': no exit of room 1 leads to room 3"},
    };
    for (const auto& row : cases)
    {
        tq::GamePlayer fresh([this] {
            world.update();
            world.engine.frame(1.0f / 30.0f);
        });
        tq::Walkthrough walk;
        ASSERT_TRUE(walk.parse(row.line, "w.txt")) << walk.error;
        EXPECT_FALSE(fresh.play(walk)) << row.line;
        EXPECT_NE(fresh.error().find(row.error), std::string::npos) << fresh.error();
        EXPECT_EQ(fresh.error().compare(0, 6, "w.txt:"), 0) << fresh.error();
    }
}

TEST_F(GamePlayerOnPlates, AForbiddenLogLineFailsTheStepDuringWhichItAppears)
{
    world.plate("front", 0.0f, 0.0f, -9.0f);
    tq::Walkthrough walk;
    ASSERT_TRUE(walk.parse("click front\nclick front\n", "w.txt"));
    Log::captureBegin();
    player = tq::GamePlayer([this] {
        world.update();
        world.engine.frame(1.0f / 30.0f);
        // Something the game complains about once the flag is set.
        if (CVirtualScript::getVarI("flag") == 1 && Log::captured().find("Can't find") == std::string::npos)
            Log::print("\nWARNING: Can't find object [%s] by name!", "01_az_angar");
    });
    ASSERT_TRUE(player.perform(walk, walk.steps[0])) << player.error();
    CVirtualScript::setVarI("flag", 1);
    EXPECT_FALSE(player.perform(walk, walk.steps[1]));
    EXPECT_EQ(player.error(), "w.txt:2 'click front': the log says: WARNING: Can't find object [01_az_angar] by name!");
}
} // namespace
