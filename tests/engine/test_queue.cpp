// The message queue on the headless engine: dispatch order of the handler
// slots, what is handled in which frame, the engine's load and unload
// records, destroyed targets, bounded names, "scripts.log" and the camera
// mover's immediate notifications.
#include "HeadlessEngine.h"
#include "LoadProgress.h"
#include "Log.h"
#include "TestSupport.h"

#include <OgreException.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <stdexcept>

namespace
{
using tq::RecordingScript;
typedef std::vector<std::string> Calls;

class Queue : public ::testing::Test
{
protected:
    tq::TempDir dir;
    tq::HeadlessEngine engine;

    static void post(CObject* target, int type, int p1 = 0, int p2 = 0, CObject* sender = nullptr)
    {
        CMessage msg;
        msg.target = target;
        msg.sender = sender;
        msg.type = type;
        msg.setWord(0, p1);
        msg.setWord(1, p2);
        gApp.postMessage(msg);
    }
};

// A recorder whose notify handler runs an action of the test.
class ActingScript : public RecordingScript
{
public:
    ActingScript(const std::string& label, std::function<void(int)> action)
        : RecordingScript(label), mAction(std::move(action))
    {
    }
    void ON_NOTIFY(int code) override
    {
        RecordingScript::ON_NOTIFY(code);
        mAction(code);
    }

private:
    std::function<void(int)> mAction;
};

TEST_F(Queue, EveryTypeReachesItsSlotsWithTheBareFormFirst)
{
    struct Case
    {
        int type;
        Calls calls;
    };
    const Case cases[] = {
        {MSG_CREATE, {"ON_CREATE()"}},
        {MSG_DESTROY, {"ON_DESTROY()"}},
        {MSG_TIME, {"ON_TIME()", "ON_TIME(105)"}},
        {MSG_LBUTTONDOWN, {"ON_LBUTTONDOWN()", "ON_LBUTTONDOWN(1.5,-2,3)"}},
        {MSG_LBUTTONUP, {"ON_LBUTTONUP()", "ON_LBUTTONUP(1.5,-2,3)"}},
        {MSG_SETFOCUS, {"ON_SETFOCUS()"}},
        {MSG_KILLFOCUS, {"ON_KILLFOCUS()"}},
        {MSG_NOTIFY, {"ON_NOTIFY()", "ON_NOTIFY(42)", "ON_NOTIFY(42,0)"}},
        {MSG_SOUND, {"ON_SOUND()", "ON_SOUND(42)"}},
        {MSG_ACTIVATE, {"ON_ACTIVATE()"}},
        {MSG_RESERVED, {"ON_RESERVED()"}},
        {11, {}},
        {14, {}},
        {-1, {}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.type);
        CObject* object = engine.addRecorder("obj" + std::to_string(c.type + 1));
        engine.frame();
        RecordingScript::calls().clear();
        CMessage msg;
        msg.target = object;
        msg.type = c.type;
        if (c.type == MSG_LBUTTONDOWN || c.type == MSG_LBUTTONUP)
        {
            msg.setReal(0, 1.5f);
            msg.setReal(1, -2.0f);
            msg.setReal(2, 3.0f);
        }
        else if (c.type == MSG_TIME)
        {
            msg.setWord(1, 105);
        }
        else
        {
            msg.setWord(0, 42);
        }
        gApp.postMessage(msg);
        engine.frame();
        EXPECT_EQ(RecordingScript::callsOf("obj" + std::to_string(c.type + 1)), c.calls);
    }
}

TEST_F(Queue, NotifyCarriesTheSendersHandle)
{
    CObject* receiver = engine.addRecorder("receiver");
    CObject* sender = engine.addRecorder("sender");
    engine.frame();
    RecordingScript::calls().clear();
    engine.notify(receiver, 7, sender);
    engine.frame();
    EXPECT_EQ(RecordingScript::callsOf("receiver"),
              (Calls{"ON_NOTIFY()", "ON_NOTIFY(7)", "ON_NOTIFY(7," + std::to_string(sender->getHandle()) + ")"}));
}

TEST_F(Queue, MessageLineForEveryTypeButTime)
{
    CObject* object = engine.addObject("plain", "msg.sc");
    engine.clearLog();
    engine.frame();
    EXPECT_NE(engine.log().find("\nMessage 0 (0) in script msg.sc"), std::string::npos);

    engine.clearLog();
    post(object, MSG_TIME, 0, 101);
    engine.frame();
    EXPECT_EQ(engine.log().find("\nMessage"), std::string::npos);

    engine.clearLog();
    post(object, 11, 99);
    post(object, MSG_NOTIFY, -5);
    engine.frame();
    EXPECT_NE(engine.log().find("\nMessage 11 (99) in script msg.sc"), std::string::npos);
    EXPECT_NE(engine.log().find("\nMessage 7 (-5) in script msg.sc"), std::string::npos);
}

TEST_F(Queue, PostedDuringThePassWaitsForTheNextFrame)
{
    CObject* second = engine.addRecorder("second");
    CObject* first = engine.addObjectWithScript("first", new ActingScript("first", [&](int code) {
        if (code == 1)
            engine.notify(second, 2);
    }));
    engine.frame();
    RecordingScript::calls().clear();

    engine.notify(first, 1);
    engine.frame();
    EXPECT_TRUE(RecordingScript::callsOf("second").empty());
    engine.frame();
    EXPECT_EQ(RecordingScript::callsOf("second"), (Calls{"ON_NOTIFY()", "ON_NOTIFY(2)", "ON_NOTIFY(2,0)"}));
}

TEST_F(Queue, ClicksAndTimersPostedEarlierInTheFrameAreHandledInIt)
{
    CObject* object = engine.addRecorder("button");
    engine.frame();
    const int id = CObject::createTimer(object, 10, 1, nullptr);
    RecordingScript::calls().clear();

    // Input posts before the frame's work-off; the timer falls due in the
    // object update of the same frame.
    engine.click(object, vec3(1, 2, 3));
    engine.frame(0.02f);
    EXPECT_EQ(RecordingScript::callsOf("button"),
              (Calls{"ON_LBUTTONDOWN()", "ON_LBUTTONDOWN(1,2,3)", "ON_LBUTTONUP()", "ON_LBUTTONUP(1,2,3)",
                     "ON_TIME()", "ON_TIME(" + std::to_string(id) + ")"}));
}

TEST_F(Queue, FocusChangesReachBothObjects)
{
    CObject* a = engine.addRecorder("a");
    CObject* b = engine.addRecorder("b");
    engine.frame();
    RecordingScript::calls().clear();
    engine.hover(a);
    engine.frame();
    engine.hover(b);
    engine.frame();
    EXPECT_EQ(RecordingScript::calls(), (Calls{"a:ON_SETFOCUS()", "a:ON_KILLFOCUS()", "b:ON_SETFOCUS()"}));
}

TEST_F(Queue, LoadRecordDropsEverythingStillQueued)
{
    CObject* object = engine.addObjectWithScript("loader", new ActingScript("loader", [&](int) {
        engine.notify(gApp.findObject("loader"), 99);
    }));
    engine.frame();
    RecordingScript::calls().clear();

    engine.notify(object, 1);
    gApp.postLoadScene("next.scene");
    engine.notify(object, 2);
    engine.notify(object, 3);
    engine.clearLog();
    engine.frame();
    EXPECT_NE(engine.log().find("\n\n* * * Scene next.scene loaded for "), std::string::npos);
    EXPECT_TRUE(gApp.mMessages.empty());
    engine.frames(2);
    // Only the notify before the load arrived; what it posted, and the two
    // records behind the load, were dropped.
    EXPECT_EQ(RecordingScript::callsOf("loader"), (Calls{"ON_NOTIFY()", "ON_NOTIFY(1)", "ON_NOTIFY(1,0)"}));
    EXPECT_EQ(gApp.mPickMask, 0u);
}

TEST_F(Queue, UnloadThenLoadTakesTwoFrames)
{
    CObject* a = engine.addRecorder("a");
    engine.addRecorder("b");
    Ogre::Camera* extra = gApp.mSceneMgr->createCamera("roomCam");
    engine.frame();
    RecordingScript::calls().clear();
    gApp.mCamera = extra;

    engine.notify(a, 5);
    gApp.postUnloadScene();
    gApp.postLoadScene("room.scene");
    EXPECT_EQ(gApp.mCamera->getName(), "default");
    engine.clearLog();
    engine.frame();
    EXPECT_EQ(RecordingScript::calls(),
              (Calls{"a:ON_NOTIFY()", "a:ON_NOTIFY(5)", "a:ON_NOTIFY(5,0)", "a:ON_DESTROY()", "b:ON_DESTROY()"}));
    const std::string first = engine.log();
    EXPECT_NE(first.find("\nDestroy camera roomCam"), std::string::npos);
    EXPECT_NE(first.find("\n\n***SkeletonManager "), std::string::npos);
    EXPECT_NE(first.find("\n\n***Scene deleted***"), std::string::npos);
    EXPECT_EQ(first.find("loaded for"), std::string::npos);
    EXPECT_EQ(gObjectCollector.count(), 0);
    EXPECT_FALSE(gApp.mSceneMgr->hasCamera("roomCam"));
    EXPECT_TRUE(gApp.mSceneMgr->hasCamera("default"));
    // The camera "default" still hangs on the root node, where the scripts
    // running until the next scene find its place.
    EXPECT_EQ(gApp.mSceneMgr->getCamera("default")->getParentSceneNode(), gApp.mSceneMgr->getRootSceneNode());
    ASSERT_EQ(gApp.mMessages.size(), 1u);

    engine.clearLog();
    engine.frame();
    EXPECT_NE(engine.log().find("* * * Scene room.scene loaded for"), std::string::npos);
}

TEST_F(Queue, UnloadEndsThePassAndTheRestWaits)
{
    // Five records, the third an unload: records behind it stay queued.
    CObject* a = engine.addRecorder("a");
    engine.frame();
    RecordingScript::calls().clear();
    engine.notify(a, 1);
    engine.notify(a, 2);
    CMessage unload;
    unload.type = MSG_UNLOADSCENE;
    gApp.postMessage(unload);
    gApp.postLoadScene("x.scene");
    gApp.postLoadScene("y.scene");
    engine.clearLog();
    engine.frame();
    EXPECT_EQ(RecordingScript::callsOf("a").size(), 6u);
    EXPECT_EQ(gApp.mMessages.size(), 2u);
    EXPECT_EQ(engine.log().find("loaded for"), std::string::npos);
    engine.frame();
    EXPECT_NE(engine.log().find("Scene x.scene loaded"), std::string::npos);
    EXPECT_EQ(engine.log().find("Scene y.scene loaded"), std::string::npos);
}

TEST_F(Queue, DestroyedTargetLosesItsQueuedMessages)
{
    CObject* doomed = engine.addRecorder("doomed");
    CObject* other = engine.addRecorder("other");
    engine.frame();
    RecordingScript::calls().clear();
    const int slot = handleSlot(doomed->getHandle());

    post(doomed, MSG_DESTROY);
    engine.notify(doomed, 1);
    engine.notify(other, 2, doomed);
    engine.frame();
    EXPECT_EQ(RecordingScript::callsOf("doomed"), (Calls{"ON_DESTROY()"}));
    // The sender is gone too: the receiver sees no dangling handle.
    EXPECT_EQ(RecordingScript::callsOf("other"), (Calls{"ON_NOTIFY()", "ON_NOTIFY(2)", "ON_NOTIFY(2,0)"}));
    EXPECT_EQ(gObjectCollector.at(slot), nullptr);
    EXPECT_FALSE(gApp.mSceneMgr->hasSceneNode("doomed"));
}

TEST_F(Queue, DestroyedObjectIsNoLongerHoveredNorCameraBound)
{
    CObject* doomed = engine.addRecorder("doomed");
    CObject* holder = engine.addRecorder("holder");
    engine.frame();
    engine.hover(doomed);
    gApp.mCameraBoneSource = doomed;
    gApp.mCameraHolder = doomed;
    post(doomed, MSG_DESTROY);
    engine.frame();
    EXPECT_EQ(gApp.mHovered, nullptr);
    EXPECT_EQ(gApp.mCameraBoneSource, nullptr);
    EXPECT_EQ(gApp.mCameraHolder, nullptr);
    EXPECT_NE(holder, nullptr);
}

TEST_F(Queue, DestroyedObjectsNodeLeavesItsParentFirst)
{
    Ogre::SceneNode* parent = gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode("parent");
    CObject* child = engine.addRecorder("child", parent);
    engine.frame();
    post(child, MSG_DESTROY);
    engine.frame();
    EXPECT_FALSE(gApp.mSceneMgr->hasSceneNode("child"));
    EXPECT_EQ(parent->numChildren(), 0u);
}

TEST_F(Queue, TargetByNameIsResolvedWhenPosted)
{
    engine.addRecorder("named");
    engine.frame();
    RecordingScript::calls().clear();
    CMessage msg;
    ASSERT_TRUE(msg.setName("named"));
    msg.type = MSG_NOTIFY;
    msg.setWord(0, 3);
    gApp.postMessage(msg);
    CMessage nobody;
    ASSERT_TRUE(nobody.setName("nobody"));
    nobody.type = MSG_NOTIFY;
    gApp.postMessage(nobody);
    engine.frame();
    EXPECT_EQ(RecordingScript::calls().size(), 3u);
    EXPECT_TRUE(gApp.mMessages.empty());
}

TEST_F(Queue, NamesThatDoNotFitAreRefused)
{
    struct Case
    {
        size_t length;
        bool sceneName;
        bool fits;
    };
    const Case cases[] = {{31, false, true}, {32, false, false}, {200, false, false},
                          {63, true, true}, {64, true, false}, {300, true, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.length);
        CMessage msg;
        msg.type = 77;
        const std::string text(c.length, 'n');
        engine.clearLog();
        const bool stored = c.sceneName ? msg.setSceneName(text.c_str()) : msg.setName(text.c_str());
        EXPECT_EQ(stored, c.fits);
        EXPECT_EQ(engine.log().find("refused") != std::string::npos, !c.fits);
        // Nothing beyond the field was written.
        EXPECT_EQ(msg.type, 77);
        const char* field = c.sceneName ? msg.sceneName() : msg.name;
        EXPECT_EQ(std::string(field, strnlen(field, c.sceneName ? 64 : 32)), c.fits ? text : "");
    }

    const size_t before = gApp.mMessages.size();
    gApp.postLoadScene(std::string(64, 's') + ".scene");
    EXPECT_EQ(gApp.mMessages.size(), before);
    gApp.postLoadScene(std::string(57, 's') + ".scene");
    EXPECT_EQ(gApp.mMessages.size(), before + 1);
}

TEST_F(Queue, FindObjectHandleWarnsForMissingNames)
{
    CObject* object = engine.addRecorder("here");
    EXPECT_EQ(gApp.findObjectHandle("here"), object->getHandle());
    engine.clearLog();
    EXPECT_EQ(gApp.findObjectHandle("gone"), 0u);
    EXPECT_NE(engine.log().find("\nWARNING: Can't find object [gone] by name!"), std::string::npos);
    EXPECT_EQ(gApp.findObject(""), nullptr);
    // A node without an object is not an object.
    gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode("bare");
    EXPECT_EQ(gApp.findObject("bare"), nullptr);
}

TEST_F(Queue, ScriptsLogIsWrittenOnceWhenTheSceneEndsWithItsLastPassThatDispatched)
{
    CObject* a = engine.addRecorder("a");
    CObject* b = engine.addRecorder("b");
    engine.frame();
    gApp.mLog = true;

    post(b, MSG_ACTIVATE);
    engine.frame();
    engine.notify(a, 1, b);
    engine.frame();
    engine.frame(); // a pass that dispatches nothing changes nothing
    EXPECT_FALSE(std::ifstream(dir.file("scripts.log")).good()) << "not rewritten every frame";

    gApp.postLoadScene("next.scene");
    engine.frame();
    const std::string text = tq::readFile(dir.file("scripts.log"));
    EXPECT_NE(text.find("\t7\ta (source: b)"), std::string::npos) << text;
    EXPECT_EQ(text.find("\t9\tb"), std::string::npos) << "only the last pass";
    EXPECT_NE(text.find("\n\nTotal process time: "), std::string::npos);
    EXPECT_NE(text.find("\nTotal messages: 1"), std::string::npos);
    EXPECT_EQ(text.rfind('\n', text.find("\t7\ta")), 0u) << "one line per message";

    // Written once: the next scene's frames leave it alone until it ends.
    std::remove(dir.file("scripts.log").c_str());
    engine.frames(3);
    EXPECT_FALSE(std::ifstream(dir.file("scripts.log")).good());
}

TEST_F(Queue, NoScriptsLogWithoutTheLogSwitch)
{
    CObject* a = engine.addRecorder("a");
    engine.frames(2);
    engine.notify(a, 1);
    engine.frame();
    EXPECT_FALSE(std::ifstream(dir.file("scripts.log")).good());
}

TEST_F(Queue, CameraMoverIsNotifiedAtOnce)
{
    CObject* mover = engine.addRecorder("01_cam_move");
    CObject* other = engine.addRecorder("other");
    engine.frame();
    RecordingScript::calls().clear();
    const size_t queued = gApp.mMessages.size();
    CVirtualScript::sendNotify(mover->getHandle(), other->getHandle(), 7771);
    EXPECT_EQ(RecordingScript::callsOf("01_cam_move"),
              (Calls{"ON_NOTIFY()", "ON_NOTIFY(7771)", "ON_NOTIFY(7771," + std::to_string(other->getHandle()) + ")"}));
    EXPECT_EQ(gApp.mMessages.size(), queued);

    CVirtualScript::sendNotifyByName("other", 5, 0);
    EXPECT_TRUE(RecordingScript::callsOf("other").empty());
    engine.frame();
    EXPECT_EQ(RecordingScript::callsOf("other").size(), 3u);

    engine.clearLog();
    CVirtualScript::sendNotifyByName("missing", 5, 0);
    EXPECT_NE(engine.log().find("\nWARNING: Can't find object [missing] by name!"), std::string::npos);
}

TEST_F(Queue, FirstRecordThatIsNoCreateEndsTheLoading)
{
    CObject* a = engine.addRecorder("a");
    engine.addRecorder("b");
    gApp.mLoadProgress = new CLoadProgress();
    gApp.mLoadProgress->mExpected = 10;
    engine.notify(a, 1);
    engine.clearLog();
    engine.frame();
    EXPECT_EQ(gApp.mLoadProgress, nullptr);
    EXPECT_NE(engine.log().find("\nPROGRESS 2/10\n"), std::string::npos);
}

TEST_F(Queue, ThrowingHandlerIsReportedAndTheScriptStaysBound)
{
    struct Case
    {
        const char* name;
        std::function<void()> thrower;
    };
    const Case cases[] = {
        {"ogre", [] { OGRE_EXCEPT(Ogre::Exception::ERR_ITEM_NOT_FOUND, "no such thing", "test"); }},
        {"std", [] { throw std::out_of_range("index"); }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CObject* object = engine.addObjectWithScript(c.name, new ActingScript(c.name, [&](int code) {
            if (code == 1)
                c.thrower();
        }));
        engine.frame();
        engine.clearLog();
        engine.notify(object, 1);
        engine.notify(object, 2);
        engine.frame();
        const std::string log = engine.log();
        const std::string script = std::string(c.name) + ".sc";
        EXPECT_NE(log.find("\nERROR: Exception in script " + script + "\n"), std::string::npos);
        EXPECT_EQ(log.find("\nMessage 7 (1) in script " + script), std::string::npos);
        EXPECT_NE(log.find("\nMessage 7 (2) in script " + script), std::string::npos);
    }
}

TEST_F(Queue, ActivateGoesToEveryObjectWhenTheWindowBecomesActive)
{
    engine.addRecorder("a");
    engine.addRecorder("b");
    engine.frame();
    RecordingScript::calls().clear();
    gApp.mWasActive = false;
    engine.frame();
    EXPECT_EQ(RecordingScript::calls(), (Calls{"a:ON_ACTIVATE()", "b:ON_ACTIVATE()"}));
}
} // namespace
