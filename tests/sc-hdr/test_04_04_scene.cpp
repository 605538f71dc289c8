// The portal door scene "04_04_scene" on the headless engine: the voice and
// the camera animation, the lamp at 3240 ms and the zone at 6240 ms whatever
// the animation's end does, and the clearing that opens the zone at once.
#include "04_04_scene.h"
#include "ActorSceneFixture.h"

#include "BoardFixture.h"

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

class PortalScene : public ::testing::Test, public tq::ActorSceneFixture
{
protected:
    PortalScene() : ActorSceneFixture({"01_cam_move", "00_movies", "00_game_interface", "04_03_az_exit_to_05_msz"})
    {
        material("04_door/04_lamp2");
        tq::makeSectionsMesh("door.mesh", 2);
        for (const char* name : {"04_03_portal01_door1", "04_03_portal02_door1"})
            tq::giveEntity(engine->addObject(name), "door.mesh");
        room = scene("04_04_scene");
    }

    void send(int code)
    {
        engine->notify(room, code);
        engine->frames(2);
    }

    static std::string lamp(const char* door) { return tq::subMaterial(gApp.findObject(door), 1); }

    CObject* room = nullptr;
};

TEST_F(PortalScene, LampThenZoneOnTheirClocksAndTheAnswerOnTheAnimationsEnd)
{
    send(100);
    EXPECT_EQ(notes("00_movies"), Calls{note(4029, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), Calls{note(10404, room)});

    // The camera animation may end first: the answer comes at once and the
    // clocks run on.
    send(10404);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, room)});

    engine->frames(3240 / 100 - 1, 0.1f);
    EXPECT_NE(lamp("04_03_portal01_door1"), "04_door/04_lamp2");
    engine->frames(3, 0.1f);
    EXPECT_EQ(lamp("04_03_portal01_door1"), "04_door/04_lamp2");
    EXPECT_NE(lamp("04_03_portal02_door1"), "04_door/04_lamp2");
    EXPECT_TRUE(notes("04_03_az_exit_to_05_msz").empty());

    engine->frames(27, 0.1f);
    EXPECT_TRUE(notes("04_03_az_exit_to_05_msz").empty());
    engine->frames(4, 0.1f);
    EXPECT_EQ(notes("04_03_az_exit_to_05_msz"), Calls{note(100, nullptr)});
    EXPECT_EQ(room->mTimers.live, 0);
}

TEST_F(PortalScene, ClearingOpensTheZoneAtOnceAndStopsTheClocks)
{
    send(100);
    send(1100);
    EXPECT_EQ(notes("04_03_az_exit_to_05_msz"), Calls{note(105, room)});
    EXPECT_EQ(room->mTimers.live, 0);
    engine->frames(70, 0.1f);
    EXPECT_EQ(notes("04_03_az_exit_to_05_msz").size(), 1u);
    EXPECT_NE(lamp("04_03_portal01_door1"), "04_door/04_lamp2");
    EXPECT_TRUE(notes("00_game_interface").empty());
}
}
