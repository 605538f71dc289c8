// The script API's animation functions on the headless engine with the
// generated character: own animations and their end notification, linked
// skeletons, way-point functions and their checks, and node flights.
#include "AnimatableObject.h"
#include "Character.h"
#include "HeadlessEngine.h"
#include "VirtualScript.h"

#include <OgreAnimationState.h>
#include <OgreSceneManager.h>

#include <gtest/gtest.h>

namespace
{
const float kDt = 0.125f;

class ApiAnimation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string cfg = tq::characterResources(dir);
        ASSERT_FALSE(cfg.empty());
        engine.reset(new tq::HeadlessEngine(cfg));
        recorder = engine->addRecorder("rec");
        engine->frame(kDt);
        tq::RecordingScript::calls().clear();
        script = tq::HeadlessEngine::scriptOf<CVirtualScript>(recorder);
    }

    /// The recorder's notifications as "code,sender".
    std::vector<std::string> notifications() const
    {
        std::vector<std::string> result;
        for (const std::string& call : tq::RecordingScript::callsOf("rec"))
            if (call.find(',') != std::string::npos)
                result.push_back(call.substr(10, call.size() - 11));
        return result;
    }

    /// A plain object carrying the character, as a room's prop would.
    CObject* addProp(const char* name) { return tq::placeCharacter(new CObject(), name); }

    CAnimatableObject* addWalker(const char* name)
    {
        CAnimatableObject* guy = tq::placeCharacter(new CAnimatableObject(), name);
        guy->initBones();
        guy->addAnimation("idle", "01_guy_idle.skeleton", 0.0f, 0.0f, 3.0f, 0);
        guy->addAnimation("walk", "01_guy_walk.skeleton", 80.0f, 0.0f, 3.0f, 0);
        guy->addAnimation("lip", "01_guy_lip.skeleton", 0.0f, 0.0f, 3.0f, 1);
        return guy;
    }

    /// Applies the scene's node animations, as rendering a frame would.
    static void applySceneAnimations() { gApp.mSceneMgr->_applySceneAnimations(); }

    tq::TempDir dir;
    std::unique_ptr<tq::HeadlessEngine> engine;
    CObject* recorder = nullptr;
    CVirtualScript* script = nullptr;
};

TEST_F(ApiAnimation, LinkedAnimationPlaysItsLoopsAndNotifiesWithItsId)
{
    CObject* prop = addProp("prop");
    const int id = CVirtualScript::startLinkedAnimation(prop->getHandle(), "01_guy_idle.skeleton", "idle", 2,
                                                        recorder->getHandle());
    ASSERT_NE(id, 0);
    EXPECT_NE(engine->log().find("\nPlay linked anim: skel:[01_guy.skeleton][01_guy_idle.skeleton]"),
              std::string::npos);
    ASSERT_NE(prop->mAnimState, nullptr);
    EXPECT_EQ(prop->mAnimState->getAnimationName(), "idle");
    EXPECT_FLOAT_EQ(prop->mAnimState->getTimePosition(), 0.00001f);

    // Two loops of 2 s: the notification comes with the frame that reaches 4 s.
    engine->frames(31, kDt);
    EXPECT_TRUE(notifications().empty());
    engine->frame(kDt);
    EXPECT_EQ(notifications(), std::vector<std::string>{std::to_string(id) + ",0"});
    EXPECT_EQ(prop->mAnimState, nullptr);
    engine->frames(20, kDt);
    EXPECT_EQ(notifications().size(), 1u);
}

TEST_F(ApiAnimation, PlayStopsTheRunningAnimationOnce)
{
    CObject* prop = addProp("prop");
    CVirtualScript::startLinkedAnimation(prop->getHandle(), "01_guy_walk.skeleton", "walk", -1, 0);
    CVirtualScript::startLinkedAnimation(prop->getHandle(), "01_guy_dlg.skeleton", "dlg", -1, 0);
    engine->frames(3, kDt);
    Ogre::AnimationState* dlg = prop->mAnimState;
    ASSERT_NE(dlg, nullptr);

    engine->clearLog();
    const int id = CVirtualScript::animPlay(prop->getHandle(), "walk", 1, 0);
    EXPECT_EQ(engine->log(), "\nstopping ani");
    EXPECT_FALSE(dlg->getEnabled());
    EXPECT_EQ(prop->mAnimState->getAnimationName(), "walk");
    EXPECT_FLOAT_EQ(prop->mAnimState->getTimePosition(), 0.00001f);
    EXPECT_EQ(AnimIds::stateOf(static_cast<uint32_t>(id)), prop->mAnimState);

    // Missing pieces play nothing and say why.
    engine->clearLog();
    EXPECT_EQ(CVirtualScript::animPlay(prop->getHandle(), "fly", 1, 0), 0);
    EXPECT_NE(engine->log().find("\nERROR: animPlay: object 'prop' has no animation 'fly'"), std::string::npos);
    CObject* bare = engine->addObject("bare");
    EXPECT_EQ(CVirtualScript::animPlay(bare->getHandle(), "walk", 1, 0), 0);
    EXPECT_EQ(CVirtualScript::animPlay(0, "walk", 1, 0), 0);
}

