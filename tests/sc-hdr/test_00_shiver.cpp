// The shaking script on the headless engine: its parameters, the sine
// around the resting position over frames, the sound on every switch and
// the switch kept across room loads.
#include "00_shiver.h"
#include "HeadlessEngine.h"
#include "Scene.h"
#include "TestSupport.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <cmath>

namespace
{
using tq::RecordingScript;

const char* const kRoom = R"(<scene formatVersion="0.2.0">
  <nodes>
    <node name="bell"><position x="1" y="2" z="3"/></node>
    <node name="shiver" script="00_shiver.sc">
      <params>
        <param name="object" value="bell"/>
        <param name="sound" value="1005"/>
        <param name="ampl_x" value="0.5"/>
        <param name="ampl_z" value="0.25"/>
        <param name="freq" value="2"/>
      </params>
    </node>
    <node name="mute" script="00_shiver.sc"><params><param name="object" value="nowhere"/></params></node>
  </nodes>
</scene>)";

class Shiver : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(tq::writeFile("room.scene", kRoom)); }

    void load()
    {
        engine.addRecorder("00_movies");
        Scene::loadScene("room.scene", true);
        engine.frame(0.001f);
        RecordingScript::calls().clear();
        shiver = tq::HeadlessEngine::scriptOf<sc_00_shiver>(gApp.findObject("shiver"));
        ASSERT_NE(shiver, nullptr);
    }

    static Ogre::Vector3 bell() { return gApp.mSceneMgr->getSceneNode("bell")->getPosition(); }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
    sc_00_shiver* shiver = nullptr;
};

TEST_F(Shiver, ParametersAndTheRestingPosition)
{
    load();
    EXPECT_EQ(shiver->object, gApp.findObjectHandle("bell"));
    EXPECT_EQ(shiver->sound, 1005);
    EXPECT_EQ(shiver->rest, Ogre::Vector3(1, 2, 3));
    EXPECT_EQ(shiver->ampl[0], 0.5f);
    EXPECT_EQ(shiver->ampl[1], 0.0f);
    EXPECT_EQ(shiver->ampl[2], 0.25f);
    EXPECT_EQ(shiver->freq, 2.0f);
    EXPECT_EQ(shiver->timer, 0);
    // Not switched on: it stands still.
    engine.frames(5, 0.25f);
    EXPECT_EQ(bell(), Ogre::Vector3(1, 2, 3));
}

TEST_F(Shiver, ShakesOnASineAndStopsWhereItIs)
{
    load();
    CObject* object = gApp.findObject("shiver");
    engine.notify(object, 101);
    engine.frames(2, 0.001f); // the sound's code arrives one pass later
    EXPECT_EQ(CVirtualScript::getVarI("shiver@play"), 1);
    EXPECT_EQ(RecordingScript::callsOf("00_movies"),
              (std::vector<std::string>{"ON_NOTIFY()", "ON_NOTIFY(1005)", "ON_NOTIFY(1005,0)"}));

    // 2 radians a second in frames of 0.25 s: 0.5 radians a frame; past
    // 6.28319 the phase starts again at 0.
    float phase = 0.0f;
    for (int frame = 0; frame < 16; ++frame)
    {
        SCOPED_TRACE(frame);
        engine.frame(0.25f);
        phase += 0.5f;
        if (phase > 6.28319f)
            phase = 0.0f;
        EXPECT_NEAR(shiver->phase, phase, 1e-4f);
        const Ogre::Vector3 expected = Ogre::Vector3(1, 2, 3) + Ogre::Vector3(0.5f, 0, 0.25f) * std::sin(phase);
        EXPECT_TRUE(bell().positionEquals(expected, 1e-4f));
    }

    // A second 101 while shaking keeps one frame timer: still one step a frame.
    engine.notify(object, 101);
    engine.frame(0.001f);
    const float before = shiver->phase;
    engine.frame(0.25f);
    EXPECT_NEAR(shiver->phase, before + 0.5f, 1e-4f);

    RecordingScript::calls().clear();
    engine.notify(object, 100);
    engine.frames(2, 0.001f);
    const Ogre::Vector3 stopped = bell();
    engine.frames(4, 0.25f);
    EXPECT_EQ(bell(), stopped);
    EXPECT_EQ(CVirtualScript::getVarI("shiver@play"), 0);
    EXPECT_EQ(shiver->timer, 0);
    // The sound plays on the way off too.
    EXPECT_EQ(RecordingScript::callsOf("00_movies"),
              (std::vector<std::string>{"ON_NOTIFY()", "ON_NOTIFY(1005)", "ON_NOTIFY(1005,0)"}));
}

TEST_F(Shiver, ASavedSwitchShakesFromTheStart)
{
    CVirtualScript::setVarI("shiver@play", 1);
    load();
    EXPECT_NE(shiver->timer, 0);
    engine.frame(0.25f);
    EXPECT_NE(bell(), Ogre::Vector3(1, 2, 3));
    // Creation plays no sound.
    EXPECT_TRUE(RecordingScript::callsOf("00_movies").empty());
}

TEST_F(Shiver, AMissingObjectIsWarnedAndNothingMoves)
{
    load();
    EXPECT_NE(engine.log().find("\nWARNING: Can't find object [nowhere] by name!"), std::string::npos);
    sc_00_shiver* mute = tq::HeadlessEngine::scriptOf<sc_00_shiver>(gApp.findObject("mute"));
    ASSERT_NE(mute, nullptr);
    engine.notify(gApp.findObject("mute"), 101);
    engine.frames(3, 0.25f);
    EXPECT_EQ(mute->timer, 0);
    EXPECT_EQ(CVirtualScript::getVarI("mute@play"), 1);
    // No sound code: nothing for "00_movies".
    EXPECT_TRUE(RecordingScript::callsOf("00_movies").empty());
}
} // namespace
