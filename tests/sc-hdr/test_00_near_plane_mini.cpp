// The zone into a puzzle panel with its real peers: the fader's two
// answers each way and its cut by the camera mover, the in-game interface's
// handshake (303, 2 on arrival, its back button's 1, the answer 1) and its
// task that waits for a solved panel (555, 999, the interface's back, 111),
// the pick mask and the forwarded codes.  The panel is a recorder: its own
// side meets the zone in the keypad's tests.
#include "00_fader.h"
#include "00_near_plane_mini.h"
#include "GInterfaceFixture.h"
#include "RealCameraMover.h"

namespace
{
using tq::RealCameraMover;
using tq::Told;

class NearPlaneMini00 : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        spies({"panel", "interface", "00_loader", "00_hint", "journal", "00_sfx_env", "00_movies"});
        material("interf/faderRtt");
        RealCameraMover::add(engine, 7);
        fader = prop("00_fader", "00_fader.sc");
        z = prop("lock_npm", "00_near_plane_mini.sc",
                 {{"cam_in_msg", "5305"}, {"cam_out_msg", "5101"}, {"minigame_script", "panel"}});
    }
    /// The interface up and play handed over.
    void play()
    {
        start();
        notify(555);
        notify(550);
        ticks(12);
        forgetTold();
    }

    /// Frames until the fader has covered the view (phase 1) or uncovered
    /// it again (phase 2), and the one in which its answer arrives.
    void fade(int phase)
    {
        engine.frames(2); // a request on its way reaches the fader
        auto* f = tq::HeadlessEngine::scriptOf<sc_00_fader>(fader);
        for (int i = 0; i < 100 && f->phase < phase; ++i)
            engine.frame(0.05f);
        engine.frames(2);
    }
    /// Into the panel by a click, up to the arrival.
    void enter()
    {
        engine.click(z);
        engine.frames(2);
        fade(1);
        fade(2);
        forgetTold();
    }
    void back()
    {
        gi->menuItemOnPress(3, GI::ID_BACK);
        engine.frames(2);
    }

    sc_00_near_plane_mini* script() { return tq::HeadlessEngine::scriptOf<sc_00_near_plane_mini>(z); }

    CObject* fader = nullptr;
    CObject* z = nullptr;
};

TEST_F(NearPlaneMini00, InToThePanelAndBackUnsolved)
{
    play();
    watchCursor();
    engine.click(z);
    engine.frames(2);
    // The interface took the 303 and holds the clicks until the arrival.
    EXPECT_EQ(cursor(), "off");
    EXPECT_EQ(gi->nearPlaneMini, h(z));
    EXPECT_EQ(gi->interfaceActive, 0);
    EXPECT_NE(engine.log().find("\nfly_in\n"), std::string::npos);

    fade(1); // covered: the view cut into the panel, the panel shows itself
    EXPECT_EQ(var("cur_room"), 3);
    EXPECT_EQ(var("cur_cam"), 5);
    EXPECT_EQ(told("panel"), (Told{"1 from lock_npm"}));
    EXPECT_EQ(script()->state, 1);
    fade(2); // the fade is over
    EXPECT_EQ(script()->state, 2);
    EXPECT_EQ(gApp.mPickMask, 2u);
    EXPECT_EQ(gi->interfaceActive, 1);
    EXPECT_EQ(told("panel"), (Told{"10 from lock_npm"}));
    // The arrival ends the interface's wait, which lets a paused panel go on.
    engine.frames(2);
    EXPECT_EQ(told("panel"), (Told{"1500"}));

    back();
    EXPECT_EQ(script()->state, 3);
    fade(1);
    EXPECT_EQ(var("cur_room"), 1);
    EXPECT_EQ(var("cur_cam"), 1);
    EXPECT_EQ(told("panel"), (Told{"2 from lock_npm"}));
    EXPECT_EQ(told("interface"), (Told{"5000"}));
    EXPECT_EQ(gi->interfaceActive, 0);
    fade(2);
    EXPECT_EQ(script()->state, 0);
    EXPECT_EQ(gApp.mPickMask, 1u);
    EXPECT_EQ(gi->interfaceActive, 1); // the zone's answer 1
    EXPECT_TRUE(visible(z)); // unsolved: still there and clickable

    engine.click(z);
    engine.frames(2);
    EXPECT_EQ(script()->state, 1);
}

