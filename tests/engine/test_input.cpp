// The input layer on the headless engine: buttons into button messages,
// swapped buttons, the cursor switch and its clamp, and the keys the engine
// answers itself.
#include "Application.h"
#include "PickingFixture.h"

#include <OgreCamera.h>

#include <gtest/gtest.h>

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

    // Pressed again in the same frame after the tap: held on.
    input().handleKeyPressed(30);
    input().handleKeyReleased(30);
    input().handleKeyPressed(30);
    input().capture();
    EXPECT_EQ(input().mKeyDown[30], 1);
    input().handleKeyReleased(30);
    EXPECT_EQ(input().mKeyDown[30], 0);
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
