// A switch of the switches-and-lamps lock, whose objects are named
// "01_01_game_tumbler_NN": the codes of a visit, from that number, reach the
// lock with sender 0.
#include "01_01_tumbler.h"
#include "PieceCheck.h"

#include <gtest/gtest.h>

namespace
{
TEST(Tumbler, AVisitSendsItsNumberPlusEachEventsBaseToItsGame)
{
    tq::HeadlessEngine engine;
    engine.addRecorder("01_minigame_33");
    CObject* piece = engine.addObject("01_01_game_tumbler_03", "01_01_tumbler.sc");
    engine.frame();
    EXPECT_EQ(tq::visit(engine, piece, "01_minigame_33"), tq::visitCodes(10003, 30003, 40003, 20003));
}
} // namespace
