// The moving and rotating zone: its motion over frames, the objects inside,
// the hot spot hiding itself, clicks, requests with their answers (and the
// real task engine waiting for one), its real alternative zones closing,
// locking, the state restored from a saved game and odd .scene data.
#include "00_move_side_zone.h"
#include "GInterfaceFixture.h"
#include "ZoneFixture.h"

#include <OgreSceneNode.h>

namespace
{
using tq::Told;
typedef sc_00_move_side_zone Zone;

class MoveSideZone00 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        spies({"00_game_interface", "00_movies", "00_hint", "room"});
        // The alternatives are zones of their own, without moving parts.
        altA = prop("alt_a", "00_move_side_zone.sc", {{"move_parts_num", "0"}});
        altB = prop("alt_b", "00_move_side_zone.sc", {{"move_parts_num", "0"}});
        door = prop("door");
        flap = prop("flap");
        coin = prop("coin");
        ring = prop("ring");
        coin->getNode()->setVisible(false);
        ring->getNode()->setVisible(false);
        CVirtualScript::setVarI("ring@picked", 1);
    }

    CObject* zone(const std::string& name, const Params& extra = {})
    {
        Params params = {{"move_parts_num", "2"},        {"move_obj_00", "door"},
                         {"move_obj_00_x", "2"},         {"move_obj_01", "flap"},
                         {"rotate_obj_01_x", "0"},       {"rotate_obj_01_z", "1"},
                         {"rotate_obj_01_angle", "90"},  {"rotate_obj_01_func", "1"},
                         {"open_obj_00_name", "coin"},   {"open_obj_01_name", "ring"},
                         {"alt_obj_00", "alt_a"},        {"alt_obj_01", "alt_b"},
                         {"sound_open", "601"},          {"sound_close", "602"}};
        params.insert(params.end(), extra.begin(), extra.end());
        return prop(name, "00_move_side_zone.sc", params);
    }

    static Zone* script(CObject* z) { return tq::HeadlessEngine::scriptOf<Zone>(z); }
    static float doorX(CObject* d) { return d->getNode()->getPosition().x; }
    /// Where the flap's front (its X axis) points.
    static vec3 flapFacing(CObject* f) { return f->getNode()->getOrientation() * vec3::UNIT_X; }
    int var(const std::string& key) { return CVirtualScript::getVarI("kartina_msz@" + key); }

    /// Frames of 0.1 s until the zone's state is reached (at most 40).
    void runUntil(CObject* z, int state)
    {
        for (int i = 0; i < 40 && script(z)->state != state; ++i)
            engine.frame(0.1f);
    }

    CObject* altA = nullptr;
    CObject* altB = nullptr;
    CObject* door = nullptr;
    CObject* flap = nullptr;
    CObject* coin = nullptr;
    CObject* ring = nullptr;
};

TEST_F(MoveSideZone00, AClickOpensOverFramesAndTheNextOneCloses)
{
    CObject* z = zone("kartina_msz");
    engine.frame(0.1f);
    EXPECT_EQ(var("lock"), 1);
    EXPECT_EQ(var("moved"), 0);
    // One alternative open, the other closed.
    engine.click(altA);
    runUntil(altA, 2);
    forgetTold();

    engine.click(z);
    engine.frame(0.1f);
    EXPECT_EQ(script(z)->state, 1);
    EXPECT_EQ(var("moved"), 1);
    engine.frame(0.1f);
    EXPECT_EQ(told("00_game_interface"), (Told{"777 from kartina_msz"}));
    EXPECT_EQ(told("00_movies"), (Told{"601"}));
    // The open alternative closes; the closed one stays as it was, in reach.
    EXPECT_EQ(script(altA)->state, 3);
    EXPECT_EQ(script(altB)->state, 0);
    EXPECT_TRUE(visible(altB));
    EXPECT_EQ(CVirtualScript::getVarI("alt_b@picked"), 0);

    // Each frame moves the progress by the frame's share of "time"; the
    // door follows the eased progress, the objects inside appear past 0.2.
    float before = script(z)->progress;
    while (script(z)->state == 1)
    {
        engine.frame(0.1f);
        const float progress = script(z)->progress;
        if (script(z)->state == 1)
        {
            EXPECT_NEAR(progress - before, 0.1f, 1e-4f);
        }
        EXPECT_NEAR(doorX(door), 2.0f * Zone::cosFunc(progress), 1e-4f);
        EXPECT_EQ(visible(coin), progress > 0.2f);
        EXPECT_EQ(visible(z), progress <= 0.2f);
        before = progress;
    }
    EXPECT_EQ(script(z)->state, 2);
    EXPECT_FLOAT_EQ(script(z)->progress, 1.0f);
    EXPECT_NEAR(doorX(door), 2.0f, 1e-3f);
    EXPECT_NEAR(flapFacing(flap).y, 1.0f, 1e-3f); // a quarter turn about Z
    EXPECT_FALSE(visible(ring)); // taken before: never shown
    EXPECT_EQ(var("lock"), 0);
    EXPECT_EQ(var("picked"), 1);
    EXPECT_EQ(z->mTimers.live, 0); // the timer lives only while it moves
    runUntil(altA, 0);
    EXPECT_EQ(script(altA)->state, 0);
    EXPECT_EQ(CVirtualScript::getVarI("alt_a@lock"), 1);

    engine.click(z);
    engine.frame(0.1f);
    EXPECT_EQ(script(z)->state, 3);
    EXPECT_FALSE(visible(coin)); // at the start of the closing
    EXPECT_EQ(var("moved"), 0);
    runUntil(z, 0);
    EXPECT_EQ(script(z)->state, 0);
    EXPECT_NEAR(doorX(door), 0.0f, 1e-4f);
    EXPECT_NEAR(flapFacing(flap).x, 1.0f, 1e-4f);
    EXPECT_EQ(var("lock"), 1);
    EXPECT_EQ(z->mTimers.live, 0);
    engine.frame(0.1f);
    EXPECT_EQ(told("00_movies"), (Told{"602"}));
    EXPECT_TRUE(told("00_game_interface").empty()); // closing is not reported
}

