// The lift ride of location 4 on the headless engine: the start, the end of
// the ride three seconds before the hero's animation ends, the plate zone's
// answer that ends the scene, and a clearing during the ride.
#include "04_01_scene.h"
#include "ActorSceneFixture.h"

#include <OgreBillboardSet.h>

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

class LiftScene : public ::testing::Test, public tq::ActorSceneFixture
{
protected:
    LiftScene()
        : ActorSceneFixture({"01_cam_move", "00_movies", "00_sfx_env", "00_game_interface", "04_lift", "04_02_plita_msz"})
    {
        torch = gApp.mSceneMgr->createBillboardSet("04_fakel_04_bb");
        gApp.mSceneMgr->getRootSceneNode()->attachObject(torch);
        hero = actor("01_hero", {{"lift", 5.0f}});
        room = scene("04_01_scene");
    }

    void send(int code)
    {
        engine->notify(room, code);
        engine->frames(2);
    }

    Ogre::BillboardSet* torch = nullptr;
    CAnimatableObject* hero = nullptr;
    CObject* room = nullptr;
};

TEST_F(LiftScene, TheRideEndsWhenThePlateZoneAnswers)
{
    EXPECT_FALSE(shown("01_hero"));
    send(100);
    EXPECT_EQ(notes("00_sfx_env"), Calls{note(1005, nullptr)});
    EXPECT_EQ(notes("00_movies"), Calls{note(4016, nullptr)});
    EXPECT_FALSE(torch->getVisible());
    EXPECT_EQ(notes("01_cam_move"), Calls{note(10401, room)});
    EXPECT_EQ(notes("04_lift"), Calls{note(200, nullptr)});
    EXPECT_TRUE(shown("01_hero"));
    EXPECT_EQ(points(hero), Calls{"lift/1"});
    EXPECT_EQ(playing(hero), "lift");

    // 5 s of "lift": the ride is over after 2 s.
    engine->frames(18, 0.1f);
    EXPECT_TRUE(shown("01_hero"));
    EXPECT_TRUE(notes("04_02_plita_msz").empty());
    engine->frames(4, 0.1f);
    EXPECT_FALSE(shown("01_hero"));
    EXPECT_FALSE(hero->isRunning());
    EXPECT_EQ(notes("04_02_plita_msz"), Calls{note(200, room)});
    EXPECT_EQ(tq::HeadlessEngine::scriptOf<sc_04_01_scene>(room)->answerTimer, -1);
    EXPECT_EQ(room->mTimers.live, 0);
    EXPECT_TRUE(notes("00_game_interface").empty());

    send(200);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, room)});
}

TEST_F(LiftScene, ClearingDuringTheRideStopsItsClock)
{
    send(100);
    send(1100);
    EXPECT_EQ(notes("04_lift"), (Calls{note(200, nullptr), note(2, nullptr)}));
    EXPECT_FALSE(shown("01_hero"));
    EXPECT_FALSE(hero->isRunning());
    EXPECT_EQ(room->mTimers.live, 0);
    engine->frames(40, 0.1f);
    EXPECT_TRUE(notes("04_02_plita_msz").empty());
}
}
