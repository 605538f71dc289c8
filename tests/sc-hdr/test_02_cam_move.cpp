// The camera mover on the headless engine: turns, room moves, close-ups,
// free flights, cuts, camera animations, lights, the flashlight view and the
// answers to the requester when a flight has ended.
#include "02_cam_move.h"
#include "HeadlessEngine.h"
#include "TestSupport.h"

#include <OgreLight.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace
{
using tq::RecordingScript;

const float kDt = 0.05f;

std::string name2(const char* pattern, int a, int b, int c = 0)
{
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), pattern, a, b, c);
    return buffer;
}

class CamMove : public ::testing::Test
{
protected:
    void SetUp() override { engine.reset(new tq::HeadlessEngine()); }

    /// Cameras 1..6 in rooms 1..6 of every location (camera c of room r at
    /// (100 r, 10 c, 0)), two lights in every room, a scene node per room,
    /// the recorders and the camera mover, created in location loc.
    void start(int loc, bool fonarik = false)
    {
        CVirtualScript::setVarI("cur_loc", loc);
        for (int l = 1; l <= 6; ++l)
            for (int room = 1; room <= 6; ++room)
            {
                for (int cam = 1; cam <= 6; ++cam)
                    engine->addObject(name2("%02d_%02d_Camera%02d", l, room, cam))
                        ->getNode()
                        ->setPosition(100.0f * room, 10.0f * cam, 0.0f);
                withLight(name2("%02d_%02d_room.scene", l, room));
            }
        for (int room = 1; room <= 6; ++room)
            for (int light = 1; light <= 2; ++light)
                withLight(name2("Spot%02d_%02d", light, room));
        if (fonarik)
            withLight("Spot_fonarik");
        for (const char* name : {"00_movies", "00_loader", "00_game_interface", "asker", "other"})
            engine->addRecorder(name);
        mover = engine->addObject("01_cam_move", "02_cam_move.sc");
        engine->frame(kDt);
        script = tq::HeadlessEngine::scriptOf<sc_02_cam_move>(mover);
        ASSERT_NE(script, nullptr);
        RecordingScript::calls().clear();
    }

    /// The mover set up again at a saved place, as a new scene would do it.
    void place(int loc, int room, int cam)
    {
        gApp.mAppState.mOptions["load_from_save"].value = "1";
        CVirtualScript::setVarI("cur_loc", loc);
        CVirtualScript::setVarI("cur_room", room);
        CVirtualScript::setVarI("cur_cam", cam);
        script->visibleMask = 0;
        script->ON_CREATE();
        engine->frame(kDt);
        RecordingScript::calls().clear();
    }

    /// An object whose node carries a light (a movable whose visibility and
    /// flags can be read).
    void withLight(const std::string& name)
    {
        CObject* object = engine->addObject(name);
        object->getNode()->attachObject(gApp.mSceneMgr->createLight(name + "_light"));
    }

    static Ogre::Light* light(const std::string& name) { return gApp.mSceneMgr->getLight(name + "_light"); }
    static bool lit(int light, int room) { return CamMove::light(name2("Spot%02d_%02d", light, room))->getVisible(); }
    static int var(const char* name) { return CVirtualScript::getVarI(name); }

    /// Sends code as the object "asker" does.
    void ask(int code, const char* from = "asker") { engine->notify(mover, code, gApp.findObject(from)); }

    /// The notifications that reached an object, as "code,sender".
    static std::vector<std::string> got(const std::string& name)
    {
        std::vector<std::string> result;
        for (const std::string& call : RecordingScript::callsOf(name))
            if (call.find(',') != std::string::npos)
                result.push_back(call.substr(10, call.size() - 11));
        return result;
    }

    std::string answer(int code) const { return std::to_string(code) + "," + std::to_string(mover->getHandle()); }

    /// Frames until the flight under way has surely ended.
    void finish() { engine->frames(80, kDt); gApp.mSceneMgr->_applySceneAnimations(); }

    vec3 where() const { return mover->getNode()->_getDerivedPosition(); }

