// The interference script on the headless engine with a seeded random
// source: jumps of the texture scroll of one unit of a material, every
// "interval" ms or, with 0, every frame.
#include "00_pomehi.h"
#include "HeadlessEngine.h"
#include "Scene.h"
#include "TestSupport.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

#include <cmath>

namespace
{
const char* const kRoom = R"(<scene formatVersion="0.2.0">
  <nodes>
    <node name="noise" script="00_pomehi.sc">
      <params>
        <param name="material" value="screen"/>
        <param name="pass" value="1"/>
        <param name="unit" value="1"/>
        <param name="interval" value="250"/>
      </params>
    </node>
    <node name="noise_fast" script="00_pomehi.sc">
      <params><param name="material" value="screen2"/></params>
    </node>
  </nodes>
</scene>)";

class Pomehi : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : {"screen", "screen2"})
        {
            Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().create(name, "General");
            m->getTechnique(0)->getPass(0)->createTextureUnitState();
            Ogre::Pass* second = m->getTechnique(0)->createPass();
            second->createTextureUnitState();
            second->createTextureUnitState();
        }
        ASSERT_TRUE(tq::writeFile("room.scene", kRoom));
        Scene::loadScene("room.scene", true);
        engine.frame(0.001f);
    }

    static Ogre::TextureUnitState* unit(const char* material, int pass, int index)
    {
        return Ogre::MaterialManager::getSingleton()
            .getByName(material)
            ->getTechnique(0)
            ->getPass(pass)
            ->getTextureUnitState(index);
    }

    static std::pair<float, float> scroll(const char* material, int pass, int index)
    {
        Ogre::TextureUnitState* u = unit(material, pass, index);
        return {u->getTextureUScroll(), u->getTextureVScroll()};
    }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
};

TEST_F(Pomehi, ParametersAndDefaults)
{
    sc_00_pomehi* noise = tq::HeadlessEngine::scriptOf<sc_00_pomehi>(gApp.findObject("noise"));
    ASSERT_NE(noise, nullptr);
    EXPECT_EQ(noise->material, "screen");
    EXPECT_EQ(noise->pass, 1);
    EXPECT_EQ(noise->unit, 1);
    EXPECT_EQ(noise->interval, 250);
    EXPECT_NE(noise->timer, 0);
    sc_00_pomehi* fast = tq::HeadlessEngine::scriptOf<sc_00_pomehi>(gApp.findObject("noise_fast"));
    ASSERT_NE(fast, nullptr);
    EXPECT_EQ(fast->pass, 0);
    EXPECT_EQ(fast->unit, 0);
    EXPECT_EQ(fast->interval, 0);
}

TEST_F(Pomehi, JumpsToSeededOffsetsOnItsInterval)
{
    // Frames of 100 ms against 250 ms: a jump in every third frame.
    int jumps = 0;
    std::pair<float, float> last = scroll("screen", 1, 1);
    for (int frame = 0; frame < 30; ++frame)
    {
        engine.frame(0.1f);
        const std::pair<float, float> now = scroll("screen", 1, 1);
        if (now != last)
            ++jumps;
        last = now;
        // Offsets are whole hundredths from 0 to 0.99.
        for (float value : {now.first, now.second})
        {
            EXPECT_GE(value, 0.0f);
            EXPECT_LE(value, 0.99f + 1e-6f);
            EXPECT_NEAR(value * 100.0f, std::round(value * 100.0f), 1e-3f);
        }
    }
    EXPECT_GE(jumps, 9);
    EXPECT_LE(jumps, 10);
    // The other units are not touched.
    EXPECT_EQ(scroll("screen", 1, 0), std::make_pair(0.0f, 0.0f));
    EXPECT_EQ(scroll("screen", 0, 0), std::make_pair(0.0f, 0.0f));
}

TEST_F(Pomehi, IntervalZeroJumpsEveryFrame)
{
    CVirtualScript::randomSeed(5);
    std::pair<float, float> last = scroll("screen2", 0, 0);
    for (int frame = 0; frame < 20; ++frame)
    {
        SCOPED_TRACE(frame);
        engine.frame(0.016f);
        const std::pair<float, float> now = scroll("screen2", 0, 0);
        EXPECT_NE(now, last);
        last = now;
    }
}
} // namespace
