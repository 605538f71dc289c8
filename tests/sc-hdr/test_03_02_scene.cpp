// The kerb scene of room 03_02 on the headless engine: the idle loop while
// the crossing has not been played, the crossing cut in straight from the
// loop and answered a second before its end, the kerb damage answered at
// its end with the loop back, and a hero who has crossed already.
#include "03_02_scene.h"
#include "ActorSceneFixture.h"

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

const Calls kIdle = {"bordur_worry01/1", "bordur_worry02/2"};

class KerbScene : public ::testing::Test, public tq::ActorSceneFixture
{
protected:
    KerbScene() : ActorSceneFixture({"01_cam_move", "00_movies", "00_game_interface", "03_bordur_damage1"}) {}

    void create(int heroState)
    {
        CVirtualScript::setVarI("01_hero@state", heroState);
        hero = actor("01_hero_dress", {{"bordur_worry01", 1.0f},
                                       {"bordur_worry02", 1.0f},
                                       {"board_crossing", 13.115f},
                                       {"bordur_damage", 0.5f}});
        room = scene("03_02_scene");
        script = tq::HeadlessEngine::scriptOf<sc_03_02_scene>(room);
    }

    void send(int code)
    {
        engine->notify(room, code);
        engine->frames(2);
    }

    CAnimatableObject* hero = nullptr;
    CObject* room = nullptr;
    sc_03_02_scene* script = nullptr;
};

TEST_F(KerbScene, TheHeroWaitsOnTheKerbInACyclicLoop)
{
    create(0);
    EXPECT_TRUE(shown("01_hero_dress"));
    EXPECT_EQ(points(hero), kIdle);
    EXPECT_EQ(hero->mLoop, 1);
    EXPECT_EQ(playing(hero), "bordur_worry01");
    // Three seconds of loop end where they began.
    engine->frames(30, 0.1f);
    EXPECT_EQ(playing(hero), "bordur_worry01");
    EXPECT_TRUE(hero->isRunning());
}

TEST_F(KerbScene, TheCrossingCutsInAndIsAnsweredASecondEarly)
{
    create(0);
    send(100);
    EXPECT_EQ(notes("00_movies"), Calls{note(3024, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), Calls{note(5201, nullptr)});
    EXPECT_EQ(hero->mLoop, 0);
    EXPECT_EQ(playing(hero), "board_crossing");

    // (13.115 - 1.0) s as the scene's single-precision fields give it.
    ASSERT_GT(script->answerTimer, 0);
    EXPECT_EQ(room->mTimers.timers[script->answerTimer - CTimerPool::kFirstId].interval, 12114u);
    engine->frames(119, 0.1f);
    EXPECT_TRUE(notes("00_game_interface").empty());
    engine->frames(6, 0.1f);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, room)});
    EXPECT_EQ(CVirtualScript::getVarI("01_hero@state"), 1);

    // Crossed: the loop no longer comes back.
    send(300);
    EXPECT_EQ(playing(hero), "board_crossing");
}

TEST_F(KerbScene, TheKerbDamageIsAnsweredAtItsEndAndTheLoopComesBack)
{
    create(0);
    send(400);
    EXPECT_EQ(notes("03_bordur_damage1"), Calls{note(100, nullptr)});
    EXPECT_EQ(notes("00_movies"), Calls{note(3023, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), Calls{note(5201, nullptr)});
    EXPECT_EQ(playing(hero), "bordur_damage");
    EXPECT_EQ(points(hero).back(), "bordur_damage/1>600");

    engine->frames(8, 0.1f);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, room)});
    EXPECT_EQ(points(hero), kIdle);
    EXPECT_EQ(hero->mLoop, 1);
    EXPECT_TRUE(hero->isRunning());
    EXPECT_EQ(CVirtualScript::getVarI("01_hero@state"), 0);
}

TEST_F(KerbScene, AHeroWhoHasCrossedGetsNoLoopUntilADamageEnds)
{
    create(1);
    EXPECT_TRUE(points(hero).empty());
    send(300);
    EXPECT_TRUE(points(hero).empty());
    send(600);
    EXPECT_EQ(points(hero), kIdle);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, room)});
}

TEST_F(KerbScene, ASecondCrossingAnswersOnceAndClearingHidesTheHero)
{
    create(0);
    send(100);
    send(100);
    engine->frames(125, 0.1f);
    // Only the timer of the latest crossing answers.
    EXPECT_EQ(notes("00_game_interface").size(), 1u);
    send(1100);
    EXPECT_FALSE(shown("01_hero_dress"));
    EXPECT_FALSE(hero->isRunning());
}
}
