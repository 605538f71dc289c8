// The room exit with the real camera mover: the camera code, the
// interface's 301, the cursor while the view flies, the answer to a script
// that asked for the exit, the camera condition, focus and the hint.
#include "00_exit.h"
#include "RealCameraMover.h"
#include "ZoneFixture.h"

namespace
{
using tq::RealCameraMover;
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
    /// The spies, then the real camera mover in location 2.
    void room(std::initializer_list<const char*> names)
    {
        spies(names);
        RealCameraMover::add(engine);
    }
    static int var(const char* name) { return CVirtualScript::getVarI(name); }
};

TEST_F(Exit00, ClickFliesToTheRoomCameraWithClicksOffUntilTheCameraAnswers)
{
    room({"00_game_interface", "door"});
    CObject* door = exit("exit", {{"anim_script", "door"}, {"anim_msg", "55"}});
    engine.frame();

    watchCursor();
    engine.click(door);
    engine.frame();
    EXPECT_TRUE(RealCameraMover::moving()); // 8302: room 3, camera 2
    EXPECT_EQ(var("cur_room"), 3);
    EXPECT_EQ(var("cur_cam"), 2);
    EXPECT_EQ(cursor(), "off");
    engine.frame();
    EXPECT_EQ(told("door"), (Told{"55 from exit"}));
    EXPECT_EQ(told("00_game_interface"), (Told{"301 from exit"}));

    // No clicks while the view flies; the mover's answer at the end gives
    // them back and is not passed on.
    engine.frames(10, 0.05f);
    EXPECT_EQ(cursor(), "off");
    RealCameraMover::finish(engine);
    EXPECT_FALSE(RealCameraMover::moving());
    EXPECT_EQ(cursor(), "on");
    EXPECT_TRUE(told("door").empty());
    EXPECT_TRUE(told("00_game_interface").empty());
}

TEST_F(Exit00, ARequestIsAnsweredOnceWhenTheCameraHasFinished)
{
    room({"00_game_interface", "asker"});
    CObject* door = exit("exit");
    engine.frame();

    engine.notify(door, 100, spy("asker"));
    engine.frame();
    EXPECT_TRUE(RealCameraMover::moving());
    EXPECT_EQ(var("cur_room"), 3);
    engine.frames(10, 0.05f);
    EXPECT_TRUE(told("asker").empty()); // not before the camera has finished

    RealCameraMover::finish(engine);
    EXPECT_EQ(told("asker"), (Told{"100 from exit"}));

    // A later click's flight answers nobody.
    engine.click(door);
    engine.frame();
    EXPECT_TRUE(RealCameraMover::moving());
    RealCameraMover::finish(engine);
    EXPECT_FALSE(RealCameraMover::moving());
    EXPECT_TRUE(told("asker").empty());
}

TEST_F(Exit00, TheCameraConditionGatesClicksRequestsAndFocus)
{
    room({"00_game_interface", "00_hint", "asker"});
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
        const std::string from = " from " + std::string(c.name);
        forgetTold();

        // Each way in starts from room 1 at the case's camera.
        for (int request = 0; request < 2; ++request)
        {
            CVirtualScript::setVarI("cur_room", 1);
            CVirtualScript::setVarI("cur_cam", c.curCam);
            if (request == 0)
            {
                watchCursor();
                hover(door);
                EXPECT_EQ(cursor(), c.works ? "hotspot" : "");
                EXPECT_EQ(told("00_hint"), c.works ? (Told{"12" + from}) : Told{});
                watchCursor();
                hover(nullptr);
                EXPECT_EQ(cursor(), c.works ? "normal" : "");
                EXPECT_EQ(told("00_hint"), c.works ? (Told{"100" + from}) : Told{});
                engine.click(door);
            }
            else
            {
                engine.notify(door, 100, spy("asker"));
            }
            watchCursor();
            engine.frames(2);
            EXPECT_EQ(RealCameraMover::moving(), c.works);
            EXPECT_EQ(told("00_game_interface"), c.works ? (Told{"301" + from}) : Told{});
            RealCameraMover::finish(engine);
            EXPECT_EQ(cursor(), c.works ? "on" : "");
        }
        EXPECT_EQ(told("asker"), c.works ? (Told{"100" + from}) : Told{});
    }
}

TEST_F(Exit00, WithoutSparkleTheCursorStaysAndTheHintStillShows)
{
    room({"00_hint"});
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
