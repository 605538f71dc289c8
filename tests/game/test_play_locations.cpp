// Locations 1 and 2 played through by the automated player on the real
// game under Xvfb: a new game from the main menu, each location's
// walkthrough from data/walkthrough to the loader's call for the next
// location with every play thread at its end, and half-way through
// location 1 a trip to the main menu (which saves) and "Continue".  Any
// missing object, script exception, missing resource or plan warning in
// the log fails the step that caused it; the screen is looked at after
// every load.  Location 3 is entered on its own, as the loader's code from
// the location before sends it, and played by its walkthrough.
// ctest: serial
// ctest: long
#include "00_ginterface.h"
#include "00_interface.h"
#include "00_loader.h"
#include "Object.h"
#include "PlayedGame.h"
#include "Walkthrough.h"

#include <chrono>
#include <filesystem>

namespace
{
class PlayLocations : public tq::PlayedGame
{
protected:
    tq::Walkthrough walkthrough(const std::string& file)
    {
        tq::Walkthrough walk;
        EXPECT_TRUE(walk.load(std::string(TQ_TEST_SOURCE_DIR) + "/../data/walkthrough/" + file)) << walk.error;
        return walk;
    }

    /// Threads of the location's interface as last seen, each "name:task/count".
    std::vector<std::string> threadsLeft()
    {
        std::vector<std::string> left;
        for (const auto& t : mLastThreads)
            // The thread that asks the loader for the next location ends on
            // that task: the loader answers by loading.
            if (t.second.first < t.second.second - 1)
                left.push_back(t.first + ":" + std::to_string(t.second.first) + "/" +
                               std::to_string(t.second.second));
        return left;
    }

    /// Every thread of the location's interface as last seen, "name:task/count".
    std::vector<std::string> threadsNow()
    {
        std::vector<std::string> all;
        for (const auto& t : mLastThreads)
            all.push_back(t.first + ":" + std::to_string(t.second.first) + "/" + std::to_string(t.second.second));
        return all;
    }

    /// Plays a location's walkthrough to its end, watching the threads.
    void playLocation(const tq::Walkthrough& walk, int from, int to)
    {
        const auto begin = std::chrono::steady_clock::now();
        const int framesBefore = player.frames();
        ASSERT_TRUE(player.play(walk, from, to)) << player.error() << "; the threads stand at "
                                                 << ::testing::PrintToString(threadsNow())
                                                 << "; the screen is in " << screenshot();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        std::printf("%s steps %d..%d: %d frames, %.1f s of game time, %.1f s\n", walk.name.c_str(), from,
                    to < 0 ? static_cast<int>(walk.steps.size()) : to, player.frames() - framesBefore,
                    (player.frames() - framesBefore) * player.frameSeconds, seconds);
    }

    /// The location has rooms in the game data: a table under data/rooms.
    static bool hasRooms(int location)
    {
        char table[16];
        std::snprintf(table, sizeof(table), "%02d.txt", location);
        return std::filesystem::exists(std::string(TQ_TEST_SOURCE_DIR) + "/../data/rooms/" + table);
    }

    /// Nothing forbidden in the log since the last look.
    void expectCleanLog(const std::string& when)
    {
        const std::string fault = player.logFault();
        EXPECT_TRUE(fault.empty()) << when << ": the log says: " << fault;
    }

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

    /// A new game, then the loader's code for the location, as the last
    /// task of the one before sends it, until play is handed over there.
    void enterDirectly(int location)
    {
        ASSERT_NO_FATAL_FAILURE(start("-log"));
        player.afterFrame = [this] { noteThreads(); };
        ASSERT_TRUE(player.waitUntil([&] {
            player.clickAt(0.02f, 0.02f);
            return tq::GamePlayer::menuShown(sc_00_interface::MENU_NAME);
        }, 600, "the name box of the first run")) << player.error();
        ASSERT_TRUE(player.startNewGame("Anna")) << player.error();
        CObject* loader = gApp.findObject("00_loader");
        ASSERT_NE(loader, nullptr);
        player.logFault();
        mLastThreads.clear();
        CVirtualScript::sendNotify(loader->getHandle(), 0, 1000 + location);
        char scene[48];
        std::snprintf(scene, sizeof(scene), "Scene %02d_location_start.scene loaded", location);
        ASSERT_TRUE(player.waitUntil([&] { return Log::captured().find(scene) != std::string::npos; }, 3000, scene))
            << player.error();
        // What location 1 logs while it is torn down in the middle of its
        // opening is no player's way and no fault of the location entered.
        player.logFault();
        ASSERT_TRUE(player.enterLocation()) << player.error();
        expectRoomAndInterfaceShown("location " + std::to_string(location) + " after its load");
        expectCleanLog("location " + std::to_string(location) + "'s load");
    }

