// The rotator on the headless engine: its parameters from a .scene file,
// the speed and the turned node's orientation over frames, the reports to
// the sender and the stop at the next rest position.
#include "00_rotator.h"
#include "HeadlessEngine.h"
#include "Scene.h"
#include "TestSupport.h"
#include "TriangleMesh.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

namespace
{
using tq::RecordingScript;

const char* const kRoom = R"(<scene formatVersion="0.2.0">
  <nodes>
    <node name="wheel"><entity meshFile="tri.mesh"/><rotation anglex="90" angley="0" anglez="0"/></node>
    <node name="rotor" script="00_rotator.sc">
      <params>
        <param name="max_speed" value="30"/>
        <param name="acc" value="40"/>
        <param name="axis_z" value="1"/>
        <param name="anim_obj" value="wheel"/>
        <param name="phases" value="4"/>
      </params>
    </node>
    <node name="spinning" script="00_rotator.sc">
      <params>
        <param name="max_speed" value="40"/>
        <param name="acc" value="40"/>
        <param name="axis_y" value="1"/>
        <param name="phases" value="4"/>
        <param name="state" value="1"/>
      </params>
    </node>
    <node name="bare" script="00_rotator.sc"/>
    <node name="lost" script="00_rotator.sc"><params><param name="anim_obj" value="nowhere"/></params></node>
  </nodes>
</scene>)";

class Rotator : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tq::makeTriangleMesh(gApp.mSceneMgr, "tri.mesh");
        ASSERT_TRUE(tq::writeFile("room.scene", kRoom));
    }

    /// Loads the room and runs the create messages.
    void load()
    {
        Scene::loadScene("room.scene", true);
        engine.frame(0.001f);
        RecordingScript::calls().clear();
    }

    static sc_00_rotator* rotator(const char* name)
    {
        return tq::HeadlessEngine::scriptOf<sc_00_rotator>(gApp.findObject(name));
    }

    static Ogre::Quaternion orientationOf(const char* name)
    {
        return gApp.mSceneMgr->getSceneNode(name)->getOrientation();
    }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
};

TEST_F(Rotator, ParametersDefaultsAndAMissingObject)
{
    load();
    sc_00_rotator* rotor = rotator("rotor");
    ASSERT_NE(rotor, nullptr);
    EXPECT_EQ(rotor->max_speed, 30.0f);
    EXPECT_EQ(rotor->acc, 40.0f);
    EXPECT_EQ(rotor->axis[0], 0.0f);
    EXPECT_EQ(rotor->axis[2], 1.0f);
    EXPECT_EQ(rotor->anim_obj, gApp.findObjectHandle("wheel"));
    EXPECT_EQ(rotor->phases, 4);
    EXPECT_EQ(rotor->state, 0);
    EXPECT_NE(rotor->timer, 0);
    EXPECT_TRUE(rotor->orient.equals(orientationOf("wheel"), Ogre::Radian(1e-4f)));

    // Without parameters it turns its own object, has one rest position a
    // turn and stands still.
    sc_00_rotator* bare = rotator("bare");
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(bare->anim_obj, gApp.findObjectHandle("bare"));
    EXPECT_EQ(bare->phases, 1);
    EXPECT_EQ(bare->max_speed, 0.0f);
    EXPECT_EQ(CVirtualScript::getVarI("bare@state"), 0);

    sc_00_rotator* lost = rotator("lost");
    ASSERT_NE(lost, nullptr);
    EXPECT_EQ(lost->anim_obj, 0u);
    EXPECT_NE(engine.log().find("\nWARNING: Can't find object [nowhere] by name!"), std::string::npos);
    engine.notify(gApp.findObject("lost"), 100);
    engine.frames(5, 0.25f);
    EXPECT_EQ(CVirtualScript::getVarI("lost@state"), 1);
}

TEST_F(Rotator, StartAcceleratesToFullSpeedAndReportsOnce)
{
    load();
    CObject* starter = engine.addRecorder("starter");
    CObject* rotorObject = gApp.findObject("rotor");
    sc_00_rotator* rotor = rotator("rotor");
    const Ogre::Quaternion start = orientationOf("wheel");
    engine.notify(rotorObject, 100, starter);
    engine.frame(0.001f);
    EXPECT_EQ(CVirtualScript::getVarI("rotor@state"), 1);

    // 40 degrees/s^2 in frames of 0.25 s: +10 degrees/s a frame up to 30.
    const float speeds[] = {10.0f, 20.0f, 30.0f, 30.0f, 30.0f};
    const float angles[] = {2.5f, 7.5f, 15.0f, 22.5f, 30.0f};
    for (int i = 0; i < 5; ++i)
    {
        engine.frame(0.25f);
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(rotor->speed, speeds[i]);
        EXPECT_FLOAT_EQ(rotor->angle, angles[i]);
        // The node shows the angle before this frame's step, about Z after
        // the orientation it had at creation.
        const Ogre::Quaternion expected = start * CVirtualScript::eulerDegToQuat(0, 0, i ? angles[i - 1] : 0.0f);
        EXPECT_TRUE(orientationOf("wheel").equals(expected, Ogre::Radian(1e-4f)));
    }
    // Full speed is passed in the fourth frame (30 + 10 > 30): one report.
    engine.frames(3, 0.25f);
    const std::string report = "ON_NOTIFY(100," + std::to_string(rotorObject->getHandle()) + ")";
    const std::vector<std::string> calls = RecordingScript::callsOf("starter");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), report), 1) << ::testing::PrintToString(calls);
}

