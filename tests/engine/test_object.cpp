// Scene objects: handles and the collector, binding scripts and aliases, the
// node's ownership of its object, and the own animation clock.
#include "AnimatableObject.h"
#include "Hero.h"
#include "HeadlessEngine.h"
#include "TestSupport.h"

#include <OgreAnimation.h>
#include <OgreAnimationState.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <memory>

namespace
{
using tq::RecordingScript;
typedef std::vector<std::string> Calls;

class Objects : public ::testing::Test
{
protected:
    tq::TempDir dir;
    tq::HeadlessEngine engine;
};

TEST_F(Objects, HandlesCarryKindAndSlotAndFreedSlotsAreReused)
{
    CObject* a = engine.addObject("a");
    CObject* b = engine.addObject("b");
    CObject* c = engine.addObject("c");
    EXPECT_EQ(a->getHandle(), 0x10000u);
    EXPECT_EQ(b->getHandle(), 0x10001u);
    EXPECT_EQ(gObjectCollector.count(), 3);
    EXPECT_EQ(gObjectCollector.get(b->getHandle()), b);
    // Only the slot part finds the object.
    EXPECT_EQ(gObjectCollector.get(0x30001u), b);
    EXPECT_EQ(gObjectCollector.get(0), nullptr);

    gApp.mSceneMgr->destroySceneNode("b");
    EXPECT_EQ(gObjectCollector.at(1), nullptr);
    EXPECT_EQ(gObjectCollector.count(), 3);
    CObject* d = engine.addObject("d");
    EXPECT_EQ(handleSlot(d->getHandle()), 1);

    // Removing the highest slot lowers the count past every empty slot.
    gApp.mSceneMgr->destroySceneNode("d");
    gApp.mSceneMgr->destroySceneNode("c");
    EXPECT_EQ(gObjectCollector.count(), 1);
    EXPECT_EQ(gObjectCollector.at(0), a);
    (void)c;
}

TEST_F(Objects, DerivedObjectsHaveTheirKinds)
{
    std::unique_ptr<CAnimatableObject> animated(new CAnimatableObject("msg.sc"));
    std::unique_ptr<CHero> hero(new CHero());
    EXPECT_EQ(handleKind(animated->getHandle()), OBJECT_KIND_ANIMATED);
    EXPECT_EQ(handleKind(hero->getHandle()), OBJECT_KIND_HERO);
    ASSERT_NE(animated->getScript(), nullptr);
    EXPECT_EQ(animated->getScript()->getOwner(), animated->getHandle());
    EXPECT_EQ(hero->getScript(), nullptr);
}

TEST_F(Objects, FullCollectorRefusesWithAMessage)
{
    std::vector<std::unique_ptr<CObject>> objects;
    for (int i = 0; i < CObjectCollectorTempl::kSlots; ++i)
        objects.emplace_back(new CObject());
    EXPECT_EQ(gObjectCollector.count(), CObjectCollectorTempl::kSlots);
    engine.clearLog();
    std::unique_ptr<CObject> extra(new CObject("msg.sc"));
    EXPECT_EQ(extra->getHandle(), 0u);
    EXPECT_NE(engine.log().find("\nERROR (CObjectCollectorTempl<...>::push_back): What tha F! We have no room for objects!"),
              std::string::npos);
    // The refused object is in no slot, so deleting it frees nothing.
    extra.reset();
    EXPECT_EQ(gObjectCollector.count(), CObjectCollectorTempl::kSlots);
    objects[5].reset();
    std::unique_ptr<CObject> late(new CObject());
    EXPECT_EQ(handleSlot(late->getHandle()), 5);
}

TEST_F(Objects, ScriptIsBoundInitialisedAndOwned)
{
    CObject* object = engine.addObject("node", "00_fader.sc");
    ASSERT_NE(object->getScript(), nullptr);
    EXPECT_EQ(object->getScript()->getName(), "00_fader.sc");
    EXPECT_EQ(object->getScript()->getOwner(), object->getHandle());
    EXPECT_NE(engine.log().find("\nCodeScript 00_fader.sc... "), std::string::npos);

    CObject* unknown = engine.addObject("stray", "00_nothing.sc");
    EXPECT_EQ(unknown->getScript(), nullptr);
    engine.frame();
    EXPECT_EQ(engine.log().find("in script 00_nothing"), std::string::npos);
}

TEST_F(Objects, ScriptAliasReplacesTheFirstMatchingPatternInKeyOrder)
{
    CObject::scriptAliases()["ZONE_*"] = "00_exit.sc";
    CObject::scriptAliases()["zz*"] = "00_hint.sc";
    CObject::scriptAliases()["Zone_a*"] = "00_sky.sc";
    struct Case
    {
        const char* name;
        const char* script;
    };
    // "ZONE_*" sorts before "Zone_a*", so it wins for names both match.
    const Case cases[] = {{"zone_room.sc", "00_exit.sc"},
                          {"Zone_A1.sc", "00_exit.sc"},
                          {"zzTop", "00_hint.sc"},
                          {"00_fader.sc", "00_fader.sc"},
                          {"xzone_1", "xzone_1"}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CObject::applyScriptAlias(c.name), c.script);
    }
    std::unique_ptr<CObject> object(new CObject("ZONE_kitchen.sc"));
    ASSERT_NE(object->getScript(), nullptr);
    EXPECT_EQ(object->getScript()->getName(), "00_exit.sc");
    CObject::scriptAliases().clear();
}