TEST_F(ApiAnimation, LinkedAnimationErrors)
{
    CObject* prop = addProp("prop");
    CVirtualScript::startLinkedAnimation(prop->getHandle(), "01_guy_idle.skeleton", "idle", 1, 0);

    // The entity's own skeleton: nothing is linked, the animation still plays.
    engine->clearLog();
    EXPECT_NE(CVirtualScript::startLinkedAnimation(prop->getHandle(), "01_guy.skeleton", "idle", 1, 0), 0);
    EXPECT_NE(engine->log().find("\nerror, skeleton names are equal"), std::string::npos);

    engine->clearLog();
    EXPECT_EQ(CVirtualScript::startLinkedAnimation(prop->getHandle(), "gone.skeleton", "idle", 1, 0), 0);
    EXPECT_NE(engine->log().find("\nERROR: startLinkedAnimation: can't link skeleton 'gone.skeleton' to 'prop'"),
              std::string::npos);

    CObject* bare = engine->addObject("bare");
    engine->clearLog();
    EXPECT_EQ(CVirtualScript::startLinkedAnimation(bare->getHandle(), "01_guy_idle.skeleton", "idle", 1, 0), 0);
    EXPECT_EQ(engine->log(), "\nERROR: startLinkedAnimation failed! Entity bare has no skeleton!");
}

TEST_F(ApiAnimation, LengthsOfLayers)
{
    CAnimatableObject* guy = addWalker("guy");
    EXPECT_EQ(CVirtualScript::animGetCurrentLength(guy->getHandle(), "idle"), 2000);
    EXPECT_EQ(CVirtualScript::animGetCurrentLength(guy->getHandle(), "lip"), 400);

    engine->clearLog();
    EXPECT_EQ(CVirtualScript::animGetCurrentLength(0x30063, "idle"), 0);
    EXPECT_EQ(engine->log(), "\n!!!!!!!!!!!!\nERROR: CVirtualScript::animGetCurrentLength(): can't find "
                             "CAnimatableObject by handle 196707\n!!!!!!!!!!!!\n");
    engine->clearLog();
    EXPECT_EQ(CVirtualScript::animGetCurrentLength(guy->getHandle(), "jump"), 0);
    EXPECT_NE(engine->log().find("\nERROR: Can't find animation 'jump' on the object 'guy'"), std::string::npos);
    EXPECT_NE(engine->log().find("\n!!!!!!!!!!!!\nERROR: CVirtualScript::animGetCurrentLength(): can't find "
                                 "animation jump for CAnimatableObject guy\n!!!!!!!!!!!!\n"),
              std::string::npos);
}

TEST_F(ApiAnimation, TransitionPointChecksTheObject)
{
    CAnimatableObject* guy = addWalker("guy");
    CObject* prop = addProp("prop");
    CObject* bare = engine->addObject("bare");
    CObject* nodeless = new CObject();
    struct Case
    {
        OBJECT_HANDLE handle;
        std::string logged;
    };
    const Case cases[] = {
        {0, "\nERROR: * * * Object not found! * * *"},
        {nodeless->getHandle(), "\nERROR: * * * Object node not valid! * * *"},
        {bare->getHandle(), "\nERROR: * * * No entity! * * *"},
        {prop->getHandle(), "\nERROR: * * * For some reason object 0x" +
                                [&] {
                                    char text[16];
                                    std::snprintf(text, sizeof(text), "%X", prop->getHandle());
                                    return std::string(text);
                                }() +
                                " is not valid! * * *"},
    };
    for (const Case& c : cases)
    {
        engine->clearLog();
        CVirtualScript::animAddTransitionPoint(c.handle, "idle", -1, "lip", -1, 0, 0);
        EXPECT_EQ(engine->log(), c.logged);
    }
    EXPECT_TRUE(guy->mPointList.empty());
    CVirtualScript::animAddTransitionPoint(guy->getHandle(), "idle", -1, "lip", -1, recorder->getHandle(), 5);
    ASSERT_EQ(guy->mPointList.size(), 1u);
    EXPECT_EQ(guy->mPointList[0].layers.size(), 2u);
    EXPECT_EQ(guy->mPointList[0].notifyCode, 5);
    delete nodeless;
}

