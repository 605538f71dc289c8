// The cabinet scene of location 3 on the headless engine: the butler turning
// with the cabinet, the hero closing it, the room's cabinet making way, the
// answer 1.5 s before the hero's animation ends with the butler's state 4,
// and the clearing that puts the room's cabinet back and locks its zone.
#include "03_07_scene.h"
#include "ActorSceneFixture.h"
#include "TriangleMesh.h"

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

const char* const kMakeWay[] = {"03_korob3_03", "03_korob2_05", "03_Shield_05", "03_04_hall_shk2_door1",
                                "03_04_hall_shk2_door2"};

class CabinetScene : public ::testing::Test, public tq::ActorSceneFixture
{
protected:
    CabinetScene()
        : ActorSceneFixture({"01_cam_move", "00_movies", "00_game_interface", "03_04_scene", "03_04_az_hall_shk2_msz"})
    {
    }

    void create(float closeSeconds)
    {
        hero = actor("01_hero_dress", {{"close_shkaf", closeSeconds}});
        butler = actor("10_butler", {{"shkaf", 1.0f}, {"shkaf_rot", 1.0f}});
        // A talking way-point wants a body to move the mouth of.
        tq::makeTriangleMesh(gApp.mSceneMgr, "tri.mesh");
        butler->mEntity = gApp.mSceneMgr->createEntity("10_butler_body", "tri.mesh");
        butler->getNode()->attachObject(butler->mEntity);
        for (const char* name : {"03_verevka_butler_01", "03_verevka_butler_02", "03_07_butler_klap", "03_shk2_door1",
                                 "03_shk2_door2"})
            prop(name);
        for (const char* name : kMakeWay)
            prop(name);
        room = scene("03_07_scene");
    }

    void send(int code)
    {
        engine->notify(room, code);
        engine->frames(2);
    }

    CAnimatableObject* hero = nullptr;
    CAnimatableObject* butler = nullptr;
    CObject* room = nullptr;
};

TEST_F(CabinetScene, TheButlerIsShutInAndTheAnswerComesEarly)
{
    create(4.0f);
    EXPECT_FALSE(shown("03_07_butler_klap"));

    send(100);
    EXPECT_EQ(notes("00_movies"), Calls{note(3042, nullptr)});
    EXPECT_TRUE(shown("10_butler"));
    EXPECT_EQ(points(butler), Calls{"shkaf/-1+shkaf_rot/-1"});
    EXPECT_TRUE(shown("03_07_butler_klap"));
    EXPECT_NE(engine->log().find("Can't find bone 10_butler_Bip01_Head in 10_butler skeleton"), std::string::npos);
    EXPECT_EQ(points(hero), Calls{"close_shkaf/1>300"});
    for (const char* name : kMakeWay)
        EXPECT_FALSE(shown(name)) << name;
    EXPECT_TRUE(shown("03_shk2_door1"));
    EXPECT_TRUE(shown("03_shk2_door2"));
    EXPECT_EQ(notes("01_cam_move"), Calls{note(5438, nullptr)});

    // 4 s of closing, answered after 2.5 s.
    engine->frames(23, 0.1f);
    EXPECT_TRUE(notes("00_game_interface").empty());
    engine->frames(4, 0.1f);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, room)});
    EXPECT_EQ(CVirtualScript::getVarI("10_butler@state"), 4);
    EXPECT_EQ(notes("03_04_scene"), Calls{note(100, nullptr)});
}

TEST_F(CabinetScene, AClosingShorterThanTheLeadAnswersAtOnce)
{
    create(1.0f);
    send(100);
    engine->frame();
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, room)});
}

TEST_F(CabinetScene, ClearingBeforeTheAnswerPutsTheRoomBackAndNeverAnswers)
{
    create(4.0f);
    send(100);
    send(1100);
    for (const char* name : {"03_04_hall_shk2_door1", "03_04_hall_shk2_door2"})
        EXPECT_TRUE(shown(name)) << name;
    for (const char* name : {"03_shk2_door1", "03_shk2_door2", "03_07_butler_klap", "01_hero_dress"})
        EXPECT_FALSE(shown(name)) << name;
    EXPECT_EQ(notes("03_04_az_hall_shk2_msz"), Calls{note(202, nullptr)});
    EXPECT_EQ(notes("01_cam_move").back(), note(5402, nullptr));
    EXPECT_FALSE(hero->isRunning());
    EXPECT_FALSE(butler->isRunning());

    engine->frames(40, 0.1f);
    EXPECT_TRUE(notes("00_game_interface").empty());
    EXPECT_EQ(CVirtualScript::getVarI("10_butler@state"), 0);
}
}
