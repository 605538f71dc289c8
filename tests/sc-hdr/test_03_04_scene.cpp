// The butler's room scene of location 3 on the headless engine: the butler
// as each story state puts him, the re-application on 100 and 101 with its
// echo, the shot played through on the actors' own clocks, and the
// clearing that always leaves him lying.
#include "03_04_scene.h"
#include "ActorSceneFixture.h"

#include <OgreQuaternion.h>

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

const Calls kStanding = {"static_01/3", "worry_static_01/1", "static_01/1", "worry_static_02/1"};
const char* const kProps[] = {"10_butler_shpric", "10_butler_shpric2", "03_verevka_butler_01",
                              "03_verevka_butler_02", "03_04_gun01"};

class ButlerScene : public ::testing::Test, public tq::ActorSceneFixture
{
protected:
    ButlerScene() : ActorSceneFixture({"01_cam_move", "00_movies", "00_sfx_env", "00_game_interface", "asker"}) {}

    void create(int state)
    {
        if (state >= 0)
            CVirtualScript::setVarI("10_butler@state", state);
        hero = actor("01_hero_dress", {{"gun", 1.0f}});
        butler = actor("10_butler", {{"static_01", 1.0f},
                                     {"worry_static_01", 1.0f},
                                     {"worry_static_02", 1.0f},
                                     {"lie_01", 1.0f},
                                     {"lie_02", 1.0f},
                                     {"fall", 1.0f},
                                     {"static", 1.0f}});
        for (const char* name : kProps)
            prop(name);
        room = scene("03_04_scene");
    }

    void send(int code, CObject* sender = nullptr)
    {
        engine->notify(room, code, sender);
        engine->frames(2);
    }

    bool logged(const std::string& text) const { return engine->log().find(text) != std::string::npos; }

    CAnimatableObject* hero = nullptr;
    CAnimatableObject* butler = nullptr;
    CObject* room = nullptr;
};

TEST_F(ButlerScene, EachStoryStatePutsTheButlerIntoTheRoom)
{
    struct Case
    {
        int state;
        bool butlerShown;
        Calls points;
        bool tied;
    };
    // In the story's order, as the later scenes set the state and ask for
    // it to be applied.
    const Case cases[] = {
        {0, true, kStanding, false},    {1, true, kStanding, false}, {2, true, {"lie_01/-1"}, false},
        {3, true, {"lie_02/-1"}, true}, {4, false, {}, false},
    };
    create(-1);
    EXPECT_TRUE(shown("10_butler"));
    EXPECT_EQ(points(butler), kStanding);
    // The gun is the hero's: it stays as the room has it until he draws.
    for (const char* name : {"10_butler_shpric", "10_butler_shpric2", "03_verevka_butler_01", "03_verevka_butler_02"})
        EXPECT_FALSE(shown(name)) << name;

    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.state);
        CVirtualScript::setVarI("10_butler@state", c.state);
        engine->clearLog();
        send(100);

        EXPECT_EQ(shown("10_butler"), c.butlerShown);
        // A butler shut away is only hidden: what he still plays is unseen.
        if (c.butlerShown)
        {
            EXPECT_EQ(points(butler), c.points);
            EXPECT_EQ(butler->mLoop, c.points == kStanding ? 1 : 0);
        }
        if (c.points == kStanding)
        {
            EXPECT_NEAR(at("10_butler").x, 563.21f, 1e-3f);
            EXPECT_NEAR(turn("10_butler"), -68.741f, 1e-3f);
        }
        else if (c.butlerShown)
        {
            EXPECT_NEAR(at("10_butler").y, -684.167f, 1e-3f);
            const Ogre::Quaternion q = gApp.mSceneMgr->getSceneNode("10_butler")->getOrientation();
            EXPECT_NEAR(q.w, 0.544803f, 1e-5f);
            EXPECT_NEAR(q.z, 0.838564f, 1e-5f);
        }
        EXPECT_EQ(shown("10_butler_shpric2"), c.tied);
        EXPECT_EQ(shown("03_verevka_butler_01"), c.tied);
        EXPECT_EQ(shown("03_verevka_butler_02"), c.tied);
        EXPECT_FALSE(shown("10_butler_shpric"));
        // The ropes go onto his forearm and calf (this butler has no
        // skeleton, which the engine reports).
        EXPECT_EQ(logged("Can't find bone 10_butler_Bip01_L_Forearm in 10_butler skeleton"), c.tied);
        EXPECT_EQ(logged("Can't find bone 10_butler_Bip01_L_Calf in 10_butler skeleton"), c.tied);
    }
}

TEST_F(ButlerScene, AskedAgainItAppliesTheNewStateAndEchoesTheAsker)
{
    create(3);
    CVirtualScript::setVarI("10_butler@state", 4);
    CObject* asker = gApp.findObject("asker");
    send(101, asker);
    EXPECT_EQ(notes("asker"), Calls{note(101, nullptr)});
    for (const char* name : {"10_butler", "10_butler_shpric2", "03_verevka_butler_01", "03_verevka_butler_02"})
        EXPECT_FALSE(shown(name)) << name;

    CVirtualScript::setVarI("10_butler@state", 1);
    send(101);
    send(100);
    EXPECT_EQ(notes("asker").size(), 1u);
    EXPECT_TRUE(shown("10_butler"));
    EXPECT_EQ(points(butler), kStanding);
}

TEST_F(ButlerScene, TheShotPlaysThroughToTheAnswer)
{
    create(0);
    send(200);
    EXPECT_EQ(notes("00_sfx_env"), Calls{note(1008, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), Calls{note(10303, nullptr)});
    EXPECT_TRUE(shown("03_04_gun01"));
    EXPECT_TRUE(logged("Can't find bone 01_hero_Bip01_L_Hand in 01_hero_dress skeleton"));
    EXPECT_TRUE(shown("01_hero_dress"));
    EXPECT_NEAR(at("01_hero_dress").x, -164.45f, 1e-3f);
    EXPECT_NEAR(turn("01_hero_dress"), -9.2f, 1e-3f);
    EXPECT_EQ(points(hero), Calls{"gun/1>300"});

    // The hero's one second of "gun" brings the shot, the butler's second
    // of "fall" the answer.
    engine->frames(12, 0.1f);
    EXPECT_EQ(notes("00_movies"), Calls{note(3026, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), (Calls{note(10303, nullptr), note(5437, nullptr)}));
    EXPECT_TRUE(shown("10_butler_shpric"));
    EXPECT_EQ(points(butler), (Calls{"fall/1>400", "static/-1"}));
    EXPECT_EQ(butler->mLoop, 0);
    EXPECT_TRUE(notes("00_game_interface").empty());

    engine->frames(12, 0.1f);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(200, room)});
    EXPECT_EQ(playing(butler), "static");
}

TEST_F(ButlerScene, ClearingAlwaysLeavesHimLying)
{
    create(0);
    for (int state : {0, 3, 4})
    {
        SCOPED_TRACE(state);
        CVirtualScript::setVarI("10_butler@state", state);
        send(200);
        send(1100);
        EXPECT_EQ(CVirtualScript::getVarI("10_butler@state"), 2);
        EXPECT_TRUE(shown("10_butler"));
        EXPECT_EQ(points(butler), Calls{"lie_01/-1"});
        EXPECT_FALSE(shown("01_hero_dress"));
        EXPECT_FALSE(hero->isRunning());
        EXPECT_FALSE(shown("03_04_gun01"));
        EXPECT_FALSE(shown("10_butler_shpric"));
    }
}
}
