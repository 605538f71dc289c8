// A hot spot of the code box's door, "04_05_game_KodLarec_Door.sc", on the
// headless engine: its release reported to the code generator, and the
// cursor it sets with the hot-spot sparkle on and off.
#include "PieceRunFixture.h"

#include "VirtualScript.h"

#include <gtest/gtest.h>

namespace
{
/// The cursor lines of the log, in order.
std::string cursorLines(const std::string& log)
{
    std::string lines;
    for (size_t at = log.find("\nMouse Cursor "); at != std::string::npos; at = log.find("\nMouse Cursor ", at + 1))
        lines += log.substr(at + 14, log.find(' ', at + 14) - at - 14) + ";";
    return lines;
}

TEST(Piece, TheReleaseIsReportedAndTheCursorPointsWhileTheSparkleIsOn)
{
    tq::PieceRun run("04_05_game_KodLarec_Door.sc", "04_05_az_KodLarec_Door_07", "04_06_az_generator_koda_mg");
    for (int sparkle : {1, 0})
    {
        SCOPED_TRACE(sparkle);
        CVirtualScript::setVarI("az_sparkle", sparkle);
        run.engine.clearLog();
        EXPECT_EQ(run.fullClick(), tq::Calls{"50007,0"});
        // The pointing cursor on focus only with the sparkle; the plain one
        // on leaving in any case.
        EXPECT_EQ(cursorLines(run.engine.log()), sparkle ? "OFF;ON;" : "ON;");
    }
}
} // namespace
