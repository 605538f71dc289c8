// The opening cut scene on the headless engine: the hero's walk to the
// telephone, the phones in both hands, the professor's picture fading in on
// its plane under the camera while dialog 1000 plays, the cuts of the
// picture's camera, the answer to the interface and the clear that starts
// play.
#include "01_01_scene.h"
#include "SceneFixture.h"

namespace
{
using tq::Names;
using tq::Told;

class Scene0101 : public tq::SceneFixture
{
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface", "00_movies", "00_sfx_env", "01_01_scene_ds"});
        hero = actor("01_hero", {"01_hero_Bip01_R_Hand"},
                     {"static", "walk", "take_phone", "phone_static", "rot_static"});
        professor = actor("03_professor", {"03_prof_Bip01_R_Hand"}, {"static"});
        material("01_01_professor_plane", 2);
        renderTexture("01_04_rtt");
        plane = prop("01_01_professor_plane");
        phone = prop("01_telefon");
        phone2 = prop("01_telefon2");
        camera = engine.addObject("Camera");
        cameraRtt = engine.addObject("CameraRtt");
        locator1 = engine.addObject("01_01_Camera_prof_01");
        locator1->getNode()->setPosition(10, 20, 30);
        locator1->getNode()->setOrientation(Ogre::Quaternion(Ogre::Degree(40), Ogre::Vector3::UNIT_Z));
        locator2 = engine.addObject("01_01_Camera_prof_02");
        locator2->getNode()->setPosition(-5, 6, -7);
        group = engine.addObject("01_01_scene.scene");
        fon = prop("01_prof_fon", "", {}, group->getNode());
        wall = prop("01_prof_stena", "", {}, group->getNode());
        scene = prop("01_01_scene", "01_01_scene.sc");
        engine.frame();
        forgetTold();
    }

    sc_01_01_scene* script() { return tq::HeadlessEngine::scriptOf<sc_01_01_scene>(scene); }
    /// The code, and the frames in which the scene's answers arrive.
    void send(int code)
    {
        engine.notify(scene, code, spy("00_game_interface"));
        engine.frames(2);
    }
    /// The professor's picture weight as the plane's two passes show it.
    std::string planeColours() { return manualColour("01_01_professor_plane", 0) + " | " +
                                        manualColour("01_01_professor_plane", 1); }

    CAnimatableObject* hero = nullptr;
    CAnimatableObject* professor = nullptr;
    CObject* plane = nullptr;
    CObject* phone = nullptr;
    CObject* phone2 = nullptr;
    CObject* camera = nullptr;
    CObject* cameraRtt = nullptr;
    CObject* locator1 = nullptr;
    CObject* locator2 = nullptr;
    CObject* group = nullptr;
    CObject* fon = nullptr;
    CObject* wall = nullptr;
    CObject* scene = nullptr;
};

TEST_F(Scene0101, CreationHidesTheCastAndShowsThePlaneWithoutThePicture)
{
    EXPECT_FALSE(shown("01_hero"));
    EXPECT_FALSE(shown("03_professor"));
    EXPECT_FALSE(visible(plane));
    EXPECT_EQ(script()->hero, h(hero));
    EXPECT_EQ(script()->camMove, h(spy("01_cam_move")));
    EXPECT_EQ(planeColours(), "1.000 1.000 1.000 | 0.000 0.000 0.000");
    EXPECT_EQ(unit("01_01_professor_plane", 0)->getColourBlendMode().operation, Ogre::LBX_ADD);
    EXPECT_EQ(unit("01_01_professor_plane", 1)->getColourBlendMode().operation, Ogre::LBX_MODULATE);
}

TEST_F(Scene0101, TheStartSendsTheHeroToThePhone)
{
    send(100);
    EXPECT_EQ(told("00_movies"), (Told{"1004"}));
    EXPECT_EQ(told("00_sfx_env"), (Told{"1001"}));
    EXPECT_EQ(told("01_cam_move"), (Told{"5101", "10101"}));
    EXPECT_EQ(told("01_01_scene_ds"), (Told{"10143"}));
    EXPECT_TRUE(shown("01_hero"));
    EXPECT_FALSE(visible(phone));
    EXPECT_FALSE(visible(phone2));

    EXPECT_EQ(points(hero), (Names{"static 1000", "walk -1 to (206.542,31.441,0) -> 200@01_01_scene",
                                   "take_phone 1 -> 300@01_01_scene", "phone_static -1 + rot_static -1"}));
    EXPECT_TRUE(hero->mPointList[1].takeOrientation);
    EXPECT_TRUE(hero->mPointList[1].orientation.equals(
        Ogre::Quaternion(Ogre::Degree(161), Ogre::Vector3::UNIT_Z), Ogre::Radian(1e-4f)));
    // It stands no longer than it takes to start walking.
    EXPECT_TRUE(hero->isRunning());
    EXPECT_EQ(hero->getCurrentPoint(), 1);
    EXPECT_TRUE(professor->getNode()->getPosition().positionEquals(vec3(-409.261f, 1120.463f, -474.483f), 1e-3f));
}