    tq::TempDir dir;
    std::unique_ptr<tq::HeadlessEngine> engine;
    CObject* mover = nullptr;
    sc_02_cam_move* script = nullptr;
};

TEST_F(CamMove, CreationPlacesTheViewAndSetsUpTheRooms)
{
    start(2);
    EXPECT_EQ(var("cur_room"), 1);
    EXPECT_EQ(var("cur_cam"), 1);
    EXPECT_EQ(var("is_camera_moving"), 0);
    EXPECT_EQ(script->visibleMask, 0x801u);
    for (int room = 1; room <= 5; ++room)
        EXPECT_EQ(light(name2("%02d_%02d_room.scene", 2, room))->getVisibilityFlags(), 1u << (room - 1)) << room;
    // Room 6 has no flag of its own in location 2.
    EXPECT_EQ(light("02_06_room.scene")->getVisibilityFlags(), 0xFFFFFFFFu);
    EXPECT_TRUE(lit(1, 1));
    EXPECT_TRUE(lit(2, 1));
    EXPECT_FALSE(lit(1, 2));
    EXPECT_EQ(script->roomGetNextCamera(1, 1, 0), 1);
    EXPECT_EQ(script->roomGetStartCam(4, 5), 4);
    EXPECT_EQ(script->roomGetStartCam(5, 3), 0); // a row only locations 3 to 6 have
    engine->frames(2, kDt);
    gApp.mSceneMgr->_applySceneAnimations();
    EXPECT_LT(where().distance(vec3(100, 10, 0)), 1e-3f);
}

TEST_F(CamMove, LocationOneUsesOnlyItsFirstRoom)
{
    start(1);
    EXPECT_EQ(light("01_01_room.scene")->getVisibilityFlags(), 1u);
    EXPECT_EQ(light("01_02_room.scene")->getVisibilityFlags(), 0xFFFFFFFFu);
    // The other rooms' lights are left as they are in location 1.
    EXPECT_TRUE(lit(1, 2));
    EXPECT_EQ(script->roomGetStartCam(2, 1), 0);
}

TEST_F(CamMove, MenuScenesLeaveThePlaceAlone)
{
    gApp.mAppState.mOptions["game_state"].value = "10";
    start(2);
    EXPECT_EQ(var("cur_cam"), 0);
    EXPECT_EQ(script->visibleMask, 0u);
    EXPECT_EQ(script->roomGetNextCamera(1, 1, 1), 0);
}

TEST_F(CamMove, SavedPlacesAreKept)
{
    gApp.mAppState.mOptions["load_from_save"].value = "1";
    CVirtualScript::setVarI("cur_room", 3);
    CVirtualScript::setVarI("cur_cam", 2);
    start(2);
    EXPECT_EQ(var("cur_room"), 3);
    EXPECT_EQ(var("cur_cam"), 2);
    EXPECT_EQ(script->visibleMask, 0x804u);
    EXPECT_TRUE(lit(1, 3));
    EXPECT_FALSE(lit(1, 1));
}

TEST_F(CamMove, TurnsFollowTheLinksAndAnswerAtTheEndOfTheFlight)
{
    struct Case
    {
        int loc, room, cam, code, expected;
    };
    const Case cases[] = {
        {1, 1, 1, 7770, 4}, {1, 1, 1, 7771, 2}, {2, 1, 4, 7771, 1}, {2, 1, 1, 7770, 1},
        {2, 1, 1, 7771, 1}, {3, 2, 1, 7770, 1}, {4, 1, 1, 7771, 1}, {6, 3, 2, 7770, 3},
    };
    start(1);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.loc) + "/" + std::to_string(c.room) + "/" + std::to_string(c.cam) + " " +
                     std::to_string(c.code));
        place(c.loc, c.room, c.cam);
        ask(c.code);
        // Dispatched within the send: the new place is readable at once.
        EXPECT_EQ(var("cur_cam"), c.expected);
        EXPECT_EQ(var("prev_cam"), c.cam);
        EXPECT_EQ(var("cur_room"), c.room);
        EXPECT_EQ(var("prev_room"), c.room);
        EXPECT_EQ(var("is_camera_moving"), 1);
        EXPECT_EQ(script->speed, 2500);

        engine->frame(kDt);
        EXPECT_EQ(got("00_movies"), std::vector<std::string>{"100,0"});
        EXPECT_EQ(got("00_loader"), (std::vector<std::string>{"666," + std::to_string(mover->getHandle()), "2223,0"}));
        EXPECT_TRUE(got("asker").empty());

        finish();
        EXPECT_EQ(got("asker"), std::vector<std::string>{answer(c.code)});
        EXPECT_EQ(var("is_camera_moving"), 0);
        EXPECT_EQ(script->speed, 1000);
        EXPECT_LT(where().distance(vec3(100.0f * c.room, 10.0f * c.expected, 0)), 1e-3f);
    }
}