    std::vector<std::pair<std::string, std::pair<int, int>>> mLastThreads;
};

TEST_F(PlayLocations, NewGameThroughLocationsOneAndTwoWithASaveAndContinueHalfWay)
{
    // Without the rooms, the locations hold nothing to play; with them,
    // every step below has to work.
    if (!hasRooms(1))
        GTEST_SKIP() << "the game data holds no rooms of location 1 yet";
    ASSERT_NO_FATAL_FAILURE(start("-log"));
    player.afterFrame = [this] { noteThreads(); };
    // The main menu's scene after the logos: drawn, not one colour.
    ASSERT_TRUE(player.waitUntil([&] {
        player.clickAt(0.02f, 0.02f);
        return tq::GamePlayer::menuShown(sc_00_interface::MENU_NAME);
    }, 600, "the name box of the first run")) << player.error();
    EXPECT_GE(coloursIn(0.1f, 0.1f, 0.9f, 0.9f), 8) << "the main menu is not drawn";

    // The menus' own lines (save slots looked for, the logos) are not the
    // location's; the log is watched from the new game on.
    player.logFault();
    ASSERT_TRUE(player.startNewGame("Anna")) << player.error();
    ASSERT_TRUE(gApp.findObject("01_az_angar")) << "location 1 loaded without its rooms";
    expectRoomAndInterfaceShown("location 1 after the new game's load");
    expectCleanLog("the new game and location 1's load");

    const tq::Walkthrough one = walkthrough("01.txt");
    const int half = one.markIndex("half");
    ASSERT_GT(half, 0) << "01.txt has no mark half";
    ASSERT_NO_FATAL_FAILURE(playLocation(one, 0, half));

    // Half-way: to the main menu, which saves, and back.
    ASSERT_TRUE(player.leaveToMainMenu()) << player.error();
    ASSERT_TRUE(player.continueGame()) << player.error();
    expectRoomAndInterfaceShown("location 1 after continuing");
    expectCleanLog("the trip to the main menu and back");
    ASSERT_NO_FATAL_FAILURE(playLocation(one, half, -1));
    EXPECT_TRUE(threadsLeft().empty()) << ::testing::PrintToString(threadsLeft());

    // Location 2 from its loading window.
    if (!hasRooms(2))
        GTEST_SKIP() << "location 1 played through; the game data holds no rooms of location 2 yet";
    ASSERT_TRUE(player.enterLocation()) << player.error();
    expectRoomAndInterfaceShown("location 2 after its load");
    expectCleanLog("location 2's load");
    mLastThreads.clear();
    ASSERT_NO_FATAL_FAILURE(playLocation(walkthrough("02.txt"), 0, -1));
    EXPECT_TRUE(threadsLeft().empty()) << ::testing::PrintToString(threadsLeft());
    EXPECT_EQ(tq::GamePlayer::var("cur_loc"), 3);
}

TEST_F(PlayLocations, LocationThreeFromItsStartToTheLoadersCallForLocationFour)
{
    if (!hasRooms(3))
        GTEST_SKIP() << "the game data holds no rooms of location 3 yet";
    ASSERT_NO_FATAL_FAILURE(enterDirectly(3));
    ASSERT_TRUE(gApp.findObject("03_01_az_bedroom_reshetka")) << "location 3 loaded without its rooms";
    const tq::Walkthrough three = walkthrough("03.txt");
    ASSERT_NO_FATAL_FAILURE(playLocation(three, 0, -1));
    EXPECT_TRUE(threadsLeft().empty()) << ::testing::PrintToString(threadsLeft());
    EXPECT_EQ(tq::GamePlayer::var("cur_loc"), 4);
}
} // namespace
