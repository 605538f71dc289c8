// The near-plane zone with its real peers: the flight into the close-up and
// back by the camera mover, with the in-game interface's handshake (300, 2
// at black, 304, its back button's 1, the answer 1), the loader's black
// moments, the near objects, the dialog player, the lock, the hide
// conditions and the zone's own code.
#include "00_near_plane_zone.h"
#include "GInterfaceFixture.h"
#include "RealCameraMover.h"
#include "RealLoader.h"

namespace
{
using tq::RealCameraMover;
using tq::Told;

class NearPlaneZone00 : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        spies({"00_movies", "00_hint", "interface", "journal", "00_sfx_env", "drawer", "lid"});
        loader = tq::RealLoader::add(engine);
        RealCameraMover::add(engine, 7);
        prop("02_dialogs", "02_dialogs.sc");
        coin = prop("coin");
        key = prop("key");
        coin->getNode()->setVisible(false);
        key->getNode()->setVisible(false);
    }

    CObject* zone(const std::string& name, const Params& extra = {})
    {
        Params params = {{"cam_in", "3"}, {"cam_out", "1"}, {"open_obj_00_name", "coin"},
                         {"open_obj_01_name", "key"}, {"hint", "50"}};
        params.insert(params.end(), extra.begin(), extra.end());
        return prop(name, "00_near_plane_zone.sc", params);
    }
    static sc_00_near_plane_zone* script(CObject* z) { return tq::HeadlessEngine::scriptOf<sc_00_near_plane_zone>(z); }

    /// The interface up and play handed over; the zones made before are
    /// created with it.
    void play()
    {
        start();
        notify(555);
        notify(550);
        ticks(12);
        forgetTold();
    }
    /// Frames until the loader's black and the one in which the zone
    /// takes its answer; the flight is still under way.
    void untilBlack()
    {
        for (int i = 0; i < 100 && !tq::RealLoader::black(loader); ++i)
            engine.frame(0.05f);
        engine.frame(0.05f);
    }
    /// Frames until the flight has ended and the mover's answer arrived.
    void arrive() { RealCameraMover::finish(engine); }
    /// The player presses the interface's back button.
    void back()
    {
        gi->menuItemOnPress(3, GI::ID_BACK);
        engine.frames(2);
    }

    CObject* loader = nullptr;
    CObject* coin = nullptr;
    CObject* key = nullptr;
};

TEST_F(NearPlaneZone00, FliesInAndOutWithTheInterfaceHandshake)
{
    CObject* z = zone("table_zone", {{"anim_script", "drawer"}, {"anim_script2", "lid"}, {"anim_open_msg", "11"},
                                     {"anim_open_msg2", "12"}, {"anim_open_msg_black", "13"},
                                     {"anim_close_msg", "21"}, {"anim_close_msg2", "22"},
                                     {"anim_close_msg_black", "23"}, {"sound_open", "501"},
                                     {"sound_close", "502"}});
    play();

    watchCursor();
    engine.click(z);
    engine.frame();
    EXPECT_EQ(cursor(), "normal");
    EXPECT_FALSE(visible(z));
    engine.frame();
    EXPECT_TRUE(RealCameraMover::moving()); // 6103: into camera 3
    EXPECT_EQ(var("cur_cam"), 3);
    // The interface took the 300: back button, waiting for the zone's 2.
    EXPECT_EQ(gi->nearPlaneObj, h(z));
    EXPECT_EQ(gi->interfaceActive, 0);
    EXPECT_EQ(told("drawer"), (Told{"11 from table_zone"}));
    EXPECT_EQ(told("lid"), (Told{"12 from table_zone"}));
    EXPECT_EQ(told("00_movies"), (Told{"100", "501", "501"})); // the flight's, then once for each animated object

    // Black: the camera finishes at once, the near objects appear, the
    // interface gets its 2.
    untilBlack();
    EXPECT_EQ(script(z)->state, 1);
    EXPECT_TRUE(visible(coin));
    EXPECT_TRUE(visible(key));
    engine.frames(2);
    EXPECT_EQ(told("drawer"), (Told{"13 from table_zone"}));
    EXPECT_EQ(gi->interfaceActive, 1);

    arrive();
    EXPECT_FALSE(RealCameraMover::moving());
    EXPECT_EQ(script(z)->state, 2);

    // The back button.
    back();
    EXPECT_TRUE(RealCameraMover::moving()); // 6201: out to camera 1
    EXPECT_FALSE(visible(coin));
    EXPECT_FALSE(visible(key));
    engine.frame();
    EXPECT_EQ(var("cur_cam"), 1);
    EXPECT_EQ(told("00_movies"), (Told{"100", "502"}));
    EXPECT_EQ(told("drawer"), (Told{"21 from table_zone"}));
    EXPECT_EQ(told("lid"), (Told{"22 from table_zone"}));

    untilBlack();
    EXPECT_EQ(script(z)->state, 3);

    arrive();
    EXPECT_EQ(told("drawer"), (Told{"23 from table_zone"}));
    EXPECT_EQ(script(z)->state, 0);
    // The zone's answer 1 gives the interface back.
    EXPECT_EQ(gi->interfaceActive, 1);
    EXPECT_EQ(gi->nearPlaneObj, 0u);
    // Without hide conditions they count as held: the zone stays hidden.
    EXPECT_FALSE(visible(z));
}