TEST_F(ApiAnimation, RotatedPointWalksThereAndTurnsAsToldAfterTheLayerParameter)
{
    CAnimatableObject* guy = addWalker("guy");
    CVirtualScript::animSetLayerParam("walk", guy->getHandle(), 1000);
    EXPECT_EQ(guy->getLayer(guy->findAnimation("walk"))->rotSpeed, 1000.0f);

    CVirtualScript::animAddRotatedPoint(guy->getHandle(), vec3(0, 0, 90), "walk", vec3(0, 100, 0), 1, 1,
                                        recorder->getHandle(), 300);
    CVirtualScript::animAddPoint(guy->getHandle(), "idle", recorder->getHandle(), 400);
    ASSERT_EQ(guy->mPointList.size(), 2u);
    EXPECT_EQ(guy->mPointList[1].layers[0].loops, 1000);
    guy->start();

    // Turning 1000 a second is done in the first frame: the walk runs at
    // 80 a second from the second frame on and arrives within 2 frames' walk.
    int frames = 0;
    while (notifications().empty() && frames < 40)
    {
        engine->frame(kDt);
        ++frames;
    }
    EXPECT_EQ(notifications(), std::vector<std::string>{"300," + std::to_string(guy->getHandle())});
    EXPECT_EQ(frames, 11);
    EXPECT_EQ(guy->getCurrentPoint(), 1);
    engine->frame(kDt);
    const Ogre::Vector3 facing = guy->getNode()->getOrientation() * Ogre::Vector3::UNIT_X;
    EXPECT_NEAR(facing.y, 1.0f, 1e-4f);
}

TEST_F(ApiAnimation, PointsWithLoopCountsRunOnceOrCyclically)
{
    // idle twice (2 s a loop), then walk once (1 s): with the cyclic flag
    // the list starts again after the walk, without it the run ends there.
    struct Case
    {
        bool cyclic;
        std::vector<std::string> codes; // after 11 s
        bool running;
    };
    const Case cases[] = {
        {true, {"1", "2", "1", "2"}, true},
        {false, {"1", "2"}, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.cyclic);
        CAnimatableObject* guy = addWalker(c.cyclic ? "cyclic" : "once");
        tq::RecordingScript::calls().clear();
        CVirtualScript::animAddPoint(guy->getHandle(), "idle", 2, recorder->getHandle(), 1);
        CVirtualScript::animAddPoint(guy->getHandle(), "walk", 1, recorder->getHandle(), 2);
        CVirtualScript::animSetCyclic(guy->getHandle(), c.cyclic);
        ASSERT_EQ(guy->mPointList.size(), 2u);
        EXPECT_EQ(guy->mPointList[0].layers[0].loops, 2);
        guy->start();

        // A point without a blend time ends with the frame that would run
        // past its last loop: the 31st.
        engine->frames(30, kDt);
        EXPECT_TRUE(notifications().empty());
        engine->frames(58, kDt);
        std::vector<std::string> codes;
        for (const std::string& n : notifications())
            codes.push_back(n.substr(0, n.find(',')));
        EXPECT_EQ(codes, c.codes);
        EXPECT_EQ(guy->isRunning(), c.running);

        // Stopping clears the flag with the list.
        guy->stop();
        EXPECT_EQ(guy->mLoop, 0);
    }

    // An endless point never reports; a plain object takes no way-points.
    CAnimatableObject* stayer = addWalker("stayer");
    tq::RecordingScript::calls().clear();
    CVirtualScript::animAddPoint(stayer->getHandle(), "idle", -1, recorder->getHandle(), 3);
    stayer->start();
    engine->frames(80, kDt);
    EXPECT_TRUE(notifications().empty());
    EXPECT_TRUE(stayer->isRunning());

    CObject* prop = addProp("prop");
    engine->clearLog();
    CVirtualScript::animAddPoint(prop->getHandle(), "idle", 2, 0, 0);
    CVirtualScript::animSetCyclic(prop->getHandle(), true);
    char handle[16];
    std::snprintf(handle, sizeof(handle), "%X", prop->getHandle());
    EXPECT_EQ(engine->log(), std::string("\nERROR: animAddPoint: object 0x") + handle +
                                 " is not an animated object\nERROR: animSetCyclic: object 0x" + handle +
                                 " is not an animated object");
}

