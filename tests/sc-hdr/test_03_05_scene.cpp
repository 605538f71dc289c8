// The tying of the butler on the headless engine: the state is set and
// "03_04_scene" (a spy here) asked to apply it; its echo starts the lying
// loop and the camera animation, whose echo answers; the clearing.
#include "03_05_scene.h"
#include "ActorSceneFixture.h"

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

class TyingScene : public ::testing::Test, public tq::ActorSceneFixture
{
protected:
    TyingScene() : ActorSceneFixture({"01_cam_move", "00_game_interface", "03_04_scene"})
    {
        butler = actor("10_butler", {{"lie_02", 1.0f}, {"lie_03", 1.0f}});
        room = scene("03_05_scene");
    }

    void send(int code)
    {
        engine->notify(room, code);
        engine->frames(2);
    }

    CAnimatableObject* butler = nullptr;
    CObject* room = nullptr;
};

TEST_F(TyingScene, StateThenEchoThenCameraThenAnswer)
{
    send(100);
    EXPECT_EQ(CVirtualScript::getVarI("10_butler@state"), 3);
    EXPECT_EQ(notes("03_04_scene"), Calls{note(101, room)});
    EXPECT_TRUE(points(butler).empty());

    send(101);
    EXPECT_EQ(points(butler), Calls{"lie_03/-1"});
    EXPECT_TRUE(butler->isRunning());
    EXPECT_EQ(notes("01_cam_move"), Calls{note(10304, room)});
    EXPECT_TRUE(notes("00_game_interface").empty());

    send(10304);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(200, room)});
}

TEST_F(TyingScene, ClearingLeavesHimLyingTiedAndCutsBack)
{
    send(100);
    send(101);
    send(1100);
    EXPECT_EQ(points(butler), Calls{"lie_02/-1"});
    EXPECT_TRUE(butler->isRunning());
    EXPECT_EQ(notes("01_cam_move").back(), note(5402, nullptr));
    EXPECT_TRUE(notes("00_game_interface").empty());
}
}
