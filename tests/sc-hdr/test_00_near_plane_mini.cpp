// The zone into a puzzle panel: the fader's two answers each way, the
// interface's handshake (303, 2 on arrival, back control 1, answer 1), the
// pick mask, a solved panel (555, 999, 111) and the forwarded codes.
#include "00_near_plane_mini.h"
#include "ZoneFixture.h"

namespace
{
using tq::Told;

class NearPlaneMini00 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        spies({"00_fader", "00_game_interface", "panel", "interface"});
        z = prop("lock_npm", "00_near_plane_mini.sc",
                 {{"cam_in_msg", "5305"}, {"cam_out_msg", "5101"}, {"minigame_script", "panel"}});
        engine.frame();
    }

    void fader(int code)
    {
        engine.notify(z, code, spy("00_fader"));
        engine.frames(2);
    }

    /// Into the panel by a click, up to the arrival.
    void enter()
    {
        engine.click(z);
        engine.frames(2);
        fader(100);
        fader(5305);
        forgetTold();
    }

    sc_00_near_plane_mini* script() { return tq::HeadlessEngine::scriptOf<sc_00_near_plane_mini>(z); }

    CObject* z = nullptr;
};

TEST_F(NearPlaneMini00, InToThePanelAndBackUnsolved)
{
    watchCursor();
    engine.click(z);
    engine.frames(2);
    EXPECT_EQ(cursor(), "normal");
    EXPECT_EQ(told("00_game_interface"), (Told{"303 from lock_npm"}));
    EXPECT_EQ(told("00_fader"), (Told{"5305 from lock_npm"}));
    EXPECT_NE(engine.log().find("\nfly_in\n"), std::string::npos);

    fader(100); // covered: the panel shows itself
    EXPECT_EQ(told("panel"), (Told{"1 from lock_npm"}));
    EXPECT_EQ(script()->state, 1);
    fader(5305); // the fade is over
    EXPECT_EQ(script()->state, 2);
    EXPECT_EQ(gApp.mPickMask, 2u);
    EXPECT_EQ(told("00_game_interface"), (Told{"2 from lock_npm"}));
    EXPECT_EQ(told("panel"), (Told{"10 from lock_npm"}));

    engine.notify(z, 1, spy("00_game_interface"));
    engine.frames(2);
    EXPECT_EQ(told("00_fader"), (Told{"5101 from lock_npm"}));
    fader(100);
    EXPECT_EQ(told("panel"), (Told{"2 from lock_npm"}));
    EXPECT_EQ(told("interface"), (Told{"5000"}));
    EXPECT_TRUE(told("00_game_interface").empty());
    fader(5101);
    EXPECT_EQ(script()->state, 0);
    EXPECT_EQ(gApp.mPickMask, 1u);
    EXPECT_EQ(told("00_game_interface"), (Told{"1 from lock_npm"}));
    EXPECT_TRUE(visible(z)); // unsolved: still there and clickable

    engine.click(z);
    engine.frames(2);
    EXPECT_EQ(told("00_fader"), (Told{"5305 from lock_npm"}));
}

TEST_F(NearPlaneMini00, ASolvedPanelHidesTheZoneUntilTheInterfaceResetsIt)
{
    enter();
    // Only the panel's own 555 in state 2 counts.
    engine.notify(z, 555, spy("interface"));
    engine.notify(z, 555);
    engine.frames(2);
    EXPECT_TRUE(told("00_game_interface").empty());
    engine.notify(z, 555, spy("panel"));
    engine.frames(2);
    EXPECT_EQ(told("00_game_interface"), (Told{"999"}));

    engine.notify(z, 1, spy("00_game_interface"));
    engine.frames(2);
    fader(100);
    EXPECT_EQ(told("00_game_interface"), (Told{"111 from lock_npm"}));
    EXPECT_FALSE(visible(z));
    fader(5101);

    // 111 from anyone else changes nothing; from the interface it resets.
    engine.notify(z, 111, spy("panel"));
    engine.frames(2);
    EXPECT_FALSE(visible(z));
    engine.notify(z, 111, spy("00_game_interface"));
    engine.frames(2);
    EXPECT_TRUE(visible(z));
    EXPECT_EQ(script()->finished, 0);
}

TEST_F(NearPlaneMini00, EntriesWithoutAClickAndClicksThatDoNothing)
{
    // While an item is dragged a click does nothing.
    CVirtualScript::setConfigI("drag_item", 301);
    engine.click(z);
    engine.frames(2);
    EXPECT_TRUE(told("00_fader").empty());
    CVirtualScript::setConfigI("drag_item", 0);

    // 444 goes in without the interface's back control.
    engine.notify(z, 444);
    engine.frames(2);
    EXPECT_EQ(told("00_fader"), (Told{"5305 from lock_npm"}));
    EXPECT_TRUE(told("00_game_interface").empty());
    fader(100);
    fader(5305);
    EXPECT_EQ(script()->state, 2);
    engine.click(z); // not in state 0
    engine.frames(2);
    EXPECT_TRUE(told("00_fader").empty());

    // Only a code 1 from some script brings the view back.
    engine.notify(z, 1, spy("panel"));
    engine.frames(2);
    EXPECT_EQ(told("00_fader"), (Told{"5101 from lock_npm"}));

    // 2000 starts it with the back control.
    fader(100);
    fader(5101);
    forgetTold();
    engine.notify(z, 2000);
    engine.frames(2);
    EXPECT_EQ(told("00_game_interface"), (Told{"303 from lock_npm"}));
    EXPECT_NE(engine.log().find("\n start near plane mini"), std::string::npos);
}

TEST_F(NearPlaneMini00, PauseResumeAndHintRequestsGoToThePanel)
{
    for (int code : {1400, 1500, 2010})
        engine.notify(z, code, spy("00_game_interface"));
    engine.frames(2);
    EXPECT_EQ(told("panel"), (Told{"1400", "1500", "2010"}));
}

TEST_F(NearPlaneMini00, FocusFromItsCameraWithTheSparkle)
{
    CObject* other = prop("other_npm", "00_near_plane_mini.sc", {{"cur_cam", "3"}});
    engine.frame();
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
