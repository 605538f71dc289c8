// The sky lightning on the headless engine with a seeded random source:
// enabling by any code, the planned flashes and their brightness on the two
// sky materials, the thunder codes to "00_movies" and the hidden sky.
#include "00_sky.h"
#include "HeadlessEngine.h"
#include "Scene.h"
#include "TestSupport.h"
#include "TriangleMesh.h"

#include <OgreEntity.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

namespace
{
using tq::RecordingScript;

const char* const kRoom = R"(<scene formatVersion="0.2.0">
  <nodes>
    <node name="sky" script="00_sky.sc"><entity meshFile="tri.mesh"/></node>
  </nodes>
</scene>)";

class Sky : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : {"01_nebo", "01_fon"})
        {
            Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().create(name, "General");
            m->getTechnique(0)->getPass(0)->createTextureUnitState();
            m->getTechnique(0)->createPass()->createTextureUnitState();
        }
        tq::makeTriangleMesh(gApp.mSceneMgr, "tri.mesh");
        ASSERT_TRUE(tq::writeFile("room.scene", kRoom));
    }

    void load()
    {
        engine.addRecorder("00_movies");
        Scene::loadScene("room.scene", true);
        engine.frame(0.001f);
        RecordingScript::calls().clear();
        object = gApp.findObject("sky");
        sky = tq::HeadlessEngine::scriptOf<sc_00_sky>(object);
        ASSERT_NE(sky, nullptr);
    }

    /// The manual colour of pass 1, unit 0 of a material; -1 when that
    /// unit was never given a modulating manual colour.
    static float brightnessOf(const char* material)
    {
        const Ogre::LayerBlendModeEx& blend = Ogre::MaterialManager::getSingleton()
                                                  .getByName(material)
                                                  ->getTechnique(0)
                                                  ->getPass(1)
                                                  ->getTextureUnitState(0)
                                                  ->getColourBlendMode();
        if (blend.operation != Ogre::LBX_MODULATE || blend.source2 != Ogre::LBS_MANUAL)
            return -1.0f;
        return blend.colourArg2.r;
    }

    /// The thunder codes "00_movies" received.
    static std::vector<int> thunders()
    {
        std::vector<int> codes;
        for (const std::string& call : RecordingScript::callsOf("00_movies"))
            if (call.size() > 12 && call.compare(0, 10, "ON_NOTIFY(") == 0 && call.find(',') != std::string::npos)
                codes.push_back(std::stoi(call.substr(10)));
        return codes;
    }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
    CObject* object = nullptr;
    sc_00_sky* sky = nullptr;
};

TEST_F(Sky, OffUntilACodeEnablesIt)
{
    load();
    EXPECT_EQ(sky->timer, 0);
    EXPECT_EQ(sky->burst, 4);
    EXPECT_EQ(sky->thunder, 1);
    EXPECT_EQ(sky->flashDuration, 100.0f);
    engine.frames(20, 0.05f);
    EXPECT_EQ(brightnessOf("01_nebo"), -1.0f);
    EXPECT_TRUE(thunders().empty());

    // Any code; a second one adds no second frame timer.
    engine.notify(object, 7);
    engine.notify(object, 8);
    engine.frame(0.001f);
    EXPECT_EQ(CVirtualScript::getVarI("00_sky@enabled"), 1);
    EXPECT_NE(sky->timer, 0);
    EXPECT_EQ(object->mTimers.live, 1);
}

TEST_F(Sky, FlashesComeInBurstsWithThunderAfterEachPause)
{
    CVirtualScript::setVarI("00_sky@enabled", 1);
    load();
    ASSERT_NE(sky->timer, 0);
    CVirtualScript::randomSeed(42);

    // The first frame plans the first flash of the burst to start now: it
    // is not shown in that frame.
    engine.frame(0.05f);
    EXPECT_EQ(sky->burst, 3);
    EXPECT_EQ(sky->pause, 0);
    EXPECT_EQ(sky->flashStart, static_cast<float>(gApp.mGameClock));
    EXPECT_GE(sky->flashDuration, 200.0f);
    EXPECT_LT(sky->flashDuration, 300.0f);
    EXPECT_EQ(brightnessOf("01_nebo"), 0.0f);
    EXPECT_TRUE(thunders().empty());

    // The next frame is inside it: the thunder (once) and the brightness
    // 0.5 + 2x(1 - x) with x the part of the flash still to come.
    engine.frame(0.05f);
    const float x = (sky->flashEnd - static_cast<float>(gApp.mGameClock)) / sky->flashDuration;
    EXPECT_NEAR(brightnessOf("01_nebo"), 0.5f + 2.0f * x * (1.0f - x), 1e-5f);
    EXPECT_EQ(brightnessOf("01_fon"), brightnessOf("01_nebo"));
    engine.frame(0.001f); // the thunder's code arrives one pass later
    ASSERT_EQ(thunders().size(), 1u);
    EXPECT_GE(thunders()[0], 1001);
    EXPECT_LE(thunders()[0], 1003);

    // Three flashes back to back, then a flash 10 s later with thunder.
    std::vector<int> pauses;
    float plannedEnd = sky->flashEnd;
    for (int frame = 0; frame < 400 && pauses.size() < 4; ++frame)
    {
        engine.frame(0.05f);
        if (sky->flashEnd != plannedEnd)
        {
            pauses.push_back(sky->pause);
            plannedEnd = sky->flashEnd;
        }
        EXPECT_LE(brightnessOf("01_nebo"), 1.0f);
    }
    ASSERT_EQ(pauses.size(), 4u);
    EXPECT_EQ(pauses[0], 0);
    EXPECT_EQ(pauses[1], 0);
    EXPECT_EQ(pauses[2], 10000);
    EXPECT_EQ(pauses[3], 0);
    EXPECT_EQ(thunders().size(), 2u);
}

TEST_F(Sky, BrightnessFadesAfterAFlashAndNothingRunsWhileHidden)
{
    CVirtualScript::setVarI("00_sky@enabled", 1);
    load();
    // Into the long pause of the first burst: the flashes are over.
    for (int frame = 0; frame < 200 && sky->pause != 10000; ++frame)
        engine.frame(0.05f);
    ASSERT_EQ(sky->pause, 10000);
    engine.frame(0.05f);
    const float b = brightnessOf("01_nebo");
    engine.frame(0.05f);
    if (b > 0.0f)
    {
        EXPECT_NEAR(brightnessOf("01_nebo"), b - 0.05f, 1e-5f);
    }
    engine.frames(40, 0.05f);
    EXPECT_LE(brightnessOf("01_nebo"), 0.0f);
    EXPECT_GT(brightnessOf("01_nebo"), -0.05f);

    // Hidden over the flash after the pause: nothing changes, and the flash
    // whose time has passed is not shown afterwards.
    object->getEntity()->setVisible(false);
    const float start = sky->flashStart;
    const float end = sky->flashEnd;
    const size_t heard = thunders().size();
    engine.frames(240, 0.05f);
    EXPECT_EQ(sky->flashStart, start);
    EXPECT_EQ(sky->flashEnd, end);
    EXPECT_EQ(thunders().size(), heard);
    object->getEntity()->setVisible(true);
    engine.frame(0.05f);
    EXPECT_GT(sky->flashStart, end);
    EXPECT_EQ(thunders().size(), heard);
}
} // namespace
