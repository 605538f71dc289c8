// The projector cut scene on the headless engine: the projector's light,
// the screen switched to the live picture of "CameraEkran", the camera
// handed from rig to rig by the counted 100s of the scene's timer and of
// the dialog, the answer to the interface and the clear of whatever rig
// runs.
#include "02_01_scene.h"
#include "SceneFixture.h"

#include <OgreAnimationState.h>
#include <OgreCamera.h>

namespace
{
using tq::Told;

class Scene0201 : public tq::SceneFixture
{
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface", "00_sfx_env"});
        light = prop("02_03_Proektor_svet");
        billboard = prop("02_03_Proektor_billboard");
        hero = prop("01_hero");
        girl = prop("09_girl");
        professor = prop("03_professor");
        for (const char* group : {"02_01_scene.scene", "09_girl.scene", "03_professor.scene"})
            prop(std::string(group) + "_part", "", {}, engine.addObject(group)->getNode());
        CObject* screenCam = engine.addObject("CameraEkran");
        screenCam->getNode()->attachObject(gApp.mSceneMgr->createCamera("CameraEkran"));
        rigs[0] = rig("02_01_rtt_anim_cam01", {"00_anim_cam_bone"});
        rigs[1] = rig("02_01_rtt_anim_cam02", {"00_anim_cam_bone01"});
        rigs[2] = rig("02_01_rtt_anim_cam03", {"00_anim_cam_bone02"});
        for (const char* name : {"02_room_ekran/video", "02_room_ekran/video2", "02_room2_lm/02_room_wall",
                                 "02_room2_lm/02_room_wall_dark"})
            material(name, 2);
        renderTexture("prof_rtt2");
        twoPartProp("02_room_ekran");
        twoPartProp("02_03_room");
        scene = prop("02_01_scene", "02_01_scene.sc");
        engine.frame();
        forgetTold();
    }

    sc_02_01_scene* script() { return tq::HeadlessEngine::scriptOf<sc_02_01_scene>(scene); }
    /// The code, and the frames in which the scene's answers arrive.
    void send(int code)
    {
        engine.notify(scene, code, spy("02_dialogs"));
        engine.frames(2);
    }
    /// The rigs that play their animation, as "123" for all three.
    std::string playing()
    {
        std::string result;
        for (int i = 0; i < 3; ++i)
            if (rigs[i]->mAnimState && rigs[i]->mAnimState->getEnabled())
                result += std::to_string(i + 1);
        return result;
    }

    CObject* light = nullptr;
    CObject* billboard = nullptr;
    CObject* hero = nullptr;
    CObject* girl = nullptr;
    CObject* professor = nullptr;
    CObject* rigs[3] = {};
    CObject* scene = nullptr;
};

TEST_F(Scene0201, CreationPlacesTheActorsFarAwayAndMarksWhatTheScreenFilms)
{
    EXPECT_TRUE(hero->getNode()->getPosition().positionEquals(vec3(-709, 29, 0)));
    EXPECT_TRUE(girl->getNode()->getPosition().positionEquals(vec3(-126, 741, -1290)));
    EXPECT_TRUE(professor->getNode()->getOrientation().equals(
        Ogre::Quaternion(Ogre::Degree(-81), Ogre::Vector3::UNIT_Z), Ogre::Radian(1e-4f)));
    for (CObject* o : {hero, girl, professor, light, billboard})
        EXPECT_FALSE(visible(o)) << o->getNodeName();
    for (const char* part : {"02_01_scene.scene_part", "09_girl.scene_part", "03_professor.scene_part"})
        EXPECT_EQ(gApp.mSceneMgr->getEntity(part)->getVisibilityFlags(), 1024u) << part;
    // The screen's texture was asked for its mask (it is no render target here).
    EXPECT_NE(engine.log().find("texture prof_rtt2 is not a render target"), std::string::npos);
}

TEST_F(Scene0201, TheCountedHundredsHandTheCameraFromRigToRig)
{
    send(100);
    EXPECT_EQ(told("00_sfx_env"), (Told{"5010"}));
    EXPECT_TRUE(visible(light));
    EXPECT_TRUE(visible(billboard));
    EXPECT_EQ(materialOf("02_room_ekran", 1), "BaseWhite");

    // Two seconds later the scene's own 100 turns the screen on.
    engine.frame(1.9f);
    EXPECT_EQ(script()->step, 1);
    engine.frame(0.2f);
    engine.frames(2);
    EXPECT_EQ(script()->step, 2);
    EXPECT_FALSE(visible(light));
    EXPECT_TRUE(visible(billboard));
    EXPECT_EQ(materialOf("02_room_ekran", 1), "02_room_ekran/video2");
    EXPECT_EQ(unit("02_room_ekran/video2", 1)->getTextureName(), "prof_rtt2");
    EXPECT_EQ(materialOf("02_03_room", 1), "02_room2_lm/02_room_wall_dark");
    EXPECT_EQ(hangsOn("CameraEkran"), "00_anim_cam_bone");
    EXPECT_EQ(playing(), "1");
    EXPECT_TRUE(visible(hero));
    EXPECT_TRUE(visible(professor));
    EXPECT_FALSE(visible(girl));
    EXPECT_EQ(told("02_dialogs"), (Told{"2050 from 02_01_scene"}));
    EXPECT_EQ(script()->rigInUse, 2);

    send(100);
    EXPECT_EQ(hangsOn("CameraEkran"), "00_anim_cam_bone01");
    EXPECT_EQ(playing(), "2");
    EXPECT_EQ(script()->rigInUse, 3);

    send(100);
    EXPECT_EQ(hangsOn("CameraEkran"), "00_anim_cam_bone02");
    EXPECT_EQ(playing(), "3");
    EXPECT_TRUE(visible(girl));
    EXPECT_EQ(script()->rigInUse, 4);

    // Further 100s only count.
    send(100);
    EXPECT_EQ(script()->step, 5);
    EXPECT_EQ(hangsOn("CameraEkran"), "00_anim_cam_bone02");
    EXPECT_EQ(playing(), "3");

    EXPECT_TRUE(told("00_game_interface").empty());
    send(2050);
    EXPECT_EQ(told("00_game_interface"), (Told{"100 from 02_01_scene"}));

    send(1100);
    EXPECT_EQ(hangsOn("CameraEkran"), "CameraEkran");
    EXPECT_EQ(playing(), "");
    EXPECT_EQ(script()->rigInUse, 0);
    EXPECT_EQ(told("01_cam_move"), (Told{"5303"}));
    EXPECT_EQ(materialOf("02_room_ekran", 1), "02_room_ekran/video");
    EXPECT_EQ(materialOf("02_03_room", 1), "02_room2_lm/02_room_wall");
    for (CObject* o : {hero, girl, professor, light, billboard})
        EXPECT_FALSE(visible(o)) << o->getNodeName();
}

TEST_F(Scene0201, ClearingBeforeAnyRigStillRestoresTheScreenTheWallAndTheCamera)
{
    send(100);
    engine.clearLog();
    send(1100);
    EXPECT_EQ(engine.log().find("stopping ani"), std::string::npos);
    EXPECT_EQ(told("01_cam_move"), (Told{"5303"}));
    EXPECT_EQ(materialOf("02_room_ekran", 1), "02_room_ekran/video");
    EXPECT_EQ(materialOf("02_03_room", 1), "02_room2_lm/02_room_wall");
    EXPECT_FALSE(visible(light));
}
} // namespace