TEST_F(NearPlaneZone00, NearObjectsAppearAtBlackOrOnArrivalUnlessTaken)
{
    struct Case
    {
        const char* name;
        const char* afterZoomIn;
        const char* takenState;  ///< "@..." set on the key, or ""
        bool atBlack;            ///< the coin shows at the black moment
        bool keyShows;
    } cases[] = {
        {"z_black", "0", "", true, true},
        {"z_arrival", "1", "", false, true},
        {"z_picked", "0", "@picked", true, false},
        {"z_clicked", "0", "@clicked", true, false},
        {"z_used", "1", "@used", false, false},
    };
    for (const Case& c : cases)
        zone(c.name, {{"show_obj_after_zoomin", c.afterZoomIn}});
    play();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CObject* z = gApp.findObject(c.name);
        coin->getNode()->setVisible(false);
        key->getNode()->setVisible(false);
        CVirtualScript::setVarI("key@picked", 0);
        CVirtualScript::setVarI("key@clicked", 0);
        CVirtualScript::setVarI("key@used", 0);
        if (*c.takenState)
            CVirtualScript::setVarI(std::string("key") + c.takenState, 1);

        engine.notify(z, 555); // flies in from any state
        engine.frames(2);
        untilBlack();
        EXPECT_EQ(visible(coin), c.atBlack);
        arrive();
        EXPECT_TRUE(visible(coin));
        EXPECT_EQ(visible(key), c.keyShows);
        back();
        EXPECT_FALSE(visible(coin));
        arrive();
        EXPECT_EQ(script(z)->state, 0);
    }
}

TEST_F(NearPlaneZone00, DialogsBeforeTheFirstFlightAndOnTheFirstArrival)
{
    // Dialogs the player does not have: it answers at once, with a warning.
    CObject* z = zone("z", {{"dlg_id", "7040"}, {"dlg_id_near", "7041"}});
    play();

    engine.click(z);
    engine.frame();
    EXPECT_FALSE(RealCameraMover::moving()); // not before the dialog has answered
    engine.frames(2);
    EXPECT_NE(engine.log().find("there is no dialog 7040"), std::string::npos);
    EXPECT_TRUE(RealCameraMover::moving());
    EXPECT_EQ(engine.log().find("there is no dialog 7041"), std::string::npos);
    untilBlack();
    arrive();
    EXPECT_NE(engine.log().find("there is no dialog 7041"), std::string::npos);
    back();
    arrive();

    // The second visit: no dialog before, none on arrival.
    engine.clearLog();
    engine.click(z);
    engine.frames(2);
    EXPECT_TRUE(RealCameraMover::moving());
    untilBlack();
    arrive();
    EXPECT_EQ(script(z)->state, 2);
    EXPECT_EQ(engine.log().find("there is no dialog"), std::string::npos);
}

TEST_F(NearPlaneZone00, ClicksThatDoNothing)
{
    struct Case
    {
        const char* name;
        Params params;
        const char* var;
        int value;
        bool config;
    } cases[] = {
        {"z_locked", {{"lock_var", "drawer_locked"}}, "drawer_locked", 1, false},
        {"z_loader", {}, "loader_notify", 1, true},
        {"z_camera", {{"cur_cam", "5"}}, "cur_cam", 4, false},
    };
    for (const Case& c : cases)
        zone(c.name, c.params);
    play();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        if (c.config)
            CVirtualScript::setConfigI(c.var, c.value);
        else
            CVirtualScript::setVarI(c.var, c.value);
        CObject* z = gApp.findObject(c.name);
        engine.click(z);
        engine.frames(2);
        EXPECT_FALSE(RealCameraMover::moving());
        EXPECT_EQ(gi->nearPlaneObj, 0u);
        EXPECT_TRUE(visible(z));
        if (c.config)
            CVirtualScript::setConfigI(c.var, 0);
        else
            CVirtualScript::setVarI(c.var, 0);
    }
}

