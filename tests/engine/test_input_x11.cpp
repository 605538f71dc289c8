// Real X input on the game's window under Xvfb: xdotool moves and clicks the
// one shared pointer, OIS reads it, picking finds the demo room's ball and
// its script receives focus and the button messages; a recording made
// meanwhile replays to the same messages without xdotool.
// ctest: serial
#include "Application.h"
#include "CodeScript.h"
#include "EventRecorder.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "TestSupport.h"
#include "WindowedGame.h"
#include "XDriver.h"
#include "platform/Platform.h"

#include <OgreCamera.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <unistd.h>

namespace
{
std::vector<std::string>& received()
{
    static std::vector<std::string> calls;
    return calls;
}

/// Writes down the messages its object receives.
class Listener : public CodeScript
{
public:
    explicit Listener(const std::string& label) : mLabel(label) {}
    void ON_LBUTTONDOWN(vec3 p) override { add("down", &p); }
    void ON_LBUTTONUP(vec3 p) override { add("up", &p); }
    void ON_SETFOCUS() override { add("focus", nullptr); }
    void ON_KILLFOCUS() override { add("killfocus", nullptr); }
    void ON_NOTIFY(int code) override { add("notify " + std::to_string(code), nullptr); }

    static std::vector<vec3>& points()
    {
        static std::vector<vec3> list;
        return list;
    }

private:
    void add(const std::string& what, const vec3* p)
    {
        received().push_back(mLabel + " " + what);
        if (p)
            points().push_back(*p);
    }
    std::string mLabel;
};

void bindListener(CObject* object, const std::string& label)
{
    delete object->mScript;
    Listener* listener = new Listener(label);
    listener->init(label + ".sc", "General");
    listener->setOwner(object->getHandle());
    object->mScript = listener;
}

class RealInput : public tq::WindowedGame
{
protected:
    void SetUp() override
    {
        WindowedGame::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        useDemoRoom();
        Platform::deleteFile("game.env");
        received().clear();
        Listener::points().clear();
    }
    void TearDown() override
    {
        Platform::deleteFile("game.env");
        WindowedGame::TearDown();
    }

    void start(const std::string& switches)
    {
        Log::captureBegin();
        gApp.readSwitches(switches);
        ASSERT_TRUE(gApp.setup());
        gApp.mWindow->getCustomAttribute("WINDOW", &mWindow);
        pump(10);
    }
    std::vector<std::string> callsOf(const std::string& label)
    {
        std::vector<std::string> result;
        for (const std::string& call : received())
            if (call.compare(0, label.size() + 1, label + " ") == 0)
                result.push_back(call.substr(label.size() + 1));
        return result;
    }
};

TEST_F(RealInput, ClickReachesTheBallAndTheRecordingReplaysTheSameMessages)
{
    start("-log -record -nosfx");
    // The demo room is location 1's scene; the game starts with the logos.
    gApp.postUnloadScene();
    gApp.postLoadScene("01_location_start.scene");
    pump(10);
    // A scene load clears the pick mask until play starts; here the test
    // starts it.
    gApp.setPickMask(1);
    // The room's scripts would allow clicks; here the test does.
    gApp.mInput->setCursor(true);
    CObject* ball = gApp.findObject("demo_ball");
    ASSERT_NE(ball, nullptr);
    bindListener(ball, "ball");
    int bx = 0, by = 0;
    pixelOf(ball->getNode()->_getDerivedPosition(), bx, by);

    moveTo(bx, by);
    ASSERT_TRUE(xdo("click 1"));
    pump(8);
    // Empty space: the corner of the room, nothing selectable.
    moveTo(static_cast<int>(gApp.mWindow->getWidth()) - 8, 8);
    ASSERT_TRUE(xdo("click 1"));
    pump(8);

    const std::vector<std::string> live = callsOf("ball");
    EXPECT_EQ(live, (std::vector<std::string>{"focus", "down", "up", "killfocus"}));
    ASSERT_EQ(Listener::points().size(), 2u);
    const vec3 centre = ball->getNode()->_getDerivedPosition();
    EXPECT_LT(Listener::points()[0].distance(centre), 0.5f);
    EXPECT_EQ(Listener::points()[0], Listener::points()[1]);
    const std::string log = Log::captured();
    EXPECT_NE(log.find("\nObject demo_ball MSG_LBUTTONDOWN"), std::string::npos);
    EXPECT_NE(log.find("\nObject demo_ball MSG_LBUTTONUP"), std::string::npos);

    // Replay: the devices go unread, the pointer is moved by the player.
    delete gApp.mInput;
    gApp.mInput = new CInput(gApp.mRoot, CEventPlayer::MODE_PLAY, "game.env");
    gApp.mInput->setCursor(true);
    ASSERT_GT(gApp.mInput->mEventPlayer->pending(), 4u);
    received().clear();
    Listener::points().clear();
    for (int i = 0; i < 3000 && gApp.mInput->mEventPlayer->pending() > 0; ++i)
        pump(1);
    pump(8);
    EXPECT_EQ(gApp.mInput->mEventPlayer->pending(), 0u);
    EXPECT_EQ(callsOf("ball"), live);
    ASSERT_EQ(Listener::points().size(), 2u);
    EXPECT_LT(Listener::points()[0].distance(centre), 0.5f);
}

TEST_F(RealInput, WheelTurnsTheCameraThroughTheCameraMover)
{
    start("-log -nosfx");
    gApp.mInput->setCursor(true);
    gApp.mAppState.mVars["stateInv"] = "1";
    // The room's own camera mover, when it has one, is listened to instead.
    CObject* mover = gApp.findObject("01_cam_move");
    if (!mover)
    {
        Ogre::SceneNode* node = gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode("01_cam_move");
        mover = new CObject();
        mover->mNode = node;
        node->setListener(mover);
    }
    bindListener(mover, "mover");

    moveTo(100, 100);
    ASSERT_TRUE(xdo("click 4"));
    pump(8);
    ASSERT_TRUE(xdo("click 5"));
    pump(8);
    EXPECT_EQ(callsOf("mover"), (std::vector<std::string>{"notify 7771", "notify 7770"}));
}

TEST_F(RealInput, AltF4EndsTheGame)
{
    const std::string out = mDir.file("out.txt");
    const std::string err = mDir.file("err.txt");
    const pid_t game = tq::spawnIn(TQ_GAME_DIR, std::string(TQ_BIN_DIR) + "/tolvane_quirn", {"-log", "-nosfx"},
                                   out, err);
    ASSERT_GT(game, 0);
    const unsigned long window = tq::waitForWindow("Tolvane Quirn", 60, game);
    ASSERT_NE(window, 0u);
    // Keyboard focus follows the pointer under Xvfb.
    ASSERT_TRUE(xdo("mousemove --window " + std::to_string(window) + " 50 50"));
    tq::pause(1500);
    ASSERT_TRUE(xdo("key alt+F4"));
    // The render loop ends on the key; how the process then shuts down is
    // not the input layer's business.
    int status = 0;
    EXPECT_TRUE(tq::waitForExit(game, 30, status)) << tq::readFile(err);
}
} // namespace