TEST_F(CamMove, ARequestDuringAFlightWaitsForItsEnd)
{
    start(1);
    ask(7771);
    // One request waits for the flight under way; a later one takes its
    // place, with a warning.
    for (int code : {7770, 8203})
        ask(code, "other");
    EXPECT_EQ(var("cur_cam"), 2);
    EXPECT_EQ(var("cur_room"), 1);
    EXPECT_NE(engine->log().find("\nWARNING: 01_cam_move: request 7770 replaced by 8203 during a flight"),
              std::string::npos);
    finish();
    EXPECT_EQ(got("asker"), std::vector<std::string>{answer(7771)});
    // The waiting request flew when the first flight ended, and is answered
    // at its own end.
    EXPECT_EQ(got("other"), std::vector<std::string>{answer(8203)});
    EXPECT_EQ(var("cur_room"), 2);
    EXPECT_EQ(var("cur_cam"), 3);
    EXPECT_EQ(var("is_camera_moving"), 0);
}

TEST_F(CamMove, RoomMovesShowBothRoomsUntilTheirEnd)
{
    struct Case
    {
        int loc, room, cam, code, room2, cam2;
    };
    const Case cases[] = {
        {2, 1, 3, 7102, 2, 1}, // the start camera of room 2 from room 1
        {3, 5, 2, 7106, 6, 4}, // into room 6 from room 5
        {3, 5, 1, 7355, 5, 4}, // only the last digit counts: room 5 again
        {1, 1, 2, 7103, 3, 1}, // no start camera set: camera 1
    };
    start(1);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.code);
        place(c.loc, c.room, c.cam);
        const uint32_t before = 1u << (c.room - 1);
        const uint32_t after = 1u << (c.room2 - 1);

        ask(c.code);
        EXPECT_EQ(var("cur_room"), c.room2);
        EXPECT_EQ(var("cur_cam"), c.cam2);
        EXPECT_EQ(var("prev_room"), c.room);
        EXPECT_EQ(var("prev_cam"), c.cam);
        EXPECT_EQ(script->visibleMask, 0x800u | before | after);
        engine->frame(kDt);
        EXPECT_EQ(got("00_game_interface"), std::vector<std::string>{"101,0"});
        EXPECT_EQ(got("00_movies"), std::vector<std::string>{"100,0"});

        finish();
        EXPECT_EQ(got("asker"), std::vector<std::string>{answer(c.code)});
        EXPECT_EQ(script->visibleMask, 0x800u | after);
        EXPECT_LT(where().distance(vec3(100.0f * c.room2, 10.0f * c.cam2, 0)), 1e-3f);
    }
}

TEST_F(CamMove, CloseUpsAndFreeFlightsAnswerAtTheirEnd)
{
    start(2);
    ask(6105);
    EXPECT_EQ(var("cur_cam"), 5);
    EXPECT_EQ(var("prev_cam"), 1);
    EXPECT_EQ(var("is_camera_moving"), 1);
    finish();
    EXPECT_LT(where().distance(vec3(100, 50, 0)), 1e-3f);
    ask(6201);
    EXPECT_EQ(var("cur_cam"), 1);
    EXPECT_EQ(var("prev_cam"), 5);
    finish();
    EXPECT_LT(where().distance(vec3(100, 10, 0)), 1e-3f);

    ask(8304);
    EXPECT_EQ(var("cur_room"), 3);
    EXPECT_EQ(var("cur_cam"), 4);
    EXPECT_EQ(script->visibleMask, 0x805u);
    finish();
    EXPECT_EQ(got("asker"), (std::vector<std::string>{answer(6105), answer(6201), answer(8304)}));
    EXPECT_EQ(got("00_loader"), std::vector<std::string>{"666," + std::to_string(mover->getHandle())});
    EXPECT_EQ(script->visibleMask, 0x804u);
    EXPECT_LT(where().distance(vec3(300, 40, 0)), 1e-3f);
}

