// The particle switch on the headless engine with the particle plug-in: the
// saved on/off state, the codes 100 and 101, and the one-off pair of delays
// of 200.
#include "00_particles.h"
#include "HeadlessEngine.h"
#include "Scene.h"
#include "TestSupport.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>

#include <gtest/gtest.h>

#include <memory>

namespace
{
const char* const kRoom = R"(<scene formatVersion="0.2.0">
  <nodes>
    <node name="fx" script="00_particles.sc">
      <params>
        <param name="particle" value="smoke"/>
        <param name="time_on" value="500"/>
        <param name="time_off" value="3000"/>
      </params>
    </node>
    <node name="fx_reversed" script="00_particles.sc">
      <params>
        <param name="particle" value="steam"/>
        <param name="time_on" value="800"/>
        <param name="time_off" value="300"/>
      </params>
    </node>
    <node name="fx_bare" script="00_particles.sc"/>
  </nodes>
</scene>)";

class Particles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gApp.mRoot->loadPlugin(std::string(TQ_OGRE_PLUGIN_DIR) + "/Plugin_ParticleFX");
        Ogre::ParticleSystemManager::getSingleton()._initialise();
        for (const char* name : {"smoke", "steam"})
        {
            Ogre::ParticleSystem* system = gApp.mSceneMgr->createParticleSystem(name, 100);
            system->addEmitter("Point");
            system->addEmitter("Point");
            gApp.mSceneMgr->getRootSceneNode()->attachObject(system);
        }
        ASSERT_TRUE(tq::writeFile("room.scene", kRoom));
    }

    void TearDown() override
    {
        gApp.mSceneMgr->destroyAllParticleSystems();
    }

    void load()
    {
        Scene::loadScene("room.scene", true);
        engine.frame(0.001f);
    }

    /// 1 when both emitters emit, 0 when neither does, -1 otherwise.
    static int emitting(const char* name)
    {
        Ogre::ParticleSystem* system = gApp.mSceneMgr->getParticleSystem(name);
        const bool first = system->getEmitter(0)->getEnabled();
        return first == system->getEmitter(1)->getEnabled() ? (first ? 1 : 0) : -1;
    }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
};

TEST_F(Particles, CreationFollowsTheSavedState)
{
    CVirtualScript::setVarI("fx@play", 1);
    load();
    sc_00_particles* fx = tq::HeadlessEngine::scriptOf<sc_00_particles>(gApp.findObject("fx"));
    ASSERT_NE(fx, nullptr);
    EXPECT_STREQ(fx->particle, "smoke");
    EXPECT_EQ(fx->time_on, 500);
    EXPECT_EQ(fx->time_off, 3000);
    EXPECT_EQ(fx->timer_on, 0);
    EXPECT_EQ(emitting("smoke"), 1);
    // Never switched: off.
    EXPECT_EQ(emitting("steam"), 0);
}

TEST_F(Particles, CodesSwitchAndSaveTheEmission)
{
    load();
    CObject* fx = gApp.findObject("fx");
    struct Step
    {
        int code;
        int emitting;
        int saved;
    } steps[] = {{101, 1, 1}, {7, 1, 1}, {100, 0, 0}, {101, 1, 1}, {100, 0, 0}};
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.code);
        engine.notify(fx, step.code);
        engine.frame(0.001f);
        EXPECT_EQ(emitting("smoke"), step.emitting);
        EXPECT_EQ(CVirtualScript::getVarI("fx@play"), step.saved);
    }
    // A switch without a particle system's name changes no system.
    engine.notify(gApp.findObject("fx_bare"), 101);
    engine.frame(0.001f);
    EXPECT_EQ(emitting("smoke"), 0);
    EXPECT_EQ(emitting("steam"), 0);
    EXPECT_EQ(CVirtualScript::getVarI("fx_bare@play"), 1);
}

TEST_F(Particles, StartEmitsBetweenTheTwoDelaysWithoutSaving)
{
    load();
    engine.notify(gApp.findObject("fx"), 200);
    engine.notify(gApp.findObject("fx_reversed"), 200);
    struct Sample
    {
        int ms;
        int smoke; // on after 0.5 s, off after 3 s
        int steam; // off after 0.3 s, then on after 0.8 s for good
    } samples[] = {{0, 0, 0}, {400, 0, 0}, {700, 1, 0}, {1000, 1, 1}, {2900, 1, 1}, {3200, 0, 1}, {6000, 0, 1}};
    int now = 0;
    for (const Sample& sample : samples)
    {
        SCOPED_TRACE(sample.ms);
        for (; now < sample.ms; now += 100)
            engine.frame(0.1f);
        EXPECT_EQ(emitting("smoke"), sample.smoke);
        EXPECT_EQ(emitting("steam"), sample.steam);
    }
    EXPECT_EQ(CVirtualScript::getVarI("fx@play"), 0);
    EXPECT_EQ(CVirtualScript::getVarI("fx_reversed@play"), 0);
}

TEST_F(Particles, ASecondStartReplacesThePair)
{
    load();
    CObject* fx = gApp.findObject("fx");
    sc_00_particles* script = tq::HeadlessEngine::scriptOf<sc_00_particles>(fx);
    engine.notify(fx, 200);
    engine.frame(0.001f);
    const int firstOn = script->timer_on;
    engine.frames(2, 0.1f);
    engine.notify(fx, 200); // now on at 0.7 s, off at 3.2 s
    engine.frame(0.001f);
    EXPECT_NE(script->timer_on, firstOn);
    struct Sample
    {
        int ms;
        int smoke;
    } samples[] = {{600, 0}, {800, 1}, {3100, 1}, {3400, 0}};
    int now = 200;
    for (const Sample& sample : samples)
    {
        SCOPED_TRACE(sample.ms);
        for (; now < sample.ms; now += 100)
            engine.frame(0.1f);
        EXPECT_EQ(emitting("smoke"), sample.smoke);
    }
}
} // namespace
