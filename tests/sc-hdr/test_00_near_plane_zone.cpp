// The near-plane zone: the flight into the close-up and back with the
// interface's handshake (300, 2 at black, 304, back control 1, answer 1),
// the loader's black moments, the near objects, the dialogs, the lock, the
// hide conditions and leaving without a flight.
#include "00_near_plane_zone.h"
#include "ZoneFixture.h"

namespace
{
using tq::Told;

class NearPlaneZone00 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        spies({"01_cam_move", "00_loader", "00_game_interface", "00_movies", "00_hint", "02_dialogs", "drawer",
               "lid"});
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

    /// The camera mover's answer at the end of a flight, and the loader's at black.
    void cameraArrives(CObject* z, int code)
    {
        engine.notify(z, code, spy("01_cam_move"));
        engine.frames(2);
    }
    void loaderBlack(CObject* z)
    {
        engine.notify(z, 666, spy("00_loader"));
        engine.frames(2);
    }

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
    engine.frame();

    watchCursor();
    engine.click(z);
    engine.frame();
    EXPECT_EQ(told("01_cam_move"), (Told{"6103 from table_zone"})); // at once
    EXPECT_EQ(cursor(), "normal");
    EXPECT_FALSE(visible(z));
    engine.frame();
    EXPECT_EQ(told("00_game_interface"), (Told{"300 from table_zone"}));
    EXPECT_EQ(told("00_loader"), (Told{"666 from table_zone", "2223"}));
    EXPECT_EQ(told("drawer"), (Told{"11 from table_zone"}));
    EXPECT_EQ(told("lid"), (Told{"12 from table_zone"}));
    EXPECT_EQ(told("00_movies"), (Told{"501", "501"})); // once for each animated object

    // Black: the camera finishes at once, the near objects appear, the
    // interface gets its 2.
    loaderBlack(z);
    EXPECT_EQ(told("01_cam_move"), (Told{"666"}));
    EXPECT_EQ(told("drawer"), (Told{"13 from table_zone"}));
    EXPECT_EQ(told("00_game_interface"), (Told{"2 from table_zone"}));
    EXPECT_TRUE(visible(coin));
    EXPECT_TRUE(visible(key));

    cameraArrives(z, 6103);
    EXPECT_EQ(told("00_game_interface"), (Told{"304"}));

    // The back control.
    engine.notify(z, 1, spy("00_game_interface"));
    engine.frame();
    EXPECT_EQ(told("01_cam_move"), (Told{"6201 from table_zone"}));
    EXPECT_FALSE(visible(coin));
    EXPECT_FALSE(visible(key));
    engine.frame();
    EXPECT_EQ(told("00_loader"), (Told{"666 from table_zone", "2223"}));
    EXPECT_EQ(told("00_movies"), (Told{"502"}));
    EXPECT_EQ(told("drawer"), (Told{"21 from table_zone"}));
    EXPECT_EQ(told("lid"), (Told{"22 from table_zone"}));

    loaderBlack(z);
    EXPECT_EQ(told("01_cam_move"), (Told{"666"}));
    EXPECT_EQ(told("drawer"), (Told{"23 from table_zone"}));

    cameraArrives(z, 6201);
    EXPECT_EQ(told("00_game_interface"), (Told{"1 from table_zone"}));
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
    engine.frame();
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
        loaderBlack(z);
        EXPECT_EQ(visible(coin), c.atBlack);
        cameraArrives(z, 6103);
        EXPECT_TRUE(visible(coin));
        EXPECT_EQ(visible(key), c.keyShows);
        engine.notify(z, 1, spy("00_game_interface"));
        engine.frames(2);
        EXPECT_FALSE(visible(coin));
        cameraArrives(z, 6201);
    }
}

