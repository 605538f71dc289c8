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
    /// A new game, then the loader's code for the location, as the last
    /// task of the one before sends it, until play is handed over there.
    void enterDirectly(int location)
    {
        ASSERT_NO_FATAL_FAILURE(start("-log"));
        player.afterFrame = [this] { noteThreads(); };
        ASSERT_NO_FATAL_FAILURE(reachNameBox());
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
    ASSERT_NO_FATAL_FAILURE(reachNameBox());
    EXPECT_GE(coloursIn(0.1f, 0.1f, 0.9f, 0.9f), 8) << "the main menu is not drawn";

    // The menus' own lines (save slots looked for, the logos) are not the
    // location's; the log is watched from the new game on.
    player.logFault();
    ASSERT_TRUE(player.startNewGame("Anna")) << player.error();
    ASSERT_TRUE(gApp.findObject("01_az_angar")) << "location 1 loaded without its rooms";
    expectRoomAndInterfaceShown("location 1 after the new game's load");
    expectCleanLog("the new game and location 1's load");

    const tq::Walkthrough one = walkthrough("01.txt");
    ASSERT_NO_FATAL_FAILURE(playWithAContinueHalfWay(one, 1));

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