TEST_F(Objects, DeletingAnObjectDetachesItFromItsNode)
{
    Ogre::SceneNode* node = gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode("n");
    CObject* object = new CObject("msg.sc");
    object->mNode = node;
    node->setListener(object);
    delete object;
    EXPECT_EQ(node->getListener(), nullptr);
    gApp.mSceneMgr->destroySceneNode(node);
    EXPECT_EQ(gObjectCollector.count(), 0);
}

// The own animation clock on a node animation of 1 s.
class Animation : public Objects
{
protected:
    void SetUp() override
    {
        Ogre::Animation* animation = gApp.mSceneMgr->createAnimation("swing", 1.0f);
        animation->createNodeTrack(0);
        state = gApp.mSceneMgr->createAnimationState("swing");
        state->setEnabled(true);
        object = engine.addObject("mover");
        listener = engine.addRecorder("listener");
        engine.frame();
        RecordingScript::calls().clear();
    }

    Calls endNotice() const
    {
        const std::string id = std::to_string(AnimIds::idOf(state));
        return Calls{"ON_NOTIFY()", "ON_NOTIFY(" + id + ")", "ON_NOTIFY(" + id + ",0)"};
    }

    Ogre::AnimationState* state = nullptr;
    CObject* object = nullptr;
    CObject* listener = nullptr;
};

TEST_F(Animation, OneLoopPlaysOnceKeepsTheLastPoseAndNotifies)
{
    object->setAnimation(state, 1, listener);
    engine.frame(0.25f);
    EXPECT_FLOAT_EQ(state->getTimePosition(), 0.25f);
    engine.frames(3, 0.25f);
    EXPECT_FLOAT_EQ(state->getTimePosition(), 1.0f);
    EXPECT_EQ(object->mAnimState, nullptr);
    EXPECT_EQ(RecordingScript::callsOf("listener"), endNotice());
    EXPECT_EQ(AnimIds::stateOf(AnimIds::idOf(state)), state);
    engine.frames(4, 0.25f);
    EXPECT_EQ(RecordingScript::callsOf("listener").size(), 3u);
}

TEST_F(Animation, ZeroLoopsPlayWithoutEnd)
{
    object->setAnimation(state, 0, listener);
    engine.frames(5, 0.3f);
    EXPECT_EQ(object->mAnimState, state);
    EXPECT_NEAR(state->getTimePosition(), 0.5f, 1e-4f);
    EXPECT_TRUE(RecordingScript::calls().empty());
}

TEST_F(Animation, SetAnimTimeToTheEndFinishesTheLastLoop)
{
    object->setAnimation(state, 1, listener);
    engine.frame(0.1f);
    object->setAnimTime(-2.0f);
    engine.frame(0.001f);
    EXPECT_EQ(object->mAnimState, nullptr);
    EXPECT_EQ(RecordingScript::callsOf("listener"), endNotice());
}

TEST_F(Animation, SetAnimTimeValues)
{
    object->setAnimation(state, 0, nullptr);
    object->mAnimSpeed = 0.0f; // clock stands: only setAnimTime moves it
    struct Case
    {
        float before;
        float value;
        float after;
    };
    const Case cases[] = {{0.2f, 0.7f, 0.7f}, {0.2f, -1.0f, 0.8f}, {0.2f, -2.0f, 1.0f}, {0.2f, -3.0f, 0.2f}};
    for (const Case& c : cases)
    {
        object->mAnimTime = c.before;
        object->setAnimTime(c.value);
        EXPECT_FLOAT_EQ(object->mAnimTime, c.after) << c.value;
    }
}

TEST_F(Animation, TimeCurveShapesThePosition)
{
    object->setAnimation(state, 0, nullptr);
    // p = x^2: half way through the clock is a quarter through the animation.
    object->mCurve[0] = 0.0f;
    object->mCurve[1] = 0.0f;
    object->mCurve[2] = 1.0f;
    engine.frame(0.5f);
    EXPECT_FLOAT_EQ(state->getTimePosition(), 0.25f);
    // A curve that overshoots is held at the end.
    object->mCurve[0] = 2.0f;
    engine.frame(0.1f);
    EXPECT_FLOAT_EQ(state->getTimePosition(), 1.0f);
}

TEST_F(Animation, DestroyedListenerIsNotNotified)
{
    object->setAnimation(state, 1, listener);
    gApp.mSceneMgr->destroySceneNode("listener");
    EXPECT_EQ(object->mNotified, nullptr);
    engine.frames(5, 0.25f);
    EXPECT_EQ(object->mAnimState, nullptr);
}
} // namespace
