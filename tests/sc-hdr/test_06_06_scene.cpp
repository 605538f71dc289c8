// Room 06_06: the two men jump up and run, the door opens, the dialog comes
// on its delay without an answer, the dust puffs for a second, the flight's
// end answers, and the clear code stops what is still to come.
#include "06_06_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

class Scene0606 : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface", "00_movies", "06_04_superdver_01"});
        man1 = actor("16_badgui", {{"up_and_run", 1.0f}});
        man2 = actor("16_badgui2", {{"up_and_run", 1.0f}});
        dust = particles("06_04_door_dust");
        dust->getEmitter(0)->setEnabled(false);
        room = scene("06_06_scene");
        forgetTold();
    }

    /// Game time goes on by ms milliseconds, in steps of 100 ms at most.
    void pass(int ms)
    {
        for (; ms >= 100; ms -= 100)
            engine->frame(0.1f);
        if (ms > 0)
            engine->frame(ms / 1000.0f);
    }

    CAnimatableObject* man1 = nullptr;
    CAnimatableObject* man2 = nullptr;
    Ogre::ParticleSystem* dust = nullptr;
    CObject* room = nullptr;
};

TEST_F(Scene0606, TheMenRunOutWhileTheDialogAndTheDustFollowTheirDelays)
{
    engine->notify(room, 100);
    engine->frames(2, 0.001f);
    EXPECT_EQ(told("00_movies"), Told({"6016"}));
    EXPECT_EQ(told("06_04_superdver_01"), Told({"100"}));
    EXPECT_EQ(told("01_cam_move"), Told({"10606 from 06_06_scene"}));
    for (CAnimatableObject* man : {man1, man2})
    {
        EXPECT_TRUE(shown(man));
        EXPECT_EQ(placed(man), "(0, 0, 0) turned 0");
        EXPECT_EQ(points(man), Told({"up_and_run x1"}));
        EXPECT_EQ(playing(man), "up_and_run");
    }

    pass(1100);
    EXPECT_EQ(told("02_dialogs"), Told());
    pass(200); // 1.3 s: without a sender, so no answer comes back
    EXPECT_EQ(told("02_dialogs"), Told({"6057"}));

    pass(3600); // 4.9 s
    EXPECT_FALSE(emitting("06_04_door_dust"));
    pass(200); // 5.1 s
    EXPECT_TRUE(emitting("06_04_door_dust"));
    pass(1000); // 6.1 s
    EXPECT_FALSE(emitting("06_04_door_dust"));

    engine->notify(room, 10606, spy("01_cam_move"));
    engine->frames(2);
    EXPECT_EQ(told("00_game_interface"), Told({"100 from 06_06_scene"}));
}

TEST_F(Scene0606, ClearStopsWhatIsStillToCome)
{
    engine->notify(room, 100);
    pass(500);
    forgetTold();
    engine->notify(room, 1100);
    engine->frames(2);
    for (CAnimatableObject* man : {man1, man2})
    {
        EXPECT_FALSE(shown(man));
        EXPECT_FALSE(man->isRunning());
    }
    pass(6000);
    EXPECT_EQ(told("02_dialogs"), Told());
    EXPECT_FALSE(emitting("06_04_door_dust"));
    EXPECT_EQ(told("00_game_interface"), Told());
}
} // namespace
