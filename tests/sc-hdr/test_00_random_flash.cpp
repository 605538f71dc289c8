// The flickering light on the headless engine with a seeded random source:
// the grey level that glides between random levels, written every frame
// into texture unit 0 of pass 1 of its material.
#include "00_random_flash.h"
#include "HeadlessEngine.h"
#include "Scene.h"
#include "TestSupport.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

namespace
{
const char* const kRoom = R"(<scene formatVersion="0.2.0">
  <nodes>
    <node name="flash" script="00_random_flash.sc"><params><param name="material" value="lamp"/></params></node>
  </nodes>
</scene>)";

class RandomFlash : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Ogre::MaterialPtr lamp = Ogre::MaterialManager::getSingleton().create("lamp", "General");
        lamp->getTechnique(0)->getPass(0)->createTextureUnitState();
        lamp->getTechnique(0)->createPass()->createTextureUnitState();
        ASSERT_TRUE(tq::writeFile("room.scene", kRoom));
        Scene::loadScene("room.scene", true);
        engine.frame(0.001f);
        flash = tq::HeadlessEngine::scriptOf<sc_00_random_flash>(gApp.findObject("flash"));
        ASSERT_NE(flash, nullptr);
    }

    static const Ogre::LayerBlendModeEx& blend(int pass)
    {
        return Ogre::MaterialManager::getSingleton()
            .getByName("lamp")
            ->getTechnique(0)
            ->getPass(pass)
            ->getTextureUnitState(0)
            ->getColourBlendMode();
    }

    /// The next glide's target level and duration from the random source.
    static void nextGlide(float& to, float& duration)
    {
        to = static_cast<float>(CVirtualScript::randomInt() % 100) * 0.008f + 0.2f;
        duration = static_cast<float>(CVirtualScript::randomInt() % 100) * 0.003f + 0.1f;
    }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
    sc_00_random_flash* flash = nullptr;
};

TEST_F(RandomFlash, CreationReadsTheMaterialAndStartsAFrameTimer)
{
    EXPECT_EQ(flash->material, "lamp");
    EXPECT_NE(flash->timer, 0);
    // The first frame's glide starts from level 0.
    EXPECT_EQ(flash->from, 0.0f);
    EXPECT_EQ(flash->to, 0.0f);
    EXPECT_EQ(flash->duration, 0.0f);
}

TEST_F(RandomFlash, TheFirstGlideStartsFromZeroWithSeededDraws)
{
    CVirtualScript::randomSeed(1234);
    float to = 0.0f, duration = 0.0f;
    nextGlide(to, duration);
    CVirtualScript::randomSeed(1234);
    engine.frame(0.02f);
    EXPECT_EQ(flash->from, 0.0f);
    EXPECT_FLOAT_EQ(flash->to, to);
    EXPECT_FLOAT_EQ(flash->duration, duration);
    const Ogre::LayerBlendModeEx& unit = blend(1);
    EXPECT_EQ(unit.operation, Ogre::LBX_MODULATE);
    EXPECT_EQ(unit.source1, Ogre::LBS_TEXTURE);
    EXPECT_EQ(unit.source2, Ogre::LBS_MANUAL);
    const float step = static_cast<float>(gApp.mFrameMs) / 1000.0f;
    EXPECT_NEAR(unit.colourArg2.r, step / duration * to, 1e-5f);
    EXPECT_EQ(unit.colourArg2.g, unit.colourArg2.r);
    EXPECT_EQ(unit.colourArg2.b, unit.colourArg2.r);
    // Pass 0 is left alone.
    EXPECT_NE(blend(0).source2, Ogre::LBS_MANUAL);
}

TEST_F(RandomFlash, EachGlideEndsWhereTheNextBegins)
{
    CVirtualScript::randomSeed(99);
    float lastTo = 0.0f;
    float lastDuration = 0.0f;
    float lastElapsed = 0.0f;
    int glides = 0;
    for (int frame = 0; frame < 150; ++frame)
    {
        SCOPED_TRACE(frame);
        engine.frame(0.02f);
        if (flash->elapsed < lastElapsed || frame == 0)
        {
            // A new glide: the old one had run its whole duration, and the
            // new one starts at the old target.
            ASSERT_GE(lastElapsed, lastDuration);
            ASSERT_FLOAT_EQ(flash->from, lastTo);
            ASSERT_GE(flash->to, 0.2f);
            ASSERT_LE(flash->to, 0.992f + 1e-6f);
            ASSERT_GE(flash->duration, 0.1f);
            ASSERT_LE(flash->duration, 0.397f + 1e-6f);
            ++glides;
        }
        else
            ASSERT_LT(lastElapsed, lastDuration);
        const float k = flash->elapsed / flash->duration;
        EXPECT_NEAR(blend(1).colourArg2.r, (1.0f - k) * flash->from + k * flash->to, 1e-5f);
        lastTo = flash->to;
        lastDuration = flash->duration;
        lastElapsed = flash->elapsed;
    }
    // 3 s of glides of at most 0.4 s each.
    EXPECT_GE(glides, 8);
}
} // namespace
