// The distance glow on the headless engine: it fades in as the camera comes
// near and out as it leaves, dims toward the screen's border, is switched
// off and on by codes, keeps its off state in the game, and waits while the
// camera moves.
#include "00_billbord_depth_glow.h"
#include "ScriptFixture.h"
#include "TestSupport.h"

#include <OgreBillboardSet.h>
#include <OgreCamera.h>
#include <OgreMath.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <map>

namespace
{
using tq::ScriptFixture;

typedef std::map<std::string, std::string> Params;

class DepthGlow : public ::testing::Test, public ScriptFixture
{
protected:
    void SetUp() override
    {
        gApp.mCamera->setNearClipDistance(0.1f);
    }

    /// A glow object "name" with billboard set and material "name_bb" and
    /// "name_mat", in front of the camera at position, steady (no flicker).
    CObject* add(const std::string& name, const vec3& position, Params params = Params())
    {
        CObject* object = engine->addObject(name, "00_billbord_depth_glow.sc");
        object->getNode()->setPosition(position);
        Ogre::BillboardSet* set = gApp.mSceneMgr->createBillboardSet(name + "_bb");
        set->createBillboard(vec3::ZERO);
        object->getNode()->attachObject(set);
        material(name + "_mat");
        params.insert({"bbname", name + "_bb"});
        params.insert({"mat", name + "_mat"});
        params.insert({"dist", "20"});
        params.insert({"no_flash", "1"});
        object->mParams = params;
        return object;
    }

    static float value(const std::string& name)
    {
        return unit(name + "_mat")->getColourBlendMode().colourArg2.r;
    }
    static bool visible(const std::string& name)
    {
        return gApp.mSceneMgr->getBillboardSet(name + "_bb")->isVisible();
    }
    /// x of a point at depth 10 that the camera shows at screen x.
    static float atScreenX(float x)
    {
        const float half = 10.0f * Ogre::Math::Tan(Ogre::Degree(22.5f)) * 4.0f / 3.0f;
        return (2.0f * x - 1.0f) * half;
    }

