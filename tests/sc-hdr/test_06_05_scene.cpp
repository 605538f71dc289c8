// Room 06_05: either camera flight brings the hero before the two seated
// men, either flight's end starts the dialog whose end answers, and the
// clear code puts the three away.
#include "06_05_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

class Scene0605 : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface", "00_sfx_env"});
        hero = actor("01_hero_worker", {{"06_05_stand", 1.0f}});
        man1 = actor("16_badgui", {{"static_sit_01", 1.0f}});
        man2 = actor("16_badgui2", {{"static_sit_01", 1.0f}});
        room = scene("06_05_scene");
        forgetTold();
    }

    CAnimatableObject* hero = nullptr;
    CAnimatableObject* man1 = nullptr;
    CAnimatableObject* man2 = nullptr;
    CObject* room = nullptr;
};

TEST_F(Scene0605, EitherFlightLeadsToTheDialogAndItsAnswer)
{
    struct Case
    {
        int start, flight;
    };
    for (const Case& c : {Case{100, 10605}, Case{200, 10615}})
    {
        for (CAnimatableObject* a : {hero, man1, man2})
            a->getNode()->setPosition(5, 5, 5);
        engine->notify(room, c.start);
        engine->frames(2);
        EXPECT_EQ(told("00_sfx_env"), Told({"1002"})) << c.start;
        EXPECT_EQ(told("01_cam_move"), Told({text("%d from 06_05_scene", c.flight)})) << c.start;
        for (CAnimatableObject* a : {hero, man1, man2})
        {
            EXPECT_TRUE(shown(a)) << a->getNodeName();
            EXPECT_EQ(placed(a), "(0, 0, 0) turned 0") << a->getNodeName();
        }
        EXPECT_EQ(points(hero), Told({"06_05_stand x1"}));
        EXPECT_EQ(playing(hero), "06_05_stand");
        for (CAnimatableObject* man : {man1, man2})
        {
            EXPECT_EQ(points(man), Told({"static_sit_01 x-1"}));
            EXPECT_EQ(playing(man), "static_sit_01");
        }

        engine->notify(room, c.flight, spy("01_cam_move"));
        engine->frames(2);
        EXPECT_EQ(told("02_dialogs"), Told({"6056 from 06_05_scene"})) << c.start;
        engine->notify(room, 6056, spy("02_dialogs"));
        engine->frames(2);
        EXPECT_EQ(told("00_game_interface"), Told({"100 from 06_05_scene"})) << c.start;
    }

    // A flight's end starts the dialog whether or not the scene asked for it.
    engine->notify(room, 10615, spy("01_cam_move"));
    engine->frames(2);
    EXPECT_EQ(told("02_dialogs"), Told({"6056 from 06_05_scene"}));
}

TEST_F(Scene0605, ClearPutsTheThreeAway)
{
    engine->notify(room, 100);
    engine->frames(2);
    forgetTold();
    engine->notify(room, 1100);
    engine->frames(2);
    for (CAnimatableObject* a : {hero, man1, man2})
    {
        EXPECT_FALSE(shown(a)) << a->getNodeName();
        EXPECT_FALSE(a->isRunning()) << a->getNodeName();
    }
    EXPECT_EQ(told("01_cam_move"), Told({"5402"}));
    EXPECT_EQ(told("00_game_interface"), Told());
}
} // namespace