TEST_F(CamMove, CutsJumpAtOnceAndAnswerNobody)
{
    start(1);
    ask(7771);
    finish();
    RecordingScript::calls().clear();

    ask(5304, "other");
    EXPECT_EQ(var("cur_room"), 3);
    EXPECT_EQ(var("cur_cam"), 4);
    EXPECT_EQ(var("is_camera_moving"), 0);
    EXPECT_EQ(script->visibleMask, 0x804u);
    EXPECT_TRUE(lit(1, 3));
    EXPECT_FALSE(lit(1, 1));
    engine->frames(3, kDt);
    gApp.mSceneMgr->_applySceneAnimations();
    EXPECT_LT(where().distance(vec3(300, 40, 0)), 1e-3f);

    // Back to the place before the last change.
    ask(5000, "other");
    EXPECT_EQ(var("cur_room"), 1);
    EXPECT_EQ(var("cur_cam"), 2);
    EXPECT_EQ(script->visibleMask, 0x801u);
    engine->frames(20, kDt);
    EXPECT_TRUE(got("other").empty());
    EXPECT_TRUE(got("asker").empty());
    EXPECT_EQ(got("00_movies").size(), 2u);

    // The last flight was answered: a stray end notice answers nobody again.
    ask(0, "other");
    engine->frame(kDt);
    EXPECT_TRUE(got("asker").empty());
}

TEST_F(CamMove, BoundsOfTheCodeRanges)
{
    start(1);
    ask(7771);
    finish();
    RecordingScript::calls().clear();
    // Each of these is no camera code of its own: it ends a flight; with
    // none under way it changes nothing, and the flight that ended before is
    // not answered again.
    for (int code : {10000, 20000, 6100, 6700, 7700, 9000})
    {
        SCOPED_TRACE(code);
        ask(code, "other");
        EXPECT_EQ(var("cur_cam"), 2);
        engine->frame(kDt);
        EXPECT_TRUE(got("asker").empty());
        EXPECT_TRUE(got("other").empty());
        RecordingScript::calls().clear();
    }
    // During a flight such a code ends it, answered once.
    ask(7770);
    ask(9000, "other");
    engine->frame(kDt);
    EXPECT_EQ(got("asker"), std::vector<std::string>{answer(7770)});
    EXPECT_EQ(var("is_camera_moving"), 0);
    finish();
    EXPECT_EQ(got("asker"), std::vector<std::string>{answer(7770)});
    RecordingScript::calls().clear();
    // 7000 does nothing at all; 6000 is a cut (room 10, camera 0).
    ask(7000, "other");
    engine->frame(kDt);
    EXPECT_TRUE(got("asker").empty());
    ask(6000, "other");
    EXPECT_EQ(var("cur_room"), 10);
    EXPECT_EQ(var("cur_cam"), 0);
    engine->frame(kDt);
    EXPECT_TRUE(got("asker").empty());
}

TEST_F(CamMove, FinishingAFlightAtOnce)
{
    start(2);
    ask(7102);
    engine->frame(kDt);
    EXPECT_TRUE(got("asker").empty());
    ask(666, "other");
    EXPECT_TRUE(lit(1, 2));
    EXPECT_FALSE(lit(1, 1));
    engine->frames(2, kDt);
    EXPECT_EQ(got("asker"), std::vector<std::string>{answer(7102)});
    EXPECT_TRUE(got("other").empty());
    EXPECT_EQ(var("is_camera_moving"), 0);
    EXPECT_EQ(script->visibleMask, 0x802u);
}

