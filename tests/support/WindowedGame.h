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
#include <OgreViewport.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace tq
{
/// Adds the files of the demo room of the engine's tests to the media of a
/// game folder; its scene then stands in for location 1's.
inline void copyDemoRoom(const std::string& game)
{
    std::filesystem::copy(TQ_TEST_SOURCE_DIR "/engine/demo_room", game + "/media",
                          std::filesystem::copy_options::overwrite_existing |
                              std::filesystem::copy_options::recursive);
}

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

    /// Runs from a copy of the game folder whose media also hold the demo
    /// room of the engine's tests (tests/engine/demo_room): its scene is
    /// then location 1's "01_location_start.scene".
    void useDemoRoom()
    {
        const std::string game = mDir.path() + "/game";
        std::filesystem::copy(TQ_GAME_DIR, game, std::filesystem::copy_options::recursive);
        copyDemoRoom(game);
        ASSERT_EQ(chdir(game.c_str()), 0);
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
        const Ogre::Viewport* view = gApp.mViewport;
        x = view->getActualLeft() + static_cast<int>((p.x * 0.5f + 0.5f) * view->getActualWidth());
        y = view->getActualTop() + static_cast<int>((0.5f - p.y * 0.5f) * view->getActualHeight());
    }
    /// Window pixel at a point of the game's picture given in fractions of
    /// it (the overlays' relative metrics).
    void pixelOfScreen(float fx, float fy, int& x, int& y)
    {
        const Ogre::Viewport* view = gApp.mViewport;
        x = view->getActualLeft() + static_cast<int>(fx * view->getActualWidth());
        y = view->getActualTop() + static_cast<int>(fy * view->getActualHeight());
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
