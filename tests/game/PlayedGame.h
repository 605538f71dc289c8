// The whole game run inside a test on a real window under Xvfb, from a copy
// of the built game folder, played by the automated player.  Frames have a
// fixed length of game time, so a play takes as many frames on a slow
// machine as on a fast one; with TQ_WATCH=1 they follow the clock instead
// and a person can watch the play in the window.
#pragma once

#include "00_ginterface.h"
#include "00_interface.h"
#include "Application.h"
#include "GamePlayer.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "TestSupport.h"
#include "Walkthrough.h"
#include "XDriver.h"

#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
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

    // -- a location played from its walkthrough -----------------------------------
    /// A walkthrough of data/walkthrough, read.
    Walkthrough walkthrough(const std::string& file)
    {
        Walkthrough walk;
        EXPECT_TRUE(walk.load(std::string(TQ_TEST_SOURCE_DIR) + "/../data/walkthrough/" + file)) << walk.error;
        return walk;
    }

    /// The location has rooms in the game data: a table under data/rooms.
    static bool hasRooms(int location)
    {
        char table[16];
        std::snprintf(table, sizeof(table), "%02d.txt", location);
        return std::filesystem::exists(std::string(TQ_TEST_SOURCE_DIR) + "/../data/rooms/" + table);
    }

    /// Plays the steps [from, to) of a walkthrough (to -1: to its end),
    /// watching the threads of the location's plan; prints how long it took.
    void playLocation(const Walkthrough& walk, int from, int to)
    {
        player.afterFrame = [this] { noteThreads(); };
        const auto begin = std::chrono::steady_clock::now();
        const int framesBefore = player.frames();
        ASSERT_TRUE(player.play(walk, from, to)) << player.error() << "; the threads stand at "
                                                 << ::testing::PrintToString(threadsNow())
                                                 << "; the screen is in " << screenshot();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        std::printf("%s steps %d..%d: %d frames, %.1f s of game time, %.1f s\n", walk.name.c_str(), from,
                    to < 0 ? static_cast<int>(walk.steps.size()) : to, player.frames() - framesBefore,
                    (player.frames() - framesBefore) * player.frameSeconds, seconds);
    }

    /// The logo screens clicked away up to the name box of a first run.
    void reachNameBox()
    {
        ASSERT_TRUE(player.waitUntil([&] {
            player.clickAt(0.02f, 0.02f);
            return GamePlayer::menuShown(sc_00_interface::MENU_NAME);
        }, 600, "the name box of the first run")) << player.error();
    }

    /// Plays a location's walkthrough to its end with a trip to the main
    /// menu (which saves) and "Continue" at its mark "half"; every thread but
    /// the one asking for the next location ends.  room: the room
    /// "Continue" must bring back (0: not looked at).
    void playWithAContinueHalfWay(const Walkthrough& walk, int location, int room = 0)
    {
        const int half = walk.markIndex("half");
        ASSERT_GT(half, 0) << walk.name << " has no mark half";
        ASSERT_NO_FATAL_FAILURE(playLocation(walk, 0, half));
        ASSERT_TRUE(player.leaveToMainMenu()) << player.error();
        ASSERT_TRUE(player.continueGame()) << player.error();
        EXPECT_EQ(GamePlayer::var("cur_loc"), location);
        if (room != 0)
            EXPECT_EQ(GamePlayer::var("cur_room"), room);
        const std::string where = "location " + std::to_string(location);
        expectRoomAndInterfaceShown(where + " after continuing");
        expectCleanLog("the trip to the main menu and back");
        ASSERT_NO_FATAL_FAILURE(playLocation(walk, half, -1));
        EXPECT_TRUE(threadsLeft().empty()) << ::testing::PrintToString(threadsLeft());
    }

    /// Nothing forbidden in the log since the last look.
    void expectCleanLog(const std::string& when)
    {
        const std::string fault = player.logFault();
        EXPECT_TRUE(fault.empty()) << when << ": the log says: " << fault;
    }

    /// Threads of the plan as last seen that have not reached their last
    /// task, each "thread <n> <name>:task/count".  The thread that asks the
    /// loader for the next location ends on that task: the loader answers by
    /// loading.
    std::vector<std::string> threadsLeft() const
    {
        std::vector<std::string> left;
        for (const auto& t : mLastThreads)
            if (t.second.first < t.second.second - 1)
                left.push_back(t.first + ":" + std::to_string(t.second.first) + "/" + std::to_string(t.second.second));
        return left;
    }

    /// Every thread of the plan as last seen, "thread <n> <name>:task/count".
    std::vector<std::string> threadsNow() const
    {
        std::vector<std::string> all;
        for (const auto& t : mLastThreads)
            all.push_back(t.first + ":" + std::to_string(t.second.first) + "/" + std::to_string(t.second.second));
        return all;
    }

    /// Keeps the threads of the running plan (they go with the location).
    void noteThreads()
    {
        CObject* object = gApp.findObject("00_game_interface");
        auto* gi = object ? dynamic_cast<sc_00_ginterface*>(object->getScript()) : nullptr;
        if (!gi || gi->threads.empty())
            return;
        mLastThreads.clear();
        for (size_t i = 0; i < gi->threads.size(); ++i)
        {
            const auto& t = gi->threads[i];
            mLastThreads.emplace_back("thread " + std::to_string(i) + " " + t.name,
                                      std::make_pair(t.cur_task, t.task_count()));
        }
    }

    std::vector<std::pair<std::string, std::pair<int, int>>> mLastThreads;
    TempDir mDir;
    GamePlayer player;
    bool mWatch = false;
    /// Frames follow the clock, as in the game binary.
    bool mRealTime = false;
};
} // namespace tq