TEST_F(MoveSideZone00, ClicksThatDoNothing)
{
    CObject* z = zone("kartina_msz", {{"cur_cam", "4"}, {"no_hide", "1"}});
    engine.frame(0.1f);

    struct Case
    {
        int camera;
        int dragged;
    } blocked[] = {{3, 0}, {4, 205}};
    for (const Case& c : blocked)
    {
        CVirtualScript::setVarI("cur_cam", c.camera);
        CVirtualScript::setConfigI("drag_item", c.dragged);
        engine.click(z);
        engine.frame(0.1f);
        EXPECT_EQ(script(z)->state, 0);
    }
    CVirtualScript::setVarI("cur_cam", 4);
    CVirtualScript::setConfigI("drag_item", 0);
    engine.click(z);
    engine.frame(0.1f);
    engine.frame(0.1f);
    const float progress = script(z)->progress;
    engine.click(z); // moving: ignored
    engine.frame(0.1f);
    EXPECT_EQ(script(z)->state, 1);
    EXPECT_GT(script(z)->progress, progress);
    runUntil(z, 2);
    EXPECT_TRUE(visible(z)); // "no_hide"
    EXPECT_EQ(var("picked"), 0);
    EXPECT_TRUE(visible(coin));
}

TEST_F(MoveSideZone00, RequestsAreAnsweredOnceAtTheEndOfTheirMotion)
{
    CObject* z = zone("kartina_msz");
    engine.frame(0.1f);

    engine.notify(z, 100, spy("room"));
    engine.frame(0.1f);
    EXPECT_TRUE(told("room").empty());
    runUntil(z, 2);
    engine.frame(0.1f);
    EXPECT_EQ(told("room"), (Told{"100 from kartina_msz"}));

    engine.notify(z, 201, spy("room"));
    runUntil(z, 0);
    engine.frame(0.1f);
    EXPECT_EQ(told("room"), (Told{"201 from kartina_msz"}));
    // The alternatives were closed: they stay closed and in reach.
    for (CObject* alt : {altA, altB})
    {
        EXPECT_EQ(script(alt)->state, 0);
        EXPECT_TRUE(visible(alt));
        EXPECT_EQ(CVirtualScript::getVarI(std::string(alt->getNodeName()) + "@picked"), 0);
        EXPECT_EQ(alt->mTimers.live, 0);
    }

    // 300: open, then close again at once, one answer at the very end.
    forgetTold();
    engine.notify(z, 300, spy("room"));
    runUntil(z, 3);
    EXPECT_TRUE(told("room").empty());
    runUntil(z, 0);
    engine.frame(0.1f);
    EXPECT_EQ(told("room"), (Told{"300 from kartina_msz"}));
    EXPECT_EQ(told("00_movies"), (Told{"601", "602"}));
    EXPECT_EQ(var("lock"), 1);

    // 105 sets it open at once and answers nobody.
    engine.notify(z, 105, spy("room"));
    engine.frame(0.1f);
    EXPECT_EQ(script(z)->state, 2);
    EXPECT_NEAR(doorX(door), 2.0f, 1e-3f);
    EXPECT_EQ(var("lock"), 0);
    engine.frames(2, 0.1f);
    EXPECT_TRUE(told("room").empty());

    // 202 locks it closed at once, mid-way too, without an answer.
    engine.notify(z, 200, spy("room"));
    engine.frames(3, 0.1f);
    engine.notify(z, 202, spy("room"));
    engine.frames(3, 0.1f);
    EXPECT_EQ(script(z)->state, 0);
    EXPECT_NEAR(doorX(door), 0.0f, 1e-4f);
    EXPECT_EQ(var("lock"), 1);
    EXPECT_EQ(z->mTimers.live, 0);
    EXPECT_TRUE(told("room").empty());
}

