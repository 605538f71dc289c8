// The portal door scenes "04_03_scene" and "04_04_scene" on the headless
// engine: the voice and the camera animation, the lamp about 3 s in and the
// zone 3 s after it whatever the animation's end does, and the clearing that
// opens the zone at once.  The two rooms differ only in their table row.
#include "04_03_scene.h"
#include "04_04_scene.h"
#include "ActorSceneFixture.h"

#include "BoardFixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

struct Room
{
    const char* scene;
    int voice;
    int camera;   ///< the camera animation, also its end code
    int lampMs;   ///< when the lit door's lamp comes on
    const char* litDoor;
    const char* darkDoor;
    const char* exit;
};

void PrintTo(const Room& room, std::ostream* out)
{
    *out << room.scene;
}

const Room kRooms[] = {
    {"04_03_scene", 4019, 10403, 3029, "04_03_portal02_door1", "04_03_portal01_door1", "04_03_az_exit_to_04_msz"},
    {"04_04_scene", 4029, 10404, 3240, "04_03_portal01_door1", "04_03_portal02_door1", "04_03_az_exit_to_05_msz"},
};

class PortalScene : public ::testing::TestWithParam<Room>, public tq::ActorSceneFixture
{
protected:
    PortalScene() : ActorSceneFixture({"01_cam_move", "00_movies", "00_game_interface", GetParam().exit})
    {
        material("04_door/04_lamp2");
        tq::makeSectionsMesh("door.mesh", 2);
        for (const char* name : {GetParam().litDoor, GetParam().darkDoor})
            tq::giveEntity(engine->addObject(name), "door.mesh");
        room = scene(GetParam().scene);
    }

    void send(int code)
    {
        engine->notify(room, code);
        engine->frames(2);
    }

    static std::string lamp(const char* door) { return tq::subMaterial(gApp.findObject(door), 1); }

    CObject* room = nullptr;
};

TEST_P(PortalScene, LampThenZoneOnTheirClocksAndTheAnswerOnTheAnimationsEnd)
{
    const Room& r = GetParam();
    send(100);
    EXPECT_EQ(notes("00_movies"), Calls{note(r.voice, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), Calls{note(r.camera, room)});

    // The camera animation may end first: the answer comes at once and the
    // clocks run on.
    send(r.camera);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, room)});

    engine->frames(r.lampMs / 100 - 1, 0.1f);
    EXPECT_NE(lamp(r.litDoor), "04_door/04_lamp2");
    engine->frames(3, 0.1f);
    EXPECT_EQ(lamp(r.litDoor), "04_door/04_lamp2");
    EXPECT_NE(lamp(r.darkDoor), "04_door/04_lamp2");
    EXPECT_TRUE(notes(r.exit).empty());

    engine->frames(27, 0.1f);
    EXPECT_TRUE(notes(r.exit).empty());
    engine->frames(4, 0.1f);
    EXPECT_EQ(notes(r.exit), Calls{note(100, nullptr)});
    EXPECT_EQ(room->mTimers.live, 0);
}

TEST_P(PortalScene, ClearingOpensTheZoneAtOnceAndStopsTheClocks)
{
    const Room& r = GetParam();
    send(100);
    send(1100);
    EXPECT_EQ(notes(r.exit), Calls{note(105, room)});
    EXPECT_EQ(room->mTimers.live, 0);
    engine->frames(70, 0.1f);
    EXPECT_EQ(notes(r.exit).size(), 1u);
    EXPECT_NE(lamp(r.litDoor), "04_door/04_lamp2");
    EXPECT_TRUE(notes("00_game_interface").empty());
}

INSTANTIATE_TEST_SUITE_P(Rooms, PortalScene, ::testing::ValuesIn(kRooms),
                         [](const ::testing::TestParamInfo<Room>& info) {
                             return std::string("room_") + std::string(info.param.scene).substr(0, 5);
                         });
}
