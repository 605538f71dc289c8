// What every clickable piece does on the headless engine, shown on the
// chips of the light puzzle: the puzzle found once at creation, focus
// passing from piece to piece, and notifications to a piece left unanswered.
#include "PieceRunFixture.h"

#include <gtest/gtest.h>

namespace
{
using tq::Calls;

TEST(PieceScript, AMissingPuzzleIsReportedOnceAndNeverLookedForAgain)
{
    tq::PieceRun run("03_01_game_cmd.sc", "03_01_game_chip_01", "");
    const std::string warning = "\nWARNING: Can't find object [03_minigame_04] by name!";
    const std::string log = run.engine.log();
    ASSERT_NE(log.find(warning), std::string::npos) << log;
    EXPECT_EQ(log.find(warning), log.rfind(warning));

    // The puzzle arriving later stays unknown to the piece.
    run.engine.addRecorder("03_minigame_04");
    run.engine.frame();
    EXPECT_EQ(run.fullClick(), Calls{});
    EXPECT_EQ(tq::notes("03_minigame_04"), Calls{});
}

TEST(PieceScript, FocusLeavesTheOldPieceBeforeTheNewOneGetsIt)
{
    tq::PieceRun run("03_01_game_cmd.sc", "03_01_game_chip_03", "03_minigame_04");
    CObject* next = run.engine.addObject("03_01_game_chip_01", "03_01_game_cmd.sc");
    run.engine.frame();
    run.engine.hover(run.piece);
    run.engine.hover(next);
    run.engine.frames(2);
    EXPECT_EQ(run.heard(), (Calls{"10003,0", "20003,0", "10001,0"}));
}

TEST(PieceScript, NotificationsToAPieceChangeNothing)
{
    tq::PieceRun run("03_01_game_cmd.sc", "03_01_game_chip_02", "03_minigame_04");
    CObject* puzzle = gApp.findObject("03_minigame_04");
    for (int code : {1200, 10002, 30002, 0})
        run.engine.notify(run.piece, code, puzzle);
    run.engine.frames(2);
    EXPECT_EQ(run.heard(), Calls{});
    // Its number and puzzle stay as they were found.
    EXPECT_EQ(run.fullClick(), (Calls{"10002,0", "30002,0", "40002,0", "20002,0"}));
}
} // namespace
