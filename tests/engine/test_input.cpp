// The input layer on the headless engine: buttons into button messages,
// swapped buttons, the cursor switch and its clamp, and the keys the engine
// answers itself.
#include "Application.h"
#include "PickingFixture.h"

#include <OgreCamera.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace
{
using tq::RecordingScript;

class Input : public ::testing::Test
{
protected:
    void SetUp() override
    {
        target_ = world_.plate("target", 0, 0, -10);
        world_.cursor(0.5f, 0.5f);
        world_.engine.frames(2); // hovered, focus delivered
        RecordingScript::calls().clear();
        world_.engine.clearLog();
    }
    std::vector<std::string> calls() { return RecordingScript::callsOf("target"); }
    /// The handler calls of one button message at the hovered point.
    static std::vector<std::string> button(bool down)
    {
        char point[96];
        std::snprintf(point, sizeof(point), "%g,%g,%g", gApp.mHitPoint.x, gApp.mHitPoint.y, gApp.mHitPoint.z);
        const std::string name = down ? "ON_LBUTTONDOWN" : "ON_LBUTTONUP";
        return {name + "()", name + "(" + point + ")"};
    }
    static std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts)
    {
        std::vector<std::string> all;
        for (const auto& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }
    CInput& input() { return *gApp.mInput; }

    tq::PickingWorld world_;
    CObject* target_ = nullptr;
};

TEST_F(Input, ClickSendsDownAndUpWithThePickedPoint)
{
    input().handlePress(0);
    EXPECT_TRUE(input().mLeftDown);
    input().handleRelease(0);
    EXPECT_FALSE(input().leftHeld());
    world_.engine.frame();
    EXPECT_EQ(calls(), join({button(true), button(false)}));
    EXPECT_NEAR(gApp.mHitPoint.z, -10.0f, 1e-4);
    const std::string log = world_.engine.log();
    EXPECT_NE(log.find("\nObject target MSG_LBUTTONDOWN"), std::string::npos);
    EXPECT_NE(log.find("\nObject target MSG_LBUTTONUP"), std::string::npos);
}

TEST_F(Input, HeldButtonSendsOneDown)
{
    input().handlePress(0);
    input().handlePress(0);
    world_.engine.frame();
    EXPECT_EQ(calls(), button(true));
}

TEST_F(Input, MiddleButtonClicksLikeLeftAndItsReleaseEndsThePress)
{
    input().handlePress(2);
    input().handleRelease(2);
    EXPECT_FALSE(input().leftHeld());
    // The next left click is not swallowed.
    input().handlePress(0);
    input().handleRelease(0);
    world_.engine.frame();
    EXPECT_EQ(calls(), join({button(true), button(false), button(true), button(false)}));
}

TEST_F(Input, RightButtonOnlyKeepsItsState)
{
    input().handlePress(1);
    EXPECT_TRUE(input().mRightDown);
    EXPECT_FALSE(input().mLeftDown);
    input().capture();
    input().handleRelease(1);
    EXPECT_FALSE(input().mRightDown);
    world_.engine.frame();
    EXPECT_TRUE(calls().empty());
}

TEST_F(Input, SwappedButtonsTradeLeftAndRight)
{
    input().mSwapButtons = 1;
    input().handlePress(0);
    EXPECT_TRUE(input().mRightDown);
    EXPECT_FALSE(input().mLeftDown);
    input().handleRelease(0);
    input().handlePress(1);
    EXPECT_TRUE(input().mLeftDown);
    input().handleRelease(1);
    world_.engine.frame();
    EXPECT_EQ(calls(), join({button(true), button(false)}));
}

TEST_F(Input, CursorOffTakesNoClicks)
{
    input().setCursor(false);
    input().handlePress(0);
    input().handleRelease(0);
    world_.engine.frame();
    EXPECT_TRUE(calls().empty());
}

TEST_F(Input, CursorIsAFractionOfTheWindowClampedWhileOn)
{
    struct Case
    {
        int x, y;
        bool on;
        float cx, cy;
    };
    const Case cases[] = {
        {200, 150, true, 0.25f, 0.25f},
        {-40, 700, true, 0.0f, 1.0f}, // dragged out of the 800 x 600 window
        {900, -1, true, 1.0f, 0.0f},
        {-40, 700, false, -0.05f, 700.0f / 600.0f},
    };
    for (const Case& c : cases)
    {
        input().setCursor(c.on);
        OIS::MouseState state;
        state.X.abs = c.x;
        state.Y.abs = c.y;
        input().handleMouseMoved(state);
        input().capture();
        EXPECT_FLOAT_EQ(input().mCursorX, c.cx) << c.x;
        EXPECT_FLOAT_EQ(input().mCursorY, c.cy) << c.y;
    }
}

TEST_F(Input, AltF4QuitsOnTheKeysRelease)
{
    struct Step
    {
        bool press;
        int key;
        bool quit;
    };
    // F4 alone, then Alt held while F4 goes down and up.
    const Step steps[] = {
        {true, 62, false}, {false, 62, false}, {true, 56, false}, {true, 62, false}, {false, 62, true},
    };
    for (const Step& s : steps)
    {
        if (s.press)
            input().handleKeyPressed(s.key);
        else
            input().handleKeyReleased(s.key);
        EXPECT_EQ(gApp.mQuit, s.quit) << s.key;
    }
    EXPECT_FALSE(world_.engine.frame());
}

TEST_F(Input, AltF4CountsWhenAltIsLetGoFirst)
{
    // The order a keyboard tool sends the chord in: Alt up before F4 up.
    input().handleKeyPressed(56);
    input().handleKeyPressed(62);
    input().handleKeyReleased(56);
    EXPECT_FALSE(gApp.mQuit);
    input().handleKeyReleased(62);
    EXPECT_TRUE(gApp.mQuit);
}

TEST_F(Input, F4AloneAfterAnAltF4PressDoesNotQuit)
{
    input().handleKeyPressed(56);
    input().handleKeyReleased(56);
    input().handleKeyPressed(62);
    input().handleKeyReleased(62);
    EXPECT_FALSE(gApp.mQuit);
}

TEST_F(Input, KeyTableFollowsPressAndRelease)
{
    input().handleKeyPressed(30);
    EXPECT_EQ(input().mKeyDown[30], 1);
    input().capture();
    input().handleKeyReleased(30);
    EXPECT_EQ(input().mKeyDown[30], 0);
    input().handleKeyPressed(300); // outside the table: ignored
    input().handleKeyReleased(-1);
}

TEST_F(Input, ATapWithinOneFrameIsHeldForThatFrame)
{
    // Scripts read the held keys and buttons once a frame: a press and its
    // release between two frames still show as held for one frame.
    input().handleKeyPressed(30);
    input().handleKeyReleased(30);
    input().handlePress(0); // left
    input().handleRelease(0);
    input().handlePress(1); // right
    input().handleRelease(1);
    EXPECT_EQ(input().mKeyDown[30], 1);
    EXPECT_TRUE(input().mLeftDown);
    EXPECT_TRUE(input().mRightDown);
    input().capture();
    EXPECT_EQ(input().mKeyDown[30], 0);
    EXPECT_FALSE(input().mLeftDown);
    EXPECT_FALSE(input().mRightDown);

    // A key held from an earlier frame is let go at once.
    input().capture();
    input().handleKeyPressed(30);
    input().capture();
    input().handleKeyReleased(30);
    EXPECT_EQ(input().mKeyDown[30], 0);
}

// What the scripts see, frame by frame, of the presses and releases that
// came in between: every press is shown, in order, with the keys held when
// it came.
struct HeldCase
{
    const char* label;
    /// The events of each frame: "+a" a press, "-a" a release; a, b, s
    /// (left Shift) are keys, L the left button.
    std::vector<std::string> frames;
    /// The held keys and buttons the scripts see in each frame, in the
    /// order s, a, b, L; frames beyond the events' have none.
    std::vector<std::string> seen;
};

class HeldView : public Input, public ::testing::WithParamInterface<HeldCase>
{
protected:
    void feed(const std::string& events)
    {
        std::istringstream in(events);
        std::string event;
        while (in >> event)
        {
            const bool press = event[0] == '+';
            if (event[1] == 'L')
                press ? input().handlePress(0) : input().handleRelease(0);
            else
            {
                const int key = event[1] == 'a' ? 30 : event[1] == 'b' ? 48 : 42;
                press ? input().handleKeyPressed(key) : input().handleKeyReleased(key);
            }
        }
    }
    std::string seen()
    {
        std::string held;
        for (const auto& [name, key] : {std::pair<char, int>{'s', 42}, {'a', 30}, {'b', 48}})
            if (input().mKeyDown[key])
                held += name;
        if (input().mLeftDown)
            held += 'L';
        return held;
    }
};

TEST_P(HeldView, ShowsEveryPressInOrder)
{
    const HeldCase& c = GetParam();
    std::vector<std::string> seenFrames;
    for (size_t frame = 0; frame < c.seen.size(); ++frame)
    {
        // As in the game: a capture starts the frame, the devices' events
        // come during it, then the scripts look.
        input().capture();
        if (frame < c.frames.size())
            feed(c.frames[frame]);
        seenFrames.push_back(seen());
    }
    EXPECT_EQ(seenFrames, c.seen);
}

INSTANTIATE_TEST_SUITE_P(
    Typing, HeldView,
    ::testing::Values(
        HeldCase{"OneTap", {"+a -a"}, {"a", ""}},
        // "aa" typed within one frame: up for a frame between the presses.
        HeldCase{"SameKeyTwice", {"+a -a +a -a"}, {"a", "", "a", ""}},
        HeldCase{"SameKeyThreeTimes", {"+a -a +a -a +a -a"}, {"a", "", "a", "", "a", ""}},
        HeldCase{"PressedAgainAndHeld", {"+a -a +a", "", ""}, {"a", "", "a", "a"}},
        HeldCase{"HeldKeyLetGoAndPressedAgain", {"+a", "-a +a"}, {"a", "", "a"}},
        // "ab": one key goes down a frame, so the first held key is the one
        // typed.
        HeldCase{"TwoKeysInOrder", {"+a -a +b -b"}, {"a", "b", ""}},
        HeldCase{"TwoKeysRolledOver", {"+a +b -a -b"}, {"a", "ab", ""}},
        // Shift let go right after the letter is still seen with it.
        HeldCase{"ShiftWithALetter", {"+s +a -a -s"}, {"s", "sa", ""}},
        HeldCase{"ShiftHeldFromBefore", {"+s", "+a -a -s"}, {"s", "sa", ""}},
        // A key and a click within one frame are seen together.
        HeldCase{"KeyAndClick", {"+a -a +L -L"}, {"aL", ""}},
        HeldCase{"DoubleClick", {"+L -L +L -L"}, {"L", "", "L", ""}},
        HeldCase{"LaterFramesWaitTheirTurn", {"+a -a +a -a", "+b -b"}, {"a", "", "a", "b", ""}}),
    [](const ::testing::TestParamInfo<HeldCase>& info) { return info.param.label; });

TEST_F(Input, AStalledFrameKeepsABoundedQueueAndLeavesNoKeyDown)
{
    // Shift, then a thousand taps while the game stands still, then Shift
    // let go: the taps beyond the queue's room are dropped, Shift's release
    // is not.
    input().capture();
    input().handleKeyPressed(42);
    for (int i = 0; i < 1000; ++i)
    {
        input().handleKeyPressed(30);
        input().handleKeyReleased(30);
    }
    input().handleKeyReleased(42);
    int shown = 0;
    bool wasDown = false;
    for (int frame = 0; frame < 300; ++frame)
    {
        if (input().mKeyDown[30] && !wasDown)
            ++shown;
        wasDown = input().mKeyDown[30] != 0;
        input().capture();
    }
    EXPECT_GE(shown, 10);
    EXPECT_LE(shown, 100);
    EXPECT_EQ(input().mKeyDown[30], 0);
    EXPECT_EQ(input().mKeyDown[42], 0);
}

TEST_F(Input, DebugKeysWorkOnlyWithLog)
{
    gApp.mLog = false;
    input().handleKeyReleased(65);
    EXPECT_EQ(gApp.mCamera->getPolygonMode(), Ogre::PM_SOLID);

    gApp.mLog = true;
    input().handleKeyReleased(65);
    EXPECT_EQ(gApp.mCamera->getPolygonMode(), Ogre::PM_WIREFRAME);
    input().handleKeyReleased(65);
    EXPECT_EQ(gApp.mCamera->getPolygonMode(), Ogre::PM_SOLID);

    // F8 without the material "00_empty" changes nothing and does not fail.
    input().handleKeyReleased(66);
    EXPECT_FALSE(input().mScreenBlend);
}
} // namespace