TEST_F(MoveSideZone00, ASavedGameRestoresTheOpenZoneQuietly)
{
    struct Case
    {
        const char* name;
        int loadFromSave;
        int lock;
        bool open;
    } cases[] = {{"open_msz", 1, 0, true}, {"closed_msz", 1, 1, false}, {"new_msz", 0, 0, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        door->getNode()->setPosition(vec3::ZERO);
        CVirtualScript::setConfigI("load_from_save", c.loadFromSave);
        CVirtualScript::setVarI(std::string(c.name) + "@lock", c.lock);
        engine.clearLog();
        CObject* z = zone(c.name);
        engine.frames(2, 0.1f);
        EXPECT_EQ(script(z)->state, c.open ? 2 : 0);
        EXPECT_NEAR(doorX(door), c.open ? 2.0f : 0.0f, 1e-3f);
        EXPECT_EQ(engine.log().find("DO OBJS"), std::string::npos);
        EXPECT_TRUE(told("00_movies").empty());
        EXPECT_EQ(CVirtualScript::getVarI(std::string(c.name) + "@lock"), c.loadFromSave ? c.lock : 1);
        z->getNode()->setVisible(false); // out of the way of the next case
    }
}

TEST_F(MoveSideZone00, OddSceneDataIsTakenSafely)
{
    Params params = {{"time", "0"},
                     {"start_obj_00", "1"},
                     {"end_obj_00", "1"},
                     {"move_parts_num", "14"},
                     {"alt_obj_02", "room"},
                     {"alt_obj_03", "room"},
                     {"alt_obj_04", "room"},
                     {"alt_obj_05", "room"}};
    CObject* z = zone("kartina_msz", params);
    engine.frame(0.1f);
    EXPECT_EQ(script(z)->alt_count, 5);
    EXPECT_EQ(script(z)->move_parts_num, 13);
    EXPECT_NE(engine.log().find("more than 5 alternative zones"), std::string::npos);
    EXPECT_NE(engine.log().find("14 moving parts"), std::string::npos);

    // A "time" of 0 moves in one tick; a window of no length puts its part
    // at the end once the progress reaches it.
    engine.click(z);
    engine.frames(3, 0.1f);
    EXPECT_EQ(script(z)->state, 2);
    EXPECT_NEAR(doorX(door), 2.0f, 1e-3f);
    engine.notify(z, 202);
    engine.frame(0.1f);
    EXPECT_NEAR(doorX(door), 0.0f, 1e-4f);
}

TEST_F(MoveSideZone00, FocusFromItsCameraShowsTheSparkleAndTheHint)
{
    CObject* z = zone("kartina_msz", {{"hint", "70"}, {"cur_cam", "2"}});
    engine.frame(0.1f);
    CVirtualScript::setVarI("az_sparkle", 1);
    struct Case
    {
        int camera;
        const char* focus;
        Told hint;
    } cases[] = {{1, "", {}}, {2, "hotspot", {"70 from kartina_msz", "100 from kartina_msz"}}};
    for (const Case& c : cases)
    {
        CVirtualScript::setVarI("cur_cam", c.camera);
        watchCursor();
        hover(z);
        EXPECT_EQ(cursor(), c.focus);
        hover(nullptr);
        EXPECT_EQ(told("00_hint"), c.hint);
    }
}
// The zone opened and closed by the real task engine of the in-game
// interface, as a location's plan does it: each step waits for the zone's
// answer.
class MoveSideZoneInTheStory : public tq::GInterfaceFixture
{
};

TEST_F(MoveSideZoneInTheStory, ThePlanWaitsForTheZoneToOpenAndToClose)
{
    spies({"00_loader", "00_hint", "interface", "01_cam_move", "journal", "00_sfx_env", "00_movies"});
    CObject* z = prop("kartina_msz", "00_move_side_zone.sc");
    start();
    gi->threadAdd();
    gi->taskAddNotify("kartina_msz", 100);
    gi->taskAddSetParam("opened", 1);
    gi->taskAddNotify("kartina_msz", 201);
    gi->taskAddSetParam("closed", 1);
    notify(555);
    notify(550);

    engine.frames(3, 0.1f);
    EXPECT_EQ(tq::HeadlessEngine::scriptOf<Zone>(z)->state, 1);
    EXPECT_EQ(var("opened"), 0); // not before the zone is open
    engine.frames(10, 0.1f);
    EXPECT_EQ(var("opened"), 1);
    engine.frames(12, 0.1f);
    EXPECT_EQ(var("closed"), 1);
    EXPECT_EQ(CVirtualScript::getVarI("kartina_msz@lock"), 1);
}
} // namespace
