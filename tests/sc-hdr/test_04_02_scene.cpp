// The video telephone of location 4 on the headless engine: the girl on the
// screen through the render texture while she plays, the plain screen back
// when she is done, and the reset without a start.
#include "04_02_scene.h"
#include "ActorSceneFixture.h"
#include "TriangleMesh.h"

#include <OgreEntity.h>
#include <OgreSubEntity.h>

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

class VideoScene : public ::testing::Test, public tq::ActorSceneFixture
{
protected:
    VideoScene() : ActorSceneFixture({"00_movies", "00_game_interface"})
    {
        material("04_VideoTel_plane");
        material("04_VideoTel_plane_rtt");
        tq::makeTriangleMesh(gApp.mSceneMgr, "tri.mesh");
        screen = engine->addObject("04_06_VideoTel_plane");
        screenEntity = gApp.mSceneMgr->createEntity("screen_entity", "tri.mesh");
        screen->getNode()->attachObject(screenEntity);
        screen->mEntity = screenEntity;
        screenEntity->setVisible(false);
        girl = actor("09_girl", {{"drags", 1.0f}});
        room = scene("04_02_scene");
    }

    void send(int code)
    {
        engine->notify(room, code);
        engine->frames(2);
    }

    std::string screenMaterial() const { return screenEntity->getSubEntity(0)->getMaterialName(); }

    CObject* screen = nullptr;
    Ogre::Entity* screenEntity = nullptr;
    CAnimatableObject* girl = nullptr;
    CObject* room = nullptr;
};

TEST_F(VideoScene, TheGirlShowsOnTheScreenUntilSheIsDone)
{
    EXPECT_TRUE(screenEntity->getVisible());
    EXPECT_FALSE(shown("09_girl"));

    send(100);
    EXPECT_EQ(CVirtualScript::getConfigI("show_girl_video"), 1);
    EXPECT_EQ(notes("00_movies"), Calls{note(100, nullptr)});
    EXPECT_EQ(screenMaterial(), "04_VideoTel_plane_rtt");
    EXPECT_NE(unit("04_VideoTel_plane_rtt")->getTextureName().find("girl_rtt"), std::string::npos);
    EXPECT_TRUE(shown("09_girl"));
    EXPECT_EQ(points(girl), Calls{"drags/1>200"});

    engine->frames(12, 0.1f);
    EXPECT_EQ(CVirtualScript::getConfigI("show_girl_video"), 0);
    EXPECT_EQ(notes("00_movies"), (Calls{note(100, nullptr), note(100, nullptr)}));
    EXPECT_EQ(screenMaterial(), "04_VideoTel_plane");
    EXPECT_FALSE(shown("09_girl"));
    EXPECT_FALSE(girl->isRunning());
    // The interface does not wait for this scene.
    EXPECT_TRUE(notes("00_game_interface").empty());
}

TEST_F(VideoScene, AResetWithoutAStartRestoresThePlainScreen)
{
    CVirtualScript::setConfigI("show_girl_video", 1);
    screenEntity->getSubEntity(0)->setMaterialName("04_VideoTel_plane_rtt");
    send(200);
    EXPECT_EQ(CVirtualScript::getConfigI("show_girl_video"), 0);
    EXPECT_EQ(screenMaterial(), "04_VideoTel_plane");
    send(1100);
    EXPECT_EQ(notes("00_movies").size(), 1u);
}
}
