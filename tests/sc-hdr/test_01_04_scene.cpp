// The two-view cut scene on the headless engine: the thinking hero and
// dialog 1051, the boss's picture and then the professor's on their planes
// under the camera, each filmed from a bone of its rig and fading in, the
// answer to the interface and the clear.
#include "01_04_scene.h"
#include "SceneFixture.h"

#include <OgreAnimationState.h>
#include <OgreCamera.h>

namespace
{
using tq::Names;
using tq::Told;

class Scene0104 : public tq::SceneFixture
{
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface"});
        hero = actor("01_hero", {}, {"static_dumaet"});
        boss = actor("05_agent_boss", {"05_agent_Bip01_R_Hand"}, {});
        professor = actor("03_professor", {}, {});
        bossCase = prop("01_keis_anim_boss");
        camera = engine.addObject("Camera");
        CObject* rtt = engine.addObject("CameraRtt");
        rtt->getNode()->attachObject(gApp.mSceneMgr->createCamera("CameraRtt"));
        for (const char* name : {"01_04_plane_01", "01_04_plane_02"})
            material(name, 2);
        renderTexture("01_04_rtt");
        plane1 = prop("01_04_plane_01");
        plane2 = prop("01_04_plane_02");
        rig1 = rig("01_04_rtt_anim_cam_01", {"00_anim_cam_bone"});
        rig2 = rig("01_04_rtt_anim_cam_02", {"00_anim_cam_bone01"});
        scene = prop("01_04_scene", "01_04_scene.sc");
        engine.frame();
        forgetTold();
    }

    /// The code, and the frames in which the scene's answers arrive.
    void send(int code)
    {
        engine.notify(scene, code);
        engine.frames(2);
    }
    bool underCamera(CObject* o) { return o->getNode()->getParent() == camera->getNode(); }

    CAnimatableObject* hero = nullptr;
    CAnimatableObject* boss = nullptr;
    CAnimatableObject* professor = nullptr;
    CObject* bossCase = nullptr;
    CObject* camera = nullptr;
    CObject* plane1 = nullptr;
    CObject* plane2 = nullptr;
    CObject* rig1 = nullptr;
    CObject* rig2 = nullptr;
    CObject* scene = nullptr;
};

TEST_F(Scene0104, TheStartShowsTheBossPictureFadingInDuringTheDialog)
{
    EXPECT_FALSE(visible(plane1));
    EXPECT_FALSE(visible(plane2));

    send(100);
    EXPECT_EQ(told("02_dialogs"), (Told{"1051 from 01_04_scene"}));
    EXPECT_TRUE(shown("01_hero"));
    EXPECT_TRUE(hero->getNode()->getPosition().positionEquals(vec3(524, -335, 0)));
    EXPECT_EQ(points(hero), (Names{"static_dumaet 1000"}));

    EXPECT_TRUE(shown("05_agent_boss"));
    EXPECT_EQ(hangsOn("01_keis_anim_boss"), "05_agent_Bip01_R_Hand");
    EXPECT_TRUE(boss->getNode()->getPosition().positionEquals(vec3(-221.341f, 938.519f, -416.985f), 1e-3f));
    Ogre::Quaternion turn(0.247366f, -0.767682f, -0.262897f, 0.529489f);
    turn.normalise();
    EXPECT_TRUE(boss->getNode()->getOrientation().equals(turn, Ogre::Radian(1e-3f)));

    EXPECT_TRUE(visible(plane1));
    EXPECT_TRUE(underCamera(plane1));
    EXPECT_EQ(unit("01_04_plane_01", 1)->getTextureName(), "01_04_rtt");
    EXPECT_EQ(hangsOn("CameraRtt"), "00_anim_cam_bone");
    ASSERT_NE(rig1->mAnimState, nullptr);
    EXPECT_EQ(rig1->mAnimState->getAnimationName(), "a");
    // The fade's first tick came with the step's second frame (16 ms).
    engine.frame(0.5f);
    EXPECT_EQ(manualColour("01_04_plane_01", 1), "0.258 0.258 0.258");
    EXPECT_EQ(manualColour("01_04_plane_01", 0), "0.742 0.742 0.742");
    EXPECT_TRUE(told("00_game_interface").empty());
}

TEST_F(Scene0104, TheDialogsStepSwapsTheBossForTheProfessor)
{
    send(100);
    send(200);
    EXPECT_FALSE(shown("05_agent_boss"));
    EXPECT_FALSE(visible(plane1));
    EXPECT_FALSE(underCamera(plane1));
    EXPECT_TRUE(visible(plane2));
    EXPECT_TRUE(underCamera(plane2));
    EXPECT_EQ(unit("01_04_plane_02", 1)->getTextureName(), "01_04_rtt");
    EXPECT_EQ(hangsOn("CameraRtt"), "00_anim_cam_bone01");
    EXPECT_TRUE(shown("03_professor"));
    EXPECT_TRUE(professor->getNode()->getPosition().positionEquals(vec3(-167, 558, -374)));

    // The professor's view fades in over two seconds and then rests.
    engine.frames(5, 0.5f);
    EXPECT_EQ(manualColour("01_04_plane_02", 1), "1.000 1.000 1.000");
    EXPECT_EQ(scene->mTimers.live, 0);

    send(1051);
    EXPECT_EQ(told("00_game_interface"), (Told{"100 from 01_04_scene"}));
    send(1100);
    EXPECT_FALSE(shown("01_hero"));
    EXPECT_FALSE(shown("03_professor"));
    EXPECT_FALSE(visible(plane2));
    EXPECT_FALSE(underCamera(plane2));
    EXPECT_EQ(hangsOn("CameraRtt"), "CameraRtt");
}

TEST_F(Scene0104, ASecondStartRestartsTheDialog)
{
    send(100);
    send(100);
    EXPECT_EQ(told("02_dialogs"), (Told{"1051 from 01_04_scene", "1051 from 01_04_scene"}));
    EXPECT_TRUE(visible(plane1));
    EXPECT_EQ(hangsOn("CameraRtt"), "00_anim_cam_bone");
}

TEST_F(Scene0104, TheStepWithoutTheStartStillShowsTheProfessor)
{
    send(200);
    EXPECT_TRUE(visible(plane2));
    EXPECT_TRUE(underCamera(plane2));
    EXPECT_EQ(unit("01_04_plane_02", 1)->getTextureName(), "01_04_rtt");
    EXPECT_EQ(hangsOn("CameraRtt"), "00_anim_cam_bone01");
    EXPECT_TRUE(shown("03_professor"));
}
} // namespace
