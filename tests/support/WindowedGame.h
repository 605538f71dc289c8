// The game run inside the test on a real window under Xvfb, from the built
// game folder: frames are pumped by the test, xdotool moves and clicks the
// one shared pointer, and world points are turned into window pixels.
#pragma once

#include "Application.h"
#include "Input.h"
#include "TestSupport.h"
#include "XDriver.h"

#include <OgreCamera.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

namespace tq
{
class WindowedGame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!hasDisplay())
            GTEST_SKIP() << "no X display";
        ASSERT_EQ(chdir(TQ_GAME_DIR), 0);
    }
    void TearDown() override
    {
        // Shut down while the plug-ins' statics still stand.
        delete gApp.mInput;
        gApp.mInput = nullptr;
        if (gApp.mRoot)
        {
            gApp.reattachObjectNodes();
            gApp.teardown();
        }
    }

    void pump(int frames)
    {
        for (int i = 0; i < frames && !gApp.mQuit; ++i)
        {
            gApp.mRoot->renderOneFrame();
            pause(5);
        }
    }
    /// Window pixel at which a world point shows.
    void pixelOf(const Ogre::Vector3& world, int& x, int& y)
    {
        Ogre::Camera* camera = gApp.mCamera;
        const Ogre::Vector3 p = camera->getProjectionMatrix() * (camera->getViewMatrix() * world);
        x = static_cast<int>((p.x * 0.5f + 0.5f) * gApp.mWindow->getWidth());
        y = static_cast<int>((0.5f - p.y * 0.5f) * gApp.mWindow->getHeight());
    }
    bool xdo(const std::string& args) { return shell("xdotool " + args + " >/dev/null 2>&1"); }
    /// Moves the pointer onto the window pixel and lets the game see it.
    void moveTo(int x, int y)
    {
        ASSERT_TRUE(xdo("mousemove --window " + std::to_string(mWindow) + " " + std::to_string(x) + " " +
                        std::to_string(y)));
        pump(8);
    }

    TempDir mDir;
    unsigned long mWindow = 0;
};
} // namespace tq