TEST_F(NearPlaneZone00, ALockedZoneFliesOutWithoutCloseSoundOrCodes)
{
    CObject* z = zone("z", {{"lock_var", "locked"}, {"anim_script", "drawer"}, {"anim_close_msg", "21"},
                            {"sound_close", "502"}});
    play();
    engine.click(z);
    engine.frames(2);
    untilBlack();
    arrive();
    CVirtualScript::setVarI("locked", 1);
    forgetTold();
    back();
    EXPECT_TRUE(RealCameraMover::moving()); // 6201
    engine.frame();
    EXPECT_EQ(var("cur_cam"), 1);
    EXPECT_EQ(told("00_movies"), (Told{"100"})); // the flight's only
    EXPECT_TRUE(told("drawer").empty());
    untilBlack();
    arrive();
    EXPECT_EQ(script(z)->state, 0);
}

TEST_F(NearPlaneZone00, HideConditionsUpToTheFirstGap)
{
    CObject* z = zone("z", {{"cond_00_param", "box_open"}, {"cond_02_param", "never_read"}});
    play();
    sc_00_near_plane_zone* script = tq::HeadlessEngine::scriptOf<sc_00_near_plane_zone>(z);
    ASSERT_NE(script, nullptr);
    EXPECT_EQ(script->cond_count, 1);

    // Not held: the zone comes back after the flight; 1000 does not hide it.
    engine.notify(z, 555);
    engine.frames(2);
    untilBlack();
    arrive();
    back();
    arrive();
    EXPECT_EQ(script->state, 0);
    EXPECT_TRUE(visible(z));
    engine.notify(z, 1000);
    engine.frames(2);
    EXPECT_TRUE(visible(z));

    // Held (a missing "_value" means 1): 1000 hides it.
    CVirtualScript::setVarI("box_open", 1);
    engine.notify(z, 1000);
    engine.frames(2);
    EXPECT_FALSE(visible(z));
}

TEST_F(NearPlaneZone00, MoreThanSixteenConditionsAreCutAndLogged)
{
    Params params;
    for (int i = 0; i < 18; ++i)
        params.push_back({"cond_" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "_param", "v"});
    CObject* z = zone("z", params);
    play();
    EXPECT_EQ(tq::HeadlessEngine::scriptOf<sc_00_near_plane_zone>(z)->cond_count, 16);
    EXPECT_NE(engine.log().find("more than 16 hide conditions"), std::string::npos);
}

TEST_F(NearPlaneZone00, ItsOwnCodeStartsAFlightLikeAClick)
{
    CObject* z = zone("z", {{"in_msg", "4321"}, {"cond_00_param", "done"}});
    play();
    engine.notify(z, 4321);
    engine.frames(2);
    EXPECT_TRUE(RealCameraMover::moving());
    EXPECT_EQ(gi->nearPlaneObj, h(z));
    untilBlack();
    arrive();
    EXPECT_EQ(script(z)->state, 2);
    EXPECT_TRUE(visible(coin));
    back();
    arrive();
    // Back, and the zone with it since "done" is not 1.
    EXPECT_EQ(script(z)->state, 0);
    EXPECT_TRUE(visible(z));
}

TEST_F(NearPlaneZone00, FocusOnlyFromItsCamera)
{
    CObject* z = zone("z", {{"cur_cam", "2"}});
    play();
    CVirtualScript::setVarI("az_sparkle", 1);
    struct Case
    {
        int camera;
        const char* focus;
        Told hint;
    } cases[] = {{1, "", {}}, {2, "hotspot", {"50 from z"}}};
    for (const Case& c : cases)
    {
        CVirtualScript::setVarI("cur_cam", c.camera);
        watchCursor();
        hover(z);
        EXPECT_EQ(cursor(), c.focus);
        EXPECT_EQ(told("00_hint"), c.hint);
        hover(nullptr);
        told("00_hint");
    }
}
} // namespace