TEST_F(CamMove, AnEndNoticeWhoseIdLooksLikeACodeStillEndsTheFlight)
{
    start(1);
    // Animation ids count up through the game: a thousand flights later the
    // mover's own end notice carries a number of the light codes' range.
    CObject* other = engine->addObject("other_flyer");
    const CVirtualScript::InterpolationKey key{vec3::ZERO, Ogre::Quaternion::IDENTITY};
    int id = 0;
    while (id < 1000)
        id = CVirtualScript::animInterpolatePath(other->getHandle(), {key, key}, 0.1f, 1, 0);
    ask(7771);
    EXPECT_GT(script->flightId, 1000);
    EXPECT_LT(script->flightId, 2000);
    finish();
    EXPECT_EQ(got("asker"), std::vector<std::string>{answer(7771)});
    EXPECT_EQ(var("is_camera_moving"), 0);
}

TEST_F(CamMove, CameraAnimationWithoutSkeletonEndsAtOnce)
{
    start(6);
    engine->clearLog();
    ask(10603);
    EXPECT_EQ(var("is_camera_moving"), 0);
    EXPECT_NE(engine->log().find("00_anim_cam_06_03.skeleton"), std::string::npos);
    engine->frame(kDt);
    EXPECT_EQ(got("asker"), std::vector<std::string>{answer(10603)});
    // A turn is not blocked afterwards.
    ask(7771);
    EXPECT_EQ(var("is_camera_moving"), 1);
}

TEST_F(CamMove, RoomLightsByCode)
{
    start(2);
    engine->clearLog();
    ask(1031);
    EXPECT_TRUE(lit(1, 3));
    EXPECT_TRUE(lit(2, 3));
    // The third light is missing: the room's lights end there, which is not
    // a missing object (a play-through fails on those).
    EXPECT_EQ(engine->log().find("Can't find object [Spot03_03]"), std::string::npos);
    ask(1030);
    EXPECT_FALSE(lit(1, 3));
    EXPECT_FALSE(lit(2, 3));
    engine->frame(kDt);
    EXPECT_TRUE(got("asker").empty());
}

TEST_F(CamMove, FlashlightViewOfTheDarkPlaces)
{
    gApp.mAppState.mOptions["load_from_save"].value = "1";
    CVirtualScript::setVarI("cur_room", 4);
    CVirtualScript::setVarI("cur_cam", 2);
    start(2, true);
    // Location 2, room 4: the flashlight follows its point.
    EXPECT_EQ(script->cp.attached, 1);
    EXPECT_NE(script->cp.timer, 0);
    EXPECT_EQ(script->cp.material, "00_camera_plane_01");
    EXPECT_TRUE(light("Spot_fonarik")->getVisible());
    CVirtualScript::setVarI("fonarik_detach_from_mouse", 1);
    CVirtualScript::setVarI("fonarik_x", 100);
    CVirtualScript::setVarI("fonarik_y", 50);
    engine->frame(kDt);
    const Ogre::Quaternion turned(Ogre::Degree(-32.5f), Ogre::Vector3::UNIT_Y);
    EXPECT_TRUE(gApp.findObject("Spot_fonarik")->getNode()->getOrientation().equals(turned, Ogre::Degree(0.1f)));

    ask(601);
    EXPECT_EQ(script->cp.attached, 0);
    EXPECT_EQ(script->cp.timer, 0);
    EXPECT_FALSE(light("Spot_fonarik")->getVisible());
    ask(600);
    EXPECT_EQ(script->cp.attached, 1);

    // Plane 1: the still overlay, without light or timer.
    ask(5205);
    EXPECT_EQ(script->cp.material, "00_camera_plane_00");
    EXPECT_EQ(script->cp.attached, 0);
    EXPECT_EQ(script->cp.timer, 0);
    EXPECT_FALSE(light("Spot_fonarik")->getVisible());
    // The switch is on: no plane there.
    CVirtualScript::setVarI("02_02_az_vklucatel_03_msz@lock", 1);
    ask(600);
    EXPECT_EQ(script->cp.timer, 0);
}
} // namespace
