// The push button of the switches-and-lamps lock: it has no number, sends
// fixed codes and nothing when the button goes down.
#include "01_01_button.h"
#include "PieceCheck.h"

#include <gtest/gtest.h>

namespace
{
using tq::note;

TEST(Button, AVisitSendsFocusReleaseAndLeaveButNothingOnPress)
{
    tq::HeadlessEngine engine;
    engine.addRecorder("01_minigame_33");
    // Digits in the name are not read.
    CObject* button = engine.addObject("01_01_button_05", "01_01_button.sc");
    engine.frame();
    EXPECT_EQ(tq::visit(engine, button, "01_minigame_33"),
              (tq::Calls{note(15000, nullptr), note(45000, nullptr), note(25000, nullptr)}));
}
} // namespace
