// The arrival of the armed men and the villain in room 06_01: the actors'
// places and way-points with the rifles in hand, the flight's end that
// starts the dialog, the answer, and the clear code.
#include "06_01_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

class Scene0601 : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface", "00_movies", "00_sfx_env", "01_01_scene_ds",
               "06_01_fakel_03", "06_01_fire_02", "06_02_scene"});
        villain = actor("04_villain", {{"static", 1.0f}, {"walk", 1.0f}});
        man1 = actor("16_badgui", {{"static_01", 1.0f}});
        man2 = actor("16_badgui2", {{"static_01", 1.0f}});
        gun1 = prop("06_01_badguy1_ak47");
        gun2 = prop("06_01_badguy2_ak47");
        room = scene("06_01_scene");
        forgetTold();
        engine->clearLog();
    }

    /// How often a rifle was put into the man's hand.
    int armed(const char* man) const { return boneAttempts("16_badgui_Bip01_R_Hand", man); }

    CAnimatableObject* villain = nullptr;
    CAnimatableObject* man1 = nullptr;
    CAnimatableObject* man2 = nullptr;
    CObject* gun1 = nullptr;
    CObject* gun2 = nullptr;
    CObject* room = nullptr;
};

TEST_F(Scene0601, CreateHidesTheActorsAndTheRifles)
{
    for (CObject* o : {static_cast<CObject*>(villain), static_cast<CObject*>(man1), static_cast<CObject*>(man2), gun1,
                       gun2})
        EXPECT_FALSE(shown(o)) << o->getNodeName();
}

TEST_F(Scene0601, TheMenStandArmedAndTheVillainWalksUpWhileTheCameraFlies)
{
    engine->notify(room, 100);
    engine->frame();

    EXPECT_EQ(placed(man1), "(-153, -12, 413) turned -3");
    EXPECT_EQ(placed(man2), "(-89, -65, 413) turned 16");
    for (CAnimatableObject* man : {man1, man2})
    {
        EXPECT_TRUE(shown(man));
        EXPECT_EQ(points(man), Told({"static_01 x-1"}));
        EXPECT_EQ(playing(man), "static_01");
    }
    EXPECT_TRUE(shown(gun1));
    EXPECT_TRUE(shown(gun2));
    EXPECT_EQ(armed("16_badgui"), 1);
    EXPECT_EQ(armed("16_badgui2"), 1);

    EXPECT_TRUE(shown(villain));
    EXPECT_EQ(placed(villain), "(189, -13, 413) turned -176");
    EXPECT_EQ(points(villain), Told({"static x-1", "walk to (60, -21, 413) turned -176", "static x-1"}));
    // He does not wait in his first pose: the walk is on at once.
    EXPECT_EQ(villain->getCurrentPoint(), 1);
    EXPECT_EQ(playing(villain), "walk");

    engine->frame();
    EXPECT_EQ(told("00_movies"), Told({"6027"}));
    EXPECT_EQ(told("00_sfx_env"), Told({"5001"}));
    EXPECT_EQ(told("01_01_scene_ds"), Told({"10147"}));
    EXPECT_EQ(told("01_cam_move"), Told({"10602 from 06_01_scene"}));
    EXPECT_EQ(told("06_01_fakel_03"), Told({"100"}));
    EXPECT_EQ(told("06_01_fire_02"), Told({"100"}));

    // The flight's end starts the dialog, the dialog's end answers.
    engine->notify(room, 10602, spy("01_cam_move"));
    engine->frames(2);
    EXPECT_EQ(told("02_dialogs"), Told({"6050 from 06_01_scene"}));
    engine->notify(room, 6050, spy("02_dialogs"));
    engine->frames(2);
    EXPECT_EQ(told("00_game_interface"), Told({"100 from 06_01_scene"}));

    // Asked again, the actors take their places again.
    villain->getNode()->setPosition(0, 0, 0);
    engine->notify(room, 100);
    engine->frame();
    EXPECT_EQ(placed(villain), "(189, -13, 413) turned -176");
    engine->frame();
    EXPECT_EQ(told("01_cam_move"), Told({"10602 from 06_01_scene"}));
}

TEST_F(Scene0601, ClearPutsTheActorsAwayAndRestartsTheProfessor)
{
    engine->notify(room, 100);
    engine->frames(2);
    forgetTold();
    engine->clearLog();

    engine->notify(room, 1100);
    engine->frames(2);
    EXPECT_EQ(armed("16_badgui"), 1);
    EXPECT_EQ(armed("16_badgui2"), 1);
    for (CObject* o : {static_cast<CObject*>(villain), static_cast<CObject*>(man1), static_cast<CObject*>(man2), gun1,
                       gun2})
        EXPECT_FALSE(shown(o)) << o->getNodeName();
    EXPECT_EQ(told("01_cam_move"), Told({"5101"}));
    EXPECT_EQ(told("06_02_scene"), Told({"100 from 06_01_scene"}));
    EXPECT_EQ(told("06_01_fakel_03"), Told({"101"}));
    EXPECT_EQ(told("06_01_fire_02"), Told({"101"}));
    EXPECT_EQ(told("00_game_interface"), Told());
}
} // namespace
