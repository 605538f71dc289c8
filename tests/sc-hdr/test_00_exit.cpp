// The room exit: the camera code, the interface's 301, the cursor while the
// view flies, the answer to a script that asked for the exit, the camera
// condition, focus and the hint.
#include "00_exit.h"
#include "ZoneFixture.h"

namespace
{
using tq::Told;

class Exit00 : public tq::ZoneFixture
{
protected:
    CObject* exit(const std::string& name, const Params& extra = {})
    {
        Params params = {{"to_room", "3"}, {"to_cam", "2"}, {"hint", "12"}};
        params.insert(params.end(), extra.begin(), extra.end());
        return prop(name, "00_exit.sc", params);
    }
};

TEST_F(Exit00, ClickFliesToTheRoomCameraWithClicksOffUntilTheCameraAnswers)
{
    spies({"01_cam_move", "00_game_interface", "door"});
    CObject* door = exit("exit", {{"anim_script", "door"}, {"anim_msg", "55"}});
    engine.frame();

    watchCursor();
    engine.click(door);
    engine.frame();
    EXPECT_EQ(told("01_cam_move"), (Told{"8302 from exit"}));
    EXPECT_EQ(cursor(), "off");
    engine.frame();
    EXPECT_EQ(told("door"), (Told{"55 from exit"}));
    EXPECT_EQ(told("00_game_interface"), (Told{"301 from exit"}));

    // The camera's answer gives the clicks back and is not passed on.
    watchCursor();
    engine.notify(door, 8302, spy("01_cam_move"));
    engine.frames(2);
    EXPECT_EQ(cursor(), "on");
    EXPECT_TRUE(told("01_cam_move").empty());
    EXPECT_TRUE(told("door").empty());
    EXPECT_TRUE(told("00_game_interface").empty());
}

TEST_F(Exit00, ARequestIsAnsweredOnceWhenTheCameraHasFinished)
{
    spies({"01_cam_move", "00_game_interface", "room"});
    CObject* door = exit("exit");
    engine.frame();

    engine.notify(door, 100, spy("room"));
    engine.frame();
    EXPECT_EQ(told("01_cam_move"), (Told{"8302 from exit"}));
    EXPECT_TRUE(told("room").empty()); // not before the camera has finished

    engine.notify(door, 8302, spy("01_cam_move"));
    engine.frames(2);
    EXPECT_EQ(told("room"), (Told{"100 from exit"}));

    // A later click's flight answers nobody.
    engine.click(door);
    engine.frame();
    engine.notify(door, 8302, spy("01_cam_move"));
    engine.frames(2);
    EXPECT_TRUE(told("room").empty());
}

TEST_F(Exit00, TheCameraConditionGatesClicksRequestsAndFocus)
{
    spies({"01_cam_move", "00_game_interface", "00_hint", "room"});
    struct Case
    {
        const char* name;
        const char* curCamParam;
        int curCam;
        bool works;
    } cases[] = {{"exit_a", "5", 4, false}, {"exit_b", "5", 5, true}, {"exit_c", "0", 4, true}};
    for (const Case& c : cases)
        exit(c.name, {{"cur_cam", c.curCamParam}});
    engine.frame();
    CVirtualScript::setVarI("az_sparkle", 1);

    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CObject* door = gApp.findObject(c.name);
        CVirtualScript::setVarI("cur_cam", c.curCam);
        forgetTold();

        watchCursor();
        hover(door);
        EXPECT_EQ(cursor(), c.works ? "hotspot" : "");
        EXPECT_EQ(told("00_hint"), c.works ? (Told{"12 from " + std::string(c.name)}) : Told{});
        watchCursor();
        hover(nullptr);
        EXPECT_EQ(cursor(), c.works ? "normal" : "");
        EXPECT_EQ(told("00_hint"), c.works ? (Told{"100 from " + std::string(c.name)}) : Told{});

        engine.click(door);
        engine.notify(door, 100, spy("room"));
        engine.frame();
        EXPECT_EQ(told("01_cam_move").size(), c.works ? 2u : 0u);
        engine.frame();
        EXPECT_EQ(told("00_game_interface").size(), c.works ? 2u : 0u);

        // The camera's answer is handled whatever the camera: clicks come back.
        watchCursor();
        engine.notify(door, 8302, spy("01_cam_move"));
        engine.frames(2);
        EXPECT_EQ(cursor(), "on");
        EXPECT_EQ(told("room"), c.works ? (Told{"100 from " + std::string(c.name)}) : Told{});
    }
}

TEST_F(Exit00, WithoutSparkleTheCursorStaysAndTheHintStillShows)
{
    spies({"01_cam_move", "00_hint"});
    CObject* door = exit("exit");
    engine.frame();
    watchCursor();
    hover(door);
    EXPECT_EQ(cursor(), "");
    EXPECT_EQ(told("00_hint"), (Told{"12 from exit"}));
}

TEST_F(Exit00, MissingObjectsAreLoggedAndTheExitStillWorks)
{
    CObject* door = exit("exit", {{"anim_script", "no_such_door"}});
    engine.frame();
    const std::string log = engine.log();
    EXPECT_NE(log.find("\nWARNING: Can't find object [01_cam_move] by name!"), std::string::npos);
    EXPECT_NE(log.find("\nWARNING: Can't find object [no_such_door] by name!"), std::string::npos);

    watchCursor();
    engine.click(door);
    engine.frame();
    EXPECT_EQ(cursor(), "off");
    EXPECT_NE(engine.log().find("\nWARNING: Can't find object [00_game_interface] by name!"), std::string::npos);

    // With no camera mover, a notification without sender is no camera answer.
    watchCursor();
    mInput->setCursor(false);
    engine.notify(door, 8302);
    engine.frames(2);
    EXPECT_EQ(cursor(), "");
    EXPECT_FALSE(mInput->cursorOn());
}
} // namespace
