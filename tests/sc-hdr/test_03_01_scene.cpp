// The hall scene of location 3 on the headless engine: the counted chain
// from the task's 100 to the answer, with the echoes sent by hand as the
// dialog player, the actors' way-points and the loader would send them;
// what is not a step, the skip and the clearing.
#include "03_01_scene.h"
#include "ActorSceneFixture.h"

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

class HallScene : public ::testing::Test, public tq::ActorSceneFixture
{
protected:
    HallScene()
        : ActorSceneFixture({"01_cam_move", "02_dialogs", "00_movies", "00_loader", "00_game_interface", "01_01_scene_ds",
                        "03_04_scene"})
    {
        hero = actor("01_hero_dress", {{"dress_worry_static_02", 2.0f}});
        lord = actor("02_lord", {{"stupenki_vniz", 3.0f}, {"static", 1.0f}});
        butler = actor("10_butler", {{"walk", 2.0f}, {"static", 1.0f}});
        room = scene("03_01_scene");
        loader = gApp.findObject("00_loader");
    }

    void send(int code, CObject* sender = nullptr)
    {
        engine->notify(room, code, sender);
        engine->frames(2);
    }

    CAnimatableObject* hero = nullptr;
    CAnimatableObject* lord = nullptr;
    CAnimatableObject* butler = nullptr;
    CObject* room = nullptr;
    CObject* loader = nullptr;
};

TEST_F(HallScene, TheChainPlaysOnceFromTheTaskToTheAnswer)
{
    EXPECT_FALSE(shown("01_hero_dress"));
    EXPECT_FALSE(shown("02_lord"));
    EXPECT_FALSE(shown("10_butler"));

    send(100);
    EXPECT_EQ(notes("01_01_scene_ds"), Calls{note(10144, nullptr)});
    EXPECT_TRUE(shown("01_hero_dress"));
    EXPECT_TRUE(shown("10_butler"));
    EXPECT_NEAR(at("01_hero_dress").x, -44.0999f, 1e-3f);
    EXPECT_NEAR(turn("01_hero_dress"), 85.5f, 1e-3f);
    EXPECT_NEAR(turn("10_butler"), -92.0f, 1e-3f);
    EXPECT_EQ(notes("02_dialogs"), Calls{note(3060, room)});

    send(3060, gApp.findObject("02_dialogs"));
    EXPECT_EQ(notes("00_movies"), Calls{note(3025, nullptr)});
    EXPECT_NEAR(turn("10_butler"), 87.09f, 0.05f);
    EXPECT_EQ(points(butler), (Calls{"walk/-1>100@-26.431,-405.278,0", "static/1"}));
    EXPECT_EQ(playing(butler), "walk");
    EXPECT_EQ(points(hero), Calls{"dress_worry_static_02/-1"});
    EXPECT_EQ(playing(hero), "dress_worry_static_02");
    EXPECT_EQ(notes("01_cam_move"), Calls{note(5421, nullptr)});

    send(100, butler);
    EXPECT_EQ(notes("00_loader"), Calls{note(101, room)});

    send(101, loader);
    EXPECT_EQ(notes("00_loader"), (Calls{note(101, room), note(102, nullptr)}));
    EXPECT_FALSE(shown("10_butler"));
    EXPECT_FALSE(butler->isRunning());
    EXPECT_TRUE(shown("01_hero_dress"));
    EXPECT_FALSE(hero->isRunning());
    EXPECT_TRUE(shown("02_lord"));
    EXPECT_NEAR(at("02_lord").z, 136.36f, 1e-3f);
    EXPECT_EQ(points(lord), (Calls{"stupenki_vniz/-1>100@0.009,-141.33,8.199", "static/1"}));
    EXPECT_EQ(playing(lord), "stupenki_vniz");
    EXPECT_EQ(notes("01_cam_move"), (Calls{note(5421, nullptr), note(5424, nullptr)}));

    // The lord's way-point tells the scene he is down the steps.  These
    // fixture actors never walk, so he is stopped here as if arrived: a
    // lord still on his way would keep turning himself.
    lord->stop();
    send(100, lord);
    EXPECT_NEAR(at("02_lord").x, -37.0f, 1e-3f);
    EXPECT_NEAR(turn("02_lord"), -95.4f, 1e-3f);
    EXPECT_EQ(notes("02_dialogs"), (Calls{note(3060, room), note(3061, room)}));
    EXPECT_TRUE(notes("00_game_interface").empty());

    send(3061, gApp.findObject("02_dialogs"));
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, room)});

    // The chain is spent for this visit of the room.
    tq::RecordingScript::calls().clear();
    for (int code : {100, 3060, 3061})
        send(code);
    send(101, loader);
    EXPECT_TRUE(tq::RecordingScript::calls().empty());
    EXPECT_EQ(tq::HeadlessEngine::scriptOf<sc_03_01_scene>(room)->step, 10);
}

TEST_F(HallScene, ALoaderFadeWithoutSenderIsNoStepAndAnyStepCodeIs)
{
    send(101);
    EXPECT_TRUE(notes("02_dialogs").empty());
    // The first dialog's id coming early still takes the first step.
    send(3061);
    EXPECT_EQ(notes("02_dialogs"), Calls{note(3060, room)});
}

TEST_F(HallScene, ASkipFreezesTheChainButClearingStillWorks)
{
    send(100);
    send(6789);
    tq::RecordingScript::calls().clear();
    send(3060);
    send(100);
    send(101, loader);
    EXPECT_TRUE(tq::RecordingScript::calls().empty());
    EXPECT_EQ(tq::HeadlessEngine::scriptOf<sc_03_01_scene>(room)->step, 1);

    send(1100);
    EXPECT_FALSE(shown("01_hero_dress"));
    EXPECT_FALSE(shown("10_butler"));
    EXPECT_FALSE(shown("02_lord"));
    EXPECT_EQ(notes("03_04_scene"), Calls{note(100, nullptr)});
    EXPECT_TRUE(notes("00_game_interface").empty());
}

TEST_F(HallScene, ClearingStopsTheActors)
{
    send(100);
    send(3060);
    ASSERT_TRUE(butler->isRunning());
    send(1100);
    EXPECT_FALSE(butler->isRunning());
    EXPECT_FALSE(hero->isRunning());
    EXPECT_TRUE(points(butler).empty());
    EXPECT_EQ(notes("03_04_scene"), Calls{note(100, nullptr)});
}
}
