// The help glint on the headless engine: thirty idle seconds, then a glint
// that rises and falls over two seconds on an object of the current camera
// that is still of use, a new one every sixteen seconds, held while the
// camera moves; notifications restart the wait.
#include "00_help_bb.h"
#include "ScriptFixture.h"
#include "TestSupport.h"

#include <OgreBillboard.h>
#include <OgreBillboardSet.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <map>

namespace
{
using tq::ScriptFixture;

class HelpGlint : public ::testing::Test, public ScriptFixture
{
protected:
    void SetUp() override
    {
        CVirtualScript::randomSeed(7);
        material("00_help_bb");
        glint = engine->addObject("00_help_bb");
        set = gApp.mSceneMgr->createBillboardSet("00_help_bb");
        set->createBillboard(vec3::ZERO);
        glint->getNode()->attachObject(set);
        engine->addObject("Camera")->getNode()->setPosition(0.0f, -10.0f, 0.0f);
        engine->addObject("chest")->getNode()->setPosition(1.0f, 0.0f, 0.0f);
        engine->addObject("door")->getNode()->setPosition(-1.0f, 0.0f, 0.0f);
        CVirtualScript::setVarI("cur_cam", 1);
    }

    void create(const std::map<std::string, std::string>& params)
    {
        help = engine->addObject("help", "00_help_bb.sc");
        help->mParams = params;
        engine->frame();
    }
    void createChestAndDoor()
    {
        create({{"count", "2"},
                {"obj_00_name", "chest"},
                {"obj_00_cur_cam", "1"},
                {"obj_00_var", "chest@used"},
                {"obj_01_name", "door"},
                {"obj_01_cur_cam", "2"}});
    }

    static float brightness()
    {
        return unit("00_help_bb")->getColourBlendMode().colourArg2.r;
    }
    vec3 glintAt() const
    {
        return glint->getNode()->getPosition();
    }
    /// Frames of 100 ms; the highest brightness seen.
    float run(int frames)
    {
        float highest = 0.0f;
        for (int i = 0; i < frames; ++i)
        {
            engine->frame(0.1f);
            highest = std::max(highest, brightness());
        }
        return highest;
    }

    CObject* glint = nullptr;
    CObject* help = nullptr;
    Ogre::BillboardSet* set = nullptr;
    tq::TempDir dir;
};

TEST_F(HelpGlint, AfterThirtyIdleSecondsItGlintsOnTheObjectOfTheCurrentCamera)
{
    createChestAndDoor();
    EXPECT_EQ(unit("00_help_bb")->getColourBlendMode().colourArg2, Ogre::ColourValue::Black);
    EXPECT_EQ(run(295), 0.0f);
    EXPECT_EQ(glintAt(), vec3::ZERO);

    // The first glint: up to full brightness and back within two seconds,
    // over the chest, turning with its phase.
    int frames = 0;
    while (glintAt() == vec3::ZERO && frames < 50)
    {
        engine->frame(0.1f);
        ++frames;
    }
    ASSERT_LT(frames, 50);
    EXPECT_EQ(glintAt(), vec3(1.0f, 4.0f, 0.0f));
    engine->frames(10, 0.1f);
    EXPECT_NEAR(brightness(), 1.0f, 1e-4f);
    EXPECT_NEAR(unit("00_help_bb")->getTextureRotate().valueDegrees(), 90.0f, 1e-3f);
    EXPECT_NEAR(set->getBillboard(0)->getOwnWidth(), 0.05f * vec3(0, -10, 0).distance(vec3(1, 4, 0)), 1e-4f);
    engine->frames(10, 0.1f);
    EXPECT_NEAR(brightness(), 0.0f, 1e-5f);

    // Dark until sixteen seconds after the last one began; never on the
    // door, which is seen from camera 2.
    EXPECT_LT(run(130), 1e-5f);
    EXPECT_GT(run(40), 0.9f);
    EXPECT_EQ(glintAt(), vec3(1.0f, 4.0f, 0.0f));
}

TEST_F(HelpGlint, AnObjectOnceDoneIsNeverChosenAgain)
{
    CVirtualScript::setVarI("chest@used", 1);
    createChestAndDoor();
    EXPECT_EQ(run(400), 0.0f);
    CVirtualScript::setVarI("chest@used", 0);
    EXPECT_EQ(run(400), 0.0f);
    EXPECT_EQ(glintAt(), vec3::ZERO);
}

TEST_F(HelpGlint, AMovingCameraHoldsNewGlintsButLetsARunningOneFinish)
{
    createChestAndDoor();
    CVirtualScript::setVarI("is_camera_moving", 1);
    EXPECT_EQ(run(400), 0.0f);
    CVirtualScript::setVarI("is_camera_moving", 0);
    for (int i = 0; i < 50 && glintAt() == vec3::ZERO; ++i)
        engine->frame(0.1f);
    ASSERT_EQ(glintAt(), vec3(1.0f, 4.0f, 0.0f));
    CVirtualScript::setVarI("advanced", 1);
    EXPECT_NEAR(run(20), 1.0f, 0.05f);
    EXPECT_NEAR(brightness(), 0.0f, 1e-5f);
    EXPECT_LT(run(400), 1e-5f);
}

TEST_F(HelpGlint, EveryNotificationRestartsTheWait)
{
    createChestAndDoor();
    run(200);
    // Many at once: one wait, and the object keeps timers to spare.
    for (int i = 0; i < 20; ++i)
        engine->notify(help, i);
    EXPECT_EQ(run(295), 0.0f);
    EXPECT_GT(run(30), 0.9f);
    EXPECT_EQ(help->mTimers.live, 1);
}

TEST_F(HelpGlint, BadParametersAreCutAndNamed)
{
    engine->clearLog();
    create({{"count", "40"}, {"obj_00_name", "nothing"}, {"obj_00_cur_cam", "1"}});
    EXPECT_NE(engine->log().find("\nWARNING: Can't find object [nothing] by name!"), std::string::npos);
    EXPECT_NE(engine->log().find("count 40 out of 0..16"), std::string::npos);
    EXPECT_EQ(tq::HeadlessEngine::scriptOf<sc_00_help_bb>(help)->mCount, 16);
    EXPECT_EQ(run(400), 0.0f);
    EXPECT_EQ(glintAt(), vec3::ZERO);
}
} // namespace