    tq::TempDir dir;
};

TEST_F(DepthGlow, FadesInWhenTheCameraIsNearAndOutWhenItLeaves)
{
    CObject* glow = add("glow", vec3(0, 0, -10));
    engine->frame(0.1f);
    engine->frames(2, 0.1f);
    EXPECT_NEAR(value("glow"), 0.3f * 0.7f, 1e-5f);
    EXPECT_TRUE(visible("glow"));
    engine->frames(8, 0.1f);
    EXPECT_NEAR(value("glow"), 0.7f, 1e-5f);

    glow->getNode()->setPosition(0, 0, -30);
    engine->frames(3, 0.1f);
    EXPECT_NEAR(value("glow"), 0.7f * 0.7f, 1e-5f);
    EXPECT_TRUE(visible("glow"));
    engine->frames(8, 0.1f);
    EXPECT_EQ(value("glow"), 0.0f);
    EXPECT_FALSE(visible("glow"));
}

TEST_F(DepthGlow, DimsTowardTheBorderOfTheScreen)
{
    struct Case
    {
        const char* name;
        const char* amp; ///< "screen_amp"; null: missing
        float screenX;
        float factor;
    } cases[] = {
        {"centre", nullptr, 0.5f, 1.0f},
        {"quarter_default", "0", 0.75f, 1.0f}, // 0 counts as 10
        {"quarter", "1", 0.75f, 0.5f},
        {"border", "10", 1.0f, 0.0f},
    };
    for (const Case& c : cases)
    {
        Params params;
        if (c.amp)
            params["screen_amp"] = c.amp;
        add(c.name, vec3(atScreenX(c.screenX), 0, -10), params);
    }
    engine->frames(12, 0.1f);
    for (const Case& c : cases)
        EXPECT_NEAR(value(c.name), 0.7f * c.factor, 1e-4f) << c.name;
}

TEST_F(DepthGlow, CodesSwitchItOffAndOnAndTheGameKeepsTheSwitch)
{
    CObject* glow = add("glow", vec3(0, 0, -10));
    engine->frames(12, 0.1f);
    ASSERT_NEAR(value("glow"), 0.7f, 1e-5f);

    // 100: gone in the same frame, and it stays off near the camera.
    engine->notify(glow, 100);
    engine->frame(0.1f);
    EXPECT_EQ(value("glow"), 0.0f);
    EXPECT_FALSE(visible("glow"));
    EXPECT_EQ(CVirtualScript::getVarS("glow@off"), "1");
    engine->frames(10, 0.1f);
    EXPECT_EQ(value("glow"), 0.0f);

    // 101: back on with its fade; 0: off with the hide speed.
    engine->notify(glow, 101);
    engine->frames(12, 0.1f);
    EXPECT_NEAR(value("glow"), 0.7f, 1e-5f);
    EXPECT_EQ(CVirtualScript::getVarS("glow@off"), "0");
    engine->notify(glow, 0);
    engine->frames(3, 0.1f);
    EXPECT_NEAR(value("glow"), 0.7f * 0.7f, 1e-5f);
    engine->frames(8, 0.1f);
    EXPECT_EQ(value("glow"), 0.0f);
    EXPECT_FALSE(visible("glow"));
    EXPECT_EQ(CVirtualScript::getVarS("glow@off"), "1");

    // Other codes change nothing.
    engine->notify(glow, 55);
    engine->frames(12, 0.1f);
    EXPECT_EQ(value("glow"), 0.0f);
}

TEST_F(DepthGlow, StartsSwitchedOffFromTheSavedGameOrTheRoom)
{
    struct Case
    {
        const char* name;
        int loaded;  ///< "load_from_save"
        int off;     ///< the saved "<name>@off"
        const char* hide;
        bool hidden;
    } cases[] = {
        {"saved_off", 1, 1, "0", true},
        {"saved_on", 1, 0, "1", false},
        {"room_hides", 0, 0, "1", true},
        {"room_shows", 0, 1, "0", false},
    };
    for (int loaded = 1; loaded >= 0; --loaded)
    {
        CVirtualScript::setConfigI("load_from_save", loaded);
        for (const Case& c : cases)
            if (c.loaded == loaded)
            {
                CVirtualScript::setVarI(std::string(c.name) + "@off", c.off);
                add(c.name, vec3(0, 0, -10), Params{{"hide", c.hide}});
            }
        engine->frame(0.1f);
    }
    engine->frames(12, 0.1f);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(value(c.name) == 0.0f, c.hidden);
        EXPECT_EQ(visible(c.name), !c.hidden);
        if (c.hidden)
        {
            EXPECT_EQ(CVirtualScript::getVarI(std::string(c.name) + "@off"), 1);
        }
    }
}

TEST_F(DepthGlow, AMovingCameraHoldsTheFadeInUnlessTheGlowDoesNotCare)
{
    CVirtualScript::setVarI("is_camera_moving", 1);
    add("waits", vec3(0, 0, -10));
    add("goes", vec3(0, 0, -10), Params{{"dont_care_camera_move", "1"}});
    engine->frames(12, 0.1f);
    EXPECT_EQ(value("waits"), 0.0f);
    EXPECT_NEAR(value("goes"), 0.7f, 1e-5f);
    CVirtualScript::setVarI("is_camera_moving", 0);
    engine->frames(12, 0.1f);
    EXPECT_NEAR(value("waits"), 0.7f, 1e-5f);
}

TEST_F(DepthGlow, FlickersBetweenItsBaseAndItsAmplitude)
{
    add("flicker", vec3(0, 0, -10), Params{{"no_flash", "0"}, {"ampl_a", "20"}, {"base_a", "50"}});
    engine->frames(12, 0.1f);
    float low = 1.0f, high = 0.0f;
    for (int i = 0; i < 200; ++i)
    {
        engine->frame(0.025f);
        low = std::min(low, value("flicker"));
        high = std::max(high, value("flicker"));
    }
    EXPECT_GE(low, 0.5f - 1e-5f);
    EXPECT_LE(high, 0.7f + 1e-5f);
    EXPECT_GT(high - low, 0.05f);
}
} // namespace