TEST_F(Rotator, StopTurnsOnToTheNextRestPositionThenSlowsDown)
{
    load();
    CObject* stopper = engine.addRecorder("stopper");
    CObject* spinningObject = gApp.findObject("spinning");
    sc_00_rotator* spinning = rotator("spinning");
    // Created turning: at full speed at once, and nobody to report to.
    EXPECT_EQ(spinning->speed, 40.0f);
    EXPECT_EQ(CVirtualScript::getVarI("spinning@state"), 1);

    engine.frames(3, 0.25f); // 10 degrees a frame: 30
    engine.notify(spinningObject, 200, stopper);
    engine.frame(0.001f);
    tq::RecordingScript::calls().clear();
    EXPECT_EQ(spinning->finish, 1);
    // Four rest positions a turn: the next one is 90 degrees, reached in
    // the sixth frame from here; the step lands on it exactly.
    engine.frames(5, 0.25f);
    EXPECT_EQ(spinning->state, 1);
    EXPECT_FLOAT_EQ(spinning->angle, 80.0f);
    engine.frame(0.25f);
    EXPECT_FLOAT_EQ(spinning->angle, 90.0f);
    EXPECT_EQ(spinning->state, 0);
    EXPECT_EQ(spinning->finish, 0);
    EXPECT_EQ(CVirtualScript::getVarI("spinning@state"), 0);

    // From there 10 degrees/s less a frame: 30, 20, 10, 0, and the speed
    // falls below 0 in the fifth frame, which reports the stop.
    engine.frames(4, 0.25f);
    EXPECT_FLOAT_EQ(spinning->speed, 0.0f);
    EXPECT_TRUE(RecordingScript::callsOf("stopper").empty());
    engine.frame(0.25f);
    engine.frame(0.001f);
    EXPECT_FLOAT_EQ(spinning->angle, 105.0f);
    const std::string report = "ON_NOTIFY(200," + std::to_string(spinningObject->getHandle()) + ")";
    const std::vector<std::string> calls = RecordingScript::callsOf("stopper");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), report), 1) << ::testing::PrintToString(calls);
    // It rests about Y, its own node being the turned one.
    engine.frames(3, 0.25f);
    EXPECT_TRUE(orientationOf("spinning").equals(CVirtualScript::eulerDegToQuat(0, 105.0f, 0),
                                                Ogre::Radian(1e-4f)));
}

TEST_F(Rotator, StopWhileAtRestWaitsForTheNextStart)
{
    load();
    CObject* rotorObject = gApp.findObject("rotor");
    sc_00_rotator* rotor = rotator("rotor");
    engine.notify(rotorObject, 200);
    engine.frames(4, 0.25f);
    EXPECT_EQ(rotor->angle, 0.0f);
    EXPECT_EQ(rotor->finish, 1);

    // 100 starts it; the first rest position passed (90 degrees) starts the
    // deceleration.
    engine.notify(rotorObject, 100);
    engine.frame(0.001f);
    int frames = 0;
    while (rotor->state != 0 && frames < 100)
    {
        engine.frame(0.25f);
        ++frames;
    }
    EXPECT_EQ(rotor->state, 0);
    EXPECT_GE(rotor->angle, 90.0f);
    EXPECT_LT(rotor->angle, 90.0f + 7.5f + 0.01f);
}

TEST_F(Rotator, ASavedGameTakesTheSavedStateOverTheParameter)
{
    CVirtualScript::setConfigI("load_from_save", 1);
    CVirtualScript::setVarI("spinning@state", 0); // its parameter says 1
    CVirtualScript::setVarI("rotor@state", 1);    // it has no parameter
    load();
    EXPECT_EQ(rotator("spinning")->state, 0);
    EXPECT_EQ(rotator("spinning")->speed, 0.0f);
    EXPECT_EQ(rotator("rotor")->state, 1);
    EXPECT_EQ(rotator("rotor")->speed, 30.0f);
    EXPECT_EQ(CVirtualScript::getVarI("rotor@state"), 1);
}
} // namespace
