// The letter tile "03_05_game_letter.sc" on the headless engine: its codes
// for one full click and the focus lines it logs.
#include "PieceRunFixture.h"

#include <gtest/gtest.h>

TEST(Piece, ReportsItsTileAndLogsItsFocus)
{
    tq::PieceRun run("03_05_game_letter.sc", "03_05_game_letter_12", "03_minigame_06");
    run.engine.clearLog();
    EXPECT_EQ(run.fullClick(), (tq::Calls{"10012,0", "30012,0", "40012,0", "20012,0"}));
    const std::string log = run.engine.log();
    const size_t set = log.find("\nset focus 12");
    ASSERT_NE(set, std::string::npos) << log;
    EXPECT_NE(log.find("\nkill focus 12", set), std::string::npos) << log;
}
