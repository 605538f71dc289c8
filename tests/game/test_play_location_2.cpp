// Location 2 played through by the automated player on the real game under
// Xvfb: a new game, the tester's key from location 1 to location 2's loading
// window, then location 2's walkthrough from data/walkthrough to the
// loader's call for location 3 with every play thread at its end, with a
// save half-way through the in-game menu, back to the main menu and
// "Continue".  Any missing object, script exception, missing resource or
// plan warning in the log fails the step that caused it; the screen is
// looked at after every load.
// ctest: serial
// ctest: long
#include "00_interface.h"
#include "PlayedGame.h"

#include <ois/OISKeyboard.h>

namespace
{
class PlayLocationTwo : public tq::PlayedGame
{
};

TEST_F(PlayLocationTwo, FromItsLoadingWindowToLocationThreeWithASaveAndContinueHalfWay)
{
    if (!hasRooms(2))
        GTEST_SKIP() << "the game data holds no rooms of location 2 yet";
    ASSERT_NO_FATAL_FAILURE(start("-log -cheats"));
    ASSERT_TRUE(player.startNewGame("Anna")) << player.error();
    // Location 1 is the other play-through's: its log is not looked at here.
    player.logFault();

    // The tester's key (right Shift and full stop) sends the loader on.
    player.pressKey(OIS::KC_RSHIFT);
    player.typeKey(OIS::KC_PERIOD, '.');
    player.releaseKey(OIS::KC_RSHIFT);
    ASSERT_TRUE(player.waitUntil([] { return tq::GamePlayer::var("cur_loc") == 2; }, 600, "location 2's load"))
        << player.error();
    ASSERT_TRUE(player.enterLocation()) << player.error();
    expectRoomAndInterfaceShown("location 2 after its load");
    expectCleanLog("location 2's load");

    // "Continue" brings back the room the save was made in.
    ASSERT_NO_FATAL_FAILURE(playWithAContinueHalfWay(walkthrough("02.txt"), 2, 3));
    EXPECT_EQ(tq::GamePlayer::var("cur_loc"), 3);
}
} // namespace
