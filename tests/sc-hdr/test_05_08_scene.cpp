// The armed villain's arrival in room 05_08: the actors hidden until the
// start timer, then placed, armed and walking up; the flight's end that
// starts the dialog, the answer, and the timer that still places the actors
// when the dialog began first.
#include "05_08_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

class Scene0508 : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface", "00_movies", "00_sfx_env", "05_08_scene_msz"});
        hero = actor("01_hero_worker", {{"static_01", 1.0f}});
        lord = actor("02_lord", {{"static", 1.0f}, {"walk", 1.0f}});
        villain = actor("04_villain", {{"static_gun", 1.0f}, {"walk_gun", 1.0f}, {"dialog_gun", 1.0f}});
        man1 = actor("16_badgui", {{"static_01", 1.0f}, {"walk", 1.0f}});
        man2 = actor("16_badgui2", {{"static_01", 1.0f}, {"walk", 1.0f}});
        pistol = prop("05_06_villain_gun");
        rifle1 = prop("05_06_badguy1_ak47");
        rifle2 = prop("05_06_badguy2_ak47");
        room = scene("05_08_scene");
        forgetTold();
        engine->clearLog();
    }

    std::vector<CObject*> hidden() const { return {lord, villain, man1, man2, pistol, rifle1, rifle2}; }

    CAnimatableObject* hero = nullptr;
    CAnimatableObject* lord = nullptr;
    CAnimatableObject* villain = nullptr;
    CAnimatableObject* man1 = nullptr;
    CAnimatableObject* man2 = nullptr;
    CObject* pistol = nullptr;
    CObject* rifle1 = nullptr;
    CObject* rifle2 = nullptr;
    CObject* room = nullptr;
};

TEST_F(Scene0508, TheActorsAppearArmedAndWalkUpAfterTheStartTimer)
{
    for (CObject* o : hidden())
        EXPECT_FALSE(shown(o)) << o->getNodeName();

    engine->notify(room, 100);
    engine->frames(2);
    EXPECT_EQ(told("01_cam_move"), Told({"10508 from 05_08_scene"}));
    EXPECT_EQ(told("00_movies"), Told({"5018"}));
    EXPECT_EQ(told("00_sfx_env"), Told({"5004"}));
    engine->frames(3, 0.15f);
    EXPECT_FALSE(shown(villain));
    EXPECT_EQ(told("05_08_scene_msz"), Told());

    engine->frame(0.2f);
    for (CObject* o : hidden())
        EXPECT_TRUE(shown(o)) << o->getNodeName();
    EXPECT_EQ(placed(hero), "(-1343, -2666, -834) turned -83");
    EXPECT_EQ(points(hero), Told({"static_01 x1"}));
    EXPECT_EQ(playing(hero), "static_01");

    struct Case
    {
        CAnimatableObject* actor;
        const char* placedAt;
        Told points;
    };
    const Case cases[] = {
        {lord, "(-1287, -3438, -834) turned 94", {"static x-1", "walk to (-1357, -2817, -834) turned 85", "static x1"}},
        {villain,
         "(-1213, -3418, -834) turned 96",
         {"static_gun x-1", "walk_gun to (-1282, -2810, -834) turned 111 -> 200 to 05_08_scene", "dialog_gun x1"}},
        {man1, "(-1232, -3615, -834) turned 97", {"static_01 x-1", "walk to (-1318, -2963, -834) turned 95", "static_01 x1"}},
        {man2, "(-1219, -3506, -834) turned 91", {"static_01 x-1", "walk to (-1236, -2886, -834) turned 113", "static_01 x1"}},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(placed(c.actor), c.placedAt) << c.actor->getNodeName();
        EXPECT_EQ(points(c.actor), c.points) << c.actor->getNodeName();
        // No waiting in the first pose: the walk is on at once.
        EXPECT_EQ(c.actor->getCurrentPoint(), 1) << c.actor->getNodeName();
    }
    EXPECT_EQ(boneAttempts("04_villain_Bip01_R_Hand", "04_villain"), 1);
    EXPECT_EQ(boneAttempts("16_badgui_Bip01_R_Hand", "16_badgui"), 1);
    EXPECT_EQ(boneAttempts("16_badgui_Bip01_R_Hand", "16_badgui2"), 1);
    engine->frame(0.001f);
    EXPECT_EQ(told("05_08_scene_msz"), Told({"100"}));

    // The flight's end starts the dialog, the dialog's end answers.
    engine->notify(room, 10508, spy("01_cam_move"));
    engine->frames(2);
    EXPECT_EQ(told("02_dialogs"), Told({"5058 from 05_08_scene"}));
    EXPECT_EQ(told("00_game_interface"), Told());
    engine->notify(room, 5058, spy("02_dialogs"));
    engine->frames(2);
    EXPECT_EQ(told("00_game_interface"), Told({"100 from 05_08_scene"}));
}

TEST_F(Scene0508, AnEarlyFlightEndStartsTheDialogAndTheTimerStillBringsTheActors)
{
    engine->notify(room, 100);
    engine->notify(room, 10508, spy("01_cam_move"));
    engine->frames(2);
    EXPECT_EQ(told("02_dialogs"), Told({"5058 from 05_08_scene"}));
    EXPECT_FALSE(shown(villain));

    engine->frames(4, 0.2f);
    EXPECT_TRUE(shown(villain));
    EXPECT_EQ(told("05_08_scene_msz"), Told({"100"}));

    // Asked again, they are placed and walk up again.
    villain->getNode()->setPosition(0, 0, 0);
    engine->notify(room, 100);
    engine->frames(6, 0.2f);
    EXPECT_EQ(told("05_08_scene_msz"), Told({"100"}));
    EXPECT_FLOAT_EQ(villain->getNode()->getPosition().z, -834.0f);
}
} // namespace