TEST_F(NearPlaneZone00, DialogsBeforeTheFirstFlightAndOnTheFirstArrival)
{
    CObject* z = zone("z", {{"dlg_id", "2040"}, {"dlg_id_near", "2041"}});
    engine.frame();

    // Until the dialog has answered, every click only asks for it again.
    for (int i = 0; i < 2; ++i)
    {
        engine.click(z);
        engine.frames(2);
        EXPECT_EQ(told("02_dialogs"), (Told{"2040 from z"}));
        EXPECT_TRUE(told("01_cam_move").empty());
    }
    engine.notify(z, 2040, spy("02_dialogs"));
    engine.frame();
    EXPECT_EQ(told("01_cam_move"), (Told{"6103 from z"}));
    engine.frame();
    loaderBlack(z);
    cameraArrives(z, 6103);
    EXPECT_EQ(told("02_dialogs"), (Told{"2041 from z"}));
    engine.notify(z, 1, spy("00_game_interface"));
    engine.frames(2);
    cameraArrives(z, 6201);

    // The second visit: no dialog before, none on arrival.
    forgetTold();
    engine.click(z);
    engine.frame();
    EXPECT_EQ(told("01_cam_move"), (Told{"6103 from z"}));
    engine.frame();
    loaderBlack(z);
    cameraArrives(z, 6103);
    EXPECT_TRUE(told("02_dialogs").empty());
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
    engine.frame();
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
        EXPECT_TRUE(told("01_cam_move").empty());
        EXPECT_TRUE(told("00_game_interface").empty());
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
    engine.frame();
    engine.notify(z, 444); // in the close-up without a flight
    engine.frame();
    CVirtualScript::setVarI("locked", 1);
    engine.notify(z, 1, spy("00_game_interface"));
    engine.frames(2);
    EXPECT_EQ(told("01_cam_move"), (Told{"6201 from z"}));
    EXPECT_TRUE(told("00_movies").empty());
    EXPECT_TRUE(told("drawer").empty());
}

TEST_F(NearPlaneZone00, HideConditionsUpToTheFirstGap)
{
    CObject* z = zone("z", {{"cond_00_param", "box_open"}, {"cond_02_param", "never_read"}});
    engine.frame();
    sc_00_near_plane_zone* script = tq::HeadlessEngine::scriptOf<sc_00_near_plane_zone>(z);
    ASSERT_NE(script, nullptr);
    EXPECT_EQ(script->cond_count, 1);

    // Not held: the zone comes back after the flight; 1000 does not hide it.
    engine.notify(z, 555);
    engine.frames(2);
    loaderBlack(z);
    cameraArrives(z, 6103);
    engine.notify(z, 1, spy("00_game_interface"));
    engine.frames(2);
    cameraArrives(z, 6201);
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
    engine.frame();
    EXPECT_EQ(tq::HeadlessEngine::scriptOf<sc_00_near_plane_zone>(z)->cond_count, 16);
    EXPECT_NE(engine.log().find("more than 16 hide conditions"), std::string::npos);
}

TEST_F(NearPlaneZone00, LeavingWithoutAFlightAndTheCloseUpWithoutOne)
{
    CObject* z = zone("z", {{"anim_script", "drawer"}, {"anim_close_msg", "21"}, {"sound_close", "502"},
                            {"cond_00_param", "done"}, {"in_msg", "4321"}});
    engine.frame();

    // 556: the close-up without a flight.
    engine.notify(z, 556);
    engine.frames(2);
    EXPECT_EQ(told("00_game_interface"), (Told{"302 from z"}));
    EXPECT_TRUE(visible(coin));
    EXPECT_FALSE(visible(z));

    // 2 from the interface: out at once, the zone back since "done" is not 1.
    engine.notify(z, 2, spy("00_game_interface"));
    engine.frames(2);
    EXPECT_FALSE(visible(coin));
    EXPECT_TRUE(visible(z));
    EXPECT_EQ(told("00_movies"), (Told{"502"}));
    EXPECT_EQ(told("drawer"), (Told{"21 from z"}));
    EXPECT_TRUE(told("01_cam_move").empty());

    // The same seen from location 3, room 4, camera 5 leaves the zone hidden;
    // the "in_msg" code starts a flight like a click.
    CVirtualScript::setVarI("cur_loc", 3);
    CVirtualScript::setVarI("cur_room", 4);
    CVirtualScript::setVarI("cur_cam", 5);
    engine.notify(z, 4321);
    engine.frame();
    EXPECT_EQ(told("01_cam_move"), (Told{"6103 from z"}));
    engine.notify(z, 444);
    engine.notify(z, 2, spy("00_game_interface"));
    engine.frames(2);
    EXPECT_FALSE(visible(z));
}

TEST_F(NearPlaneZone00, FocusOnlyFromItsCamera)
{
    CObject* z = zone("z", {{"cur_cam", "2"}});
    engine.frame();
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
