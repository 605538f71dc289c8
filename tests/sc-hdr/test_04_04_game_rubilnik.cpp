// The cannon's switch "04_04_game_rubilnik.sc" on the headless engine: what
// a full click on switch 2 (object number 03) sends, with the cannon used
// or not, the switch pulled or not, and a dialog running or not.
#include "PieceRunFixture.h"

#include "VirtualScript.h"

#include <gtest/gtest.h>

namespace
{
using tq::Calls;

struct Case
{
    int used;          ///< "04_04_az_LazernajaPushka@used"
    int pulled;        ///< the switch's flag in the cannon puzzle's array
    int dialogRunning; ///< "is_dialog_start"
    Calls puzzle;      ///< what the cannon puzzle hears
    Calls dialogs;     ///< what "02_dialogs" hears
};

TEST(Piece, TheSwitchSpeaksOnlyOnceTheCannonIsUsedAndWhileItIsNotPulled)
{
    const Case cases[] = {
        {0, 0, 0, {}, {"4054,0"}},
        {0, 1, 0, {}, {"4054,0"}},
        {0, 0, 1, {}, {}},
        {1, 0, 0, {"30002,0", "40002,0"}, {}},
        {1, 0, 1, {"30002,0", "40002,0"}, {}},
        {1, 1, 0, {}, {}},
    };
    tq::PieceRun run("04_04_game_rubilnik.sc", "04_04_az_rubilnik_03", "04_04_az_LazernajaPushka_mg", {"02_dialogs"});
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "used " << c.used << ", pulled " << c.pulled << ", dialog "
                                        << c.dialogRunning);
        CVirtualScript::setVarI("04_04_az_LazernajaPushka@used", c.used);
        CVirtualScript::setVarI("4_21_variable_9", c.pulled);
        CVirtualScript::setConfigI("is_dialog_start", c.dialogRunning);
        EXPECT_EQ(run.fullClick(), c.puzzle);
        EXPECT_EQ(tq::notes("02_dialogs"), c.dialogs);
    }
}
} // namespace