TEST_F(NearPlaneMini00, ASolvedPanelEndsTheInterfacesTaskAndHidesTheZone)
{
    start();
    gi->threadAdd();
    gi->taskAddNearPlaneMini("lock_npm", 1, 1, 1);
    gi->taskAddSetParam("panel_done", 1);
    notify(555);
    notify(550);
    ticks(12);
    forgetTold();
    enter();

    // Only the panel's own 555 in state 2 counts.
    engine.notify(z, 555, spy("interface"));
    engine.notify(z, 555);
    engine.frames(2);
    EXPECT_EQ(script()->finished, 0);
    EXPECT_EQ(script()->state, 2);
    engine.notify(z, 555, spy("panel"));
    engine.frames(3);
    // The interface takes the 999 as its back button: the zone flies out.
    EXPECT_EQ(script()->finished, 1);
    EXPECT_EQ(script()->state, 3);
    fade(1);
    EXPECT_FALSE(visible(z));
    fade(2);
    EXPECT_EQ(script()->state, 0);
    // The zone's 111 ended the interface's task.
    EXPECT_EQ(var("panel_done"), 1);
    EXPECT_FALSE(visible(z));
}

TEST_F(NearPlaneMini00, TheInterfacesTaskShowsTheZoneAgain)
{
    // A solved zone is hidden until a task of the interface wants it again.
    start();
    gi->threadAdd();
    gi->taskAddNearPlaneMini("lock_npm", 1, 1, 1);
    script()->finished = 1;
    z->getNode()->setVisible(false);
    notify(555);
    notify(550);
    engine.frames(3);
    EXPECT_TRUE(visible(z));
    EXPECT_EQ(script()->finished, 0);

    // 111 from anyone else changes nothing.
    z->getNode()->setVisible(false);
    engine.notify(z, 111, spy("panel"));
    engine.frames(2);
    EXPECT_FALSE(visible(z));
}

TEST_F(NearPlaneMini00, EntriesWithoutAClickAndClicksThatDoNothing)
{
    play();
    // While an item is dragged a click does nothing.
    CVirtualScript::setConfigI("drag_item", 301);
    engine.click(z);
    engine.frames(2);
    EXPECT_EQ(script()->state, 0);
    CVirtualScript::setConfigI("drag_item", 0);

    // 444 (the interface opening a saved game's panel again) goes in
    // without the interface's 303.
    engine.notify(z, 444);
    engine.frames(2);
    EXPECT_EQ(script()->state, 1);
    EXPECT_EQ(gi->nearPlaneMini, 0u);
    fade(1);
    fade(2);
    EXPECT_EQ(script()->state, 2);
    engine.click(z); // not in state 0
    engine.frames(2);
    EXPECT_EQ(script()->state, 2);

    // Only a code 1 from some script brings the view back.
    engine.notify(z, 1, spy("panel"));
    engine.frames(2);
    EXPECT_EQ(script()->state, 3);

    // 2000 starts it with the interface's 303.
    fade(1);
    fade(2);
    EXPECT_EQ(script()->state, 0);
    engine.notify(z, 2000);
    engine.frames(2);
    EXPECT_EQ(gi->nearPlaneMini, h(z));
    EXPECT_NE(engine.log().find("\n start near plane mini"), std::string::npos);
}

TEST_F(NearPlaneMini00, PauseResumeAndHintRequestsGoToThePanel)
{
    play();
    enter();
    // The arrival ends the interface's wait, which lets a paused panel go
    // on; then the interface's own buttons: the instruction button asks for
    // the panel's hint, the in-game menu pauses it.
    engine.frames(2);
    EXPECT_EQ(told("panel"), (Told{"1500"}));
    gi->menuItemOnPress(0, GI::ID_INSTRUCTION);
    engine.frames(2);
    gi->menuItemOnPress(0, GI::ID_MENU);
    engine.frames(2);
    EXPECT_EQ(told("panel"), (Told{"2010", "1400"}));
}

TEST_F(NearPlaneMini00, FocusFromItsCameraWithTheSparkle)
{
    CObject* other = prop("other_npm", "00_near_plane_mini.sc", {{"cur_cam", "3"}});
    play();
    CVirtualScript::setVarI("az_sparkle", 1);
    CVirtualScript::setVarI("cur_cam", 2);
    struct Case
    {
        CObject* zone;
        const char* focus;
        const char* kill;
    } cases[] = {{z, "hotspot", "normal"}, {other, "", ""}};
    for (const Case& c : cases)
    {
        watchCursor();
        hover(c.zone);
        EXPECT_EQ(cursor(), c.focus);
        watchCursor();
        hover(nullptr);
        EXPECT_EQ(cursor(), c.kill);
    }
}
} // namespace
