// The whole game run inside a test on a real window under Xvfb, from a copy
// of the built game folder, played by the automated player.  Frames have a
// fixed length of game time, so a play takes as many frames on a slow
// machine as on a fast one; with TQ_WATCH=1 they follow the clock instead
// and a person can watch the play in the window.
#pragma once

#include "Application.h"
#include "GamePlayer.h"
#include "Input.h"
#include "Log.h"
#include "TestSupport.h"
#include "XDriver.h"

#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <unistd.h>

namespace tq
{
class PlayedGame : public ::testing::Test
{
protected:
    PlayedGame() : player([this] { frame(); }) {}

    void SetUp() override
    {
        if (!hasDisplay())
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        // A folder of its own: the recording, the log and the screenshots
        // land there, and the user's folder (TempDir's XDG home) is fresh.
        std::filesystem::copy(TQ_GAME_DIR, gameDir(), std::filesystem::copy_options::recursive);
        ASSERT_EQ(chdir(gameDir().c_str()), 0);
        mWatch = std::getenv("TQ_WATCH") && std::string(std::getenv("TQ_WATCH")) == "1";
    }
    void TearDown() override
    {
        // A failed play leaves the game's log beside its screenshots.
        if (HasFailure())
        {
            const std::string log = leftBehind(".log");
            std::ofstream(log) << Log::captured();
            std::cout << "the game's log is in " << log << "\n";
        }
        // Shut down while the plug-ins' statics still stand.
        delete gApp.mInput;
        gApp.mInput = nullptr;
        if (gApp.mRoot)
        {
            gApp.reattachObjectNodes();
            gApp.teardown();
        }
    }

    /// Starts the game in this process with the switches.
    void start(const std::string& switches)
    {
        Log::captureBegin();
        gApp.readSwitches(switches);
        ASSERT_TRUE(gApp.setup());
    }

    void frame()
    {
        if (mWatch || mRealTime)
        {
            gApp.mRoot->renderOneFrame();
            if (mWatch)
                pause(10);
        }
        else
            gApp.mRoot->renderOneFrame(player.frameSeconds);
    }

    /// How many colours the window shows on the screen in a rectangle
    /// given as fractions of its size.
    int coloursIn(float left, float top, float right, float bottom)
    {
        unsigned long window = 0;
        gApp.mWindow->getCustomAttribute("WINDOW", &window);
        return windowColours(window, left, top, right, bottom);
    }

    /// The room is drawn (many colours in the middle of the window, not one
    /// colour after a load) and the interface's overlays are up.
    void expectRoomAndInterfaceShown(const std::string& when)
    {
        EXPECT_GE(coloursIn(0.1f, 0.1f, 0.9f, 0.8f), 8) << when << ": the room is not drawn";
        Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
        for (const char* name : {"__GameInterface", "__GameInterfaceInventory"})
        {
            Ogre::Overlay* overlay = overlays.getByName(name);
            EXPECT_TRUE(overlay && overlay->isVisible()) << when << ": the overlay " << name << " is not shown";
        }
        if (HasFailure())
            ADD_FAILURE() << "the screen is in " << screenshot();
    }

    /// The window's picture in a file of the temporary folder; its path.
    std::string screenshot()
    {
        const std::string shot = leftBehind("_" + std::to_string(player.frames()) + ".png");
        unsigned long window = 0;
        gApp.mWindow->getCustomAttribute("WINDOW", &window);
        return shell("import -window " + std::to_string(window) + " " + shot + " 2>/dev/null") ? shot
                                                                                              : "(no screenshot)";
    }

    /// A file of the temporary folder that outlives the test (its log, its
    /// screenshots), named after this process.
    static std::string leftBehind(const std::string& suffix)
    {
        return std::filesystem::temp_directory_path().string() + "/tq_play_" + std::to_string(getpid()) + suffix;
    }

    std::string gameDir() const { return mDir.path() + "/game"; }

    TempDir mDir;
    GamePlayer player;
    bool mWatch = false;
    /// Frames follow the clock, as in the game binary.
    bool mRealTime = false;
};
} // namespace tq