TEST_F(ApiAnimation, FlightToATransformEndsThereAndNotifiesTheCaller)
{
    struct Case
    {
        int options;
        Ogre::Quaternion target;
        int frames; // duration 2 s scaled by the turn between the X axes
    };
    const Case cases[] = {
        {0, Ogre::Quaternion::IDENTITY, 8},                                        // alike: half
        {1, Ogre::Quaternion(Ogre::Degree(180), Ogre::Vector3::UNIT_Z), 24},       // opposite: 1.5
    };
    for (const Case& c : cases)
    {
        CObject* flyer = engine->addObject(c.options ? "cam1" : "cam0");
        flyer->getNode()->setPosition(10, 20, 30);
        tq::RecordingScript::calls().clear();
        script->animInterpolateTo(flyer->getHandle(), vec3(500, 0, 0), c.target, 2.0f, c.options);
        ASSERT_NE(flyer->mAnimState, nullptr);
        const int id = static_cast<int>(AnimIds::idOf(flyer->mAnimState));
        EXPECT_FLOAT_EQ(flyer->mAnimState->getLength(), c.frames * kDt);

        engine->frames(c.frames - 1, kDt);
        EXPECT_TRUE(notifications().empty());
        engine->frame(kDt);
        applySceneAnimations();
        EXPECT_EQ(notifications(), std::vector<std::string>{std::to_string(id) + ",0"});
        EXPECT_LT(flyer->getNode()->getPosition().distance(vec3(500, 0, 0)), 1e-3f);
        EXPECT_TRUE(flyer->getNode()->getOrientation().equals(c.target, Ogre::Degree(0.1f)));
    }
    // The second flight replaced the first: one flight animation, and the
    // first flyer forgot its state.
    EXPECT_TRUE(gApp.mSceneMgr->hasAnimation("InterpolateAnimation"));
    EXPECT_EQ(gApp.findObject("cam0")->mAnimState, nullptr);
}

TEST_F(ApiAnimation, FlightAlongAPathPassesItsKeysAndTurnsEased)
{
    CObject* flyer = engine->addObject("cam");
    const Ogre::Quaternion quarter(Ogre::Degree(90), Ogre::Vector3::UNIT_Z);
    const std::vector<CVirtualScript::InterpolationKey> keys = {
        {vec3(0, 0, 0), Ogre::Quaternion::IDENTITY},
        {vec3(100, 100, 0), Ogre::Quaternion::IDENTITY},
        {vec3(200, 0, 0), quarter},
    };
    // X axes a quarter turn apart: the 2 s stay 2 s.
    script->animInterpolatePath(flyer->getHandle(), keys, 2.0f);
    ASSERT_NE(flyer->mAnimState, nullptr);
    EXPECT_FLOAT_EQ(flyer->mAnimState->getLength(), 2.0f);

    engine->frames(8, kDt);
    applySceneAnimations();
    EXPECT_LT(flyer->getNode()->getPosition().distance(vec3(100, 100, 0)), 1e-3f);
    const Ogre::Quaternion half = Ogre::Quaternion::Slerp(0.5f, Ogre::Quaternion::IDENTITY, quarter, true);
    EXPECT_TRUE(flyer->getNode()->getOrientation().equals(half, Ogre::Degree(0.1f)));

    engine->frames(8, kDt);
    applySceneAnimations();
    EXPECT_LT(flyer->getNode()->getPosition().distance(vec3(200, 0, 0)), 1e-3f);
    EXPECT_TRUE(flyer->getNode()->getOrientation().equals(quarter, Ogre::Degree(0.1f)));
    EXPECT_EQ(notifications().size(), 1u);

    // Endless and without notice: a hold; or told to another object.
    CVirtualScript::animInterpolatePath(flyer->getHandle(), {keys[2], keys[2]}, 0.2f, -1, 0);
    engine->frames(40, kDt);
    EXPECT_NE(flyer->mAnimState, nullptr);
    EXPECT_EQ(notifications().size(), 1u);
    CVirtualScript::animInterpolatePath(flyer->getHandle(), keys, 0.4f, 2, recorder->getHandle());
    engine->frames(40, kDt);
    EXPECT_EQ(flyer->mAnimState, nullptr);
    EXPECT_EQ(notifications().size(), 2u);

    engine->clearLog();
    script->animInterpolatePath(flyer->getHandle(), {keys[0]}, 2.0f);
    EXPECT_EQ(engine->log(), "\nERROR: animInterpolatePath: a flight needs two keys or more, 1 given");
}
} // namespace
