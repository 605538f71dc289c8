// Room 06_04: the fall (the hero placed and started on the next pass, the
// camera flying, the scene ending two seconds before the fall animation),
// the dialog scene, a fall shorter than that lead, and the clear code.
#include "06_04_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

class Scene0604 : public tq::RoomSceneFixture
{
protected:
    void make(float fallSeconds)
    {
        spies({"01_cam_move", "02_dialogs", "00_game_interface", "00_movies", "06_02_kub2"});
        hero = actor("01_hero_worker", {{"fallout", fallSeconds}});
        room = scene("06_04_scene");
        forgetTold();
    }

    CAnimatableObject* hero = nullptr;
    CObject* room = nullptr;
};

TEST_F(Scene0604, TheFallEndsTheSceneTwoSecondsBeforeTheAnimationDoes)
{
    make(5.0f);
    hero->getNode()->setPosition(50, 60, 70);
    engine->notify(room, 100);
    engine->frame(0.001f);
    EXPECT_TRUE(shown(hero));
    EXPECT_EQ(placed(hero), "(0, 0, 0) turned 0");
    EXPECT_EQ(points(hero), Told({"fallout x1 -> 200 to 06_04_scene"}));
    // The hero falls from the next pass of the queue on.
    EXPECT_FALSE(hero->isRunning());
    engine->frame(0.001f);
    EXPECT_EQ(told("00_movies"), Told({"6008"}));
    EXPECT_EQ(told("01_cam_move"), Told({"5203", "10601"}));
    EXPECT_EQ(told("06_02_kub2"), Told({"100"}));
    EXPECT_EQ(playing(hero), "fallout");

    for (int i = 0; i < 29; ++i)
        engine->frame(0.1f);
    EXPECT_EQ(told("00_game_interface"), Told());
    engine->frames(3, 0.1f);
    EXPECT_EQ(told("00_game_interface"), Told({"100 from 06_04_scene"}));
    // Once only.
    engine->frames(30, 0.1f);
    EXPECT_EQ(told("00_game_interface"), Told());
}

TEST_F(Scene0604, AFallShorterThanTheLeadEndsTheSceneAtOnce)
{
    make(1.0f);
    engine->notify(room, 100);
    engine->frames(5, 0.01f);
    EXPECT_EQ(told("00_game_interface"), Told({"100 from 06_04_scene"}));
}

TEST_F(Scene0604, TheDialogSceneAndTheClearCode)
{
    make(5.0f);
    engine->notify(room, 50);
    engine->frames(2);
    EXPECT_EQ(told("02_dialogs"), Told({"6055 from 06_04_scene"}));
    engine->notify(room, 6055, spy("02_dialogs"));
    engine->frames(2);
    EXPECT_EQ(told("00_game_interface"), Told({"100 from 06_04_scene"}));

    engine->notify(room, 100);
    engine->frames(2);
    forgetTold();
    engine->notify(room, 1100);
    engine->frames(2);
    EXPECT_FALSE(shown(hero));
    EXPECT_FALSE(hero->isRunning());
    EXPECT_EQ(told("01_cam_move"), Told({"5201"}));
}
} // namespace