TEST_F(Scene0101, TheCallFadesInTheProfessorsPictureOverTwoSeconds)
{
    send(100);
    send(200);
    EXPECT_TRUE(shown("01_telefon"));
    EXPECT_EQ(hangsOn("01_telefon"), "01_hero_Bip01_R_Hand");
    EXPECT_EQ(hangsOn("01_telefon2"), "03_prof_Bip01_R_Hand");
    forgetTold();

    send(300);
    EXPECT_EQ(told("01_cam_move"), (Told{"10102"}));
    EXPECT_EQ(told("02_dialogs"), (Told{"1000 from 01_01_scene"}));
    EXPECT_TRUE(visible(plane));
    EXPECT_TRUE(shown("03_professor"));
    EXPECT_EQ(camera->mAnimSpeed, 1.0f);
    EXPECT_EQ((std::vector<float>(camera->mCurve, camera->mCurve + 4)), (std::vector<float>{0, 1, 0, 0}));
    EXPECT_EQ(unit("01_01_professor_plane", 1)->getTextureName(), "01_04_rtt");
    EXPECT_EQ(group->getNode()->getParent(), camera->getNode());
    EXPECT_TRUE(visible(fon));

    // The fade's first tick came with the step's second frame (16 ms);
    // half a second is a quarter of the fade.
    EXPECT_FLOAT_EQ(script()->fade, 0.008f);
    engine.frame(0.5f);
    EXPECT_FLOAT_EQ(script()->fade, 0.258f);
    EXPECT_EQ(planeColours(), "0.742 0.742 0.742 | 0.258 0.258 0.258");
    engine.frames(2, 0.5f);
    EXPECT_EQ(scene->mTimers.live, 1);
    engine.frame(0.5f);
    // Above 1 the timer ends; the last weight is applied as it is.
    EXPECT_EQ(scene->mTimers.live, 0);
    EXPECT_EQ(planeColours(), "-0.008 -0.008 -0.008 | 1.008 1.008 1.008");
    engine.frame(0.5f);
    EXPECT_FLOAT_EQ(script()->fade, 1.008f);
}

TEST_F(Scene0101, TheDialogsStepsCutThePicturesCameraAndPutThePictureAway)
{
    send(100);
    send(300);
    send(400);
    EXPECT_TRUE(cameraRtt->getNode()->getPosition().positionEquals(vec3(10, 20, 30)));
    EXPECT_TRUE(cameraRtt->getNode()->getOrientation().equals(locator1->getNode()->getOrientation(),
                                                              Ogre::Radian(1e-5f)));
    send(500);
    EXPECT_TRUE(cameraRtt->getNode()->getPosition().positionEquals(vec3(-5, 6, -7)));
    EXPECT_TRUE(cameraRtt->getNode()->getOrientation().equals(Ogre::Quaternion::IDENTITY, Ogre::Radian(1e-5f)));

    send(600);
    EXPECT_FALSE(visible(plane));
    EXPECT_FALSE(visible(fon));
    EXPECT_FALSE(visible(wall));
    EXPECT_FALSE(shown("03_professor"));
    EXPECT_TRUE(told("00_game_interface").empty());

    // The dialog's echo, or 1000 from anyone before it, ends the scene.
    send(1000);
    EXPECT_EQ(told("00_game_interface"), (Told{"100 from 01_01_scene"}));
}

TEST_F(Scene0101, ClearingUndoesTheSceneAndStartsPlayWithoutAnsweringTheTask)
{
    send(100);
    send(200);
    send(300);
    forgetTold();
    send(1100);
    EXPECT_EQ(told("02_dialogs"), (Told{"10000"}));
    EXPECT_EQ(told("00_game_interface"), (Told{"555"}));
    EXPECT_EQ(told("01_cam_move"), (Told{"5102"}));
    EXPECT_EQ(told("01_01_scene_ds"), (Told{"200"}));
    EXPECT_EQ(group->getNode()->getParent(), gApp.mSceneMgr->getRootSceneNode());
    EXPECT_FALSE(visible(fon));
    EXPECT_FALSE(shown("01_hero"));
    EXPECT_FALSE(shown("03_professor"));
    // The phones leave the hands, so hiding them holds when the call comes again.
    for (const char* name : {"01_telefon", "01_telefon2"})
    {
        EXPECT_EQ(hangsOn(name), name);
        EXPECT_FALSE(shown(name)) << name;
    }
    EXPECT_TRUE(hero->mPointList.empty());
    EXPECT_FALSE(hero->isRunning());
}

TEST_F(Scene0101, ASecondCallAfterTheFadeEndsItsTimerAtTheFirstTick)
{
    send(100);
    send(300);
    engine.frames(5, 0.5f);
    ASSERT_EQ(scene->mTimers.live, 0);
    send(300);
    EXPECT_EQ(scene->mTimers.live, 0);
    EXPECT_FLOAT_EQ(script()->fade, 1.016f);
}

class Scene0101Bare : public tq::SceneFixture
{
};

TEST_F(Scene0101Bare, WithoutItsCastTheSceneStillAnswers)
{
    spies({"00_game_interface"});
    CObject* scene = prop("01_01_scene", "01_01_scene.sc");
    engine.frame();
    EXPECT_EQ(tq::HeadlessEngine::scriptOf<sc_01_01_scene>(scene)->hero, 0u);
    EXPECT_NE(engine.log().find("\nWARNING: Can't find object [01_hero] by name!"), std::string::npos);
    for (int code : {100, 200, 300, 400, 500, 600, 1000})
    {
        engine.notify(scene, code);
        engine.frames(2);
    }
    EXPECT_EQ(told("00_game_interface"), (Told{"100 from 01_01_scene"}));
}
} // namespace
