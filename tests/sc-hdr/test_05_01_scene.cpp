// The arrival in location 5: the door, the walk and the dialog chained on
// the echoes of the hero's way-points and the dialog player, the clear code
// with the start signal of the location's plan, and the echoes ignored
// after it.
#include "05_01_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

class Scene0501 : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface", "01_01_scene_ds", "00_movies", "00_sfx_env",
               "05_01_Door2_1", "05_02_scene"});
        hero = actor("01_hero", {{"open_door", 0.25f}, {"walk", 1.0f}});
        worker = actor("01_hero_worker");
        woman = actor("13_worker_woman", {{"static_02", 1.0f}});
        room = scene("05_01_scene");
        forgetTold();
    }

    /// Runs frames until the spy is told something (at most a second).
    Told runUntilTold(const std::string& label)
    {
        for (int i = 0; i < 64; ++i)
        {
            engine->frame();
            Told got = told(label);
            if (!got.empty())
                return got;
        }
        return Told();
    }

    CAnimatableObject* hero = nullptr;
    CAnimatableObject* worker = nullptr;
    CAnimatableObject* woman = nullptr;
    CObject* room = nullptr;
};

TEST_F(Scene0501, CreateHidesTheHeroAndTheWorker)
{
    EXPECT_FALSE(shown(hero));
    EXPECT_FALSE(shown(worker));
    EXPECT_TRUE(shown(woman));
}

TEST_F(Scene0501, DoorWalkAndDialogFollowOneAnotherUpToTheAnswer)
{
    engine->notify(room, 100);
    engine->frame();
    EXPECT_TRUE(shown(hero));
    EXPECT_EQ(placed(hero), "(0, 0, 0) turned 0");
    EXPECT_EQ(points(hero), Told({"open_door x1 -> 200 to 05_01_scene"}));
    // The hero waits for the door's pass of the queue.
    EXPECT_FALSE(hero->isRunning());
    EXPECT_TRUE(shown(woman));
    EXPECT_EQ(points(woman), Told({"static_02 x-1"}));
    EXPECT_EQ(playing(woman), "static_02");

    engine->frame();
    EXPECT_EQ(told("01_01_scene_ds"), Told({"10146"}));
    EXPECT_EQ(told("00_movies"), Told({"5002"}));
    EXPECT_EQ(told("00_sfx_env"), Told({"1007"}));
    EXPECT_EQ(told("01_cam_move"), Told({"10501"}));
    EXPECT_EQ(told("05_01_Door2_1"), Told({"100"}));
    EXPECT_EQ(playing(hero), "open_door");

    // The door is open (200): the walk into the room.
    EXPECT_EQ(runUntilTold("01_cam_move"), Told({"5121"}));
    EXPECT_EQ(points(hero), Told({"walk to (597.525, 27.465, 0) turned 3.432 -> 300 to 05_01_scene"}));
    EXPECT_FLOAT_EQ(hero->getLayer(hero->findAnimation("walk"))->rotSpeed, 1000.0f);
    EXPECT_TRUE(shown(hero));

    // Arrived (300): the dialog, asked with the scene as sender.
    EXPECT_EQ(runUntilTold("02_dialogs"), Told({"5050 from 05_01_scene"}));
    EXPECT_EQ(told("00_game_interface"), Told());

    engine->notify(room, 5050, spy("02_dialogs"));
    engine->frames(2);
    EXPECT_EQ(told("00_game_interface"), Told({"100 from 05_01_scene"}));
}

TEST_F(Scene0501, TheSecondStepPlacesTheHeroAtTheDoor)
{
    engine->notify(room, 200);
    engine->frame();
    EXPECT_EQ(placed(hero), "(106.965, -1.955, 0) turned 3.432");
}

TEST_F(Scene0501, ClearSignalsThePlanAndIgnoresTheEchoesFromThenOn)
{
    engine->notify(room, 100);
    engine->frames(2);
    forgetTold();

    engine->notify(room, 1100);
    engine->frames(2);
    EXPECT_FALSE(shown(hero));
    EXPECT_EQ(told("00_game_interface"), Told({"555"}));
    EXPECT_EQ(told("01_cam_move"), Told({"5101"}));
    EXPECT_EQ(told("05_02_scene"), Told({"100 from 05_01_scene"}));

    for (int code : {200, 300, 400, 5050})
        engine->notify(room, code);
    engine->frames(2);
    EXPECT_EQ(told("01_cam_move"), Told());
    EXPECT_EQ(told("02_dialogs"), Told());
    EXPECT_EQ(told("00_game_interface"), Told());

    // 100 replays the first step, but its own 400 no longer starts the hero.
    hero->stop();
    engine->notify(room, 100);
    engine->frames(3);
    EXPECT_EQ(told("05_01_Door2_1"), Told({"100"}));
    EXPECT_TRUE(shown(hero));
    EXPECT_FALSE(hero->isRunning());
}
} // namespace
