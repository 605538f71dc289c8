// A tube of the tube-turning puzzle: the codes of a visit, from the number
// in its object's name, reach the puzzle with sender 0.
#include "02_03_game_03_tube.h"
#include "PieceCheck.h"

#include <gtest/gtest.h>

namespace
{
TEST(Tube, AVisitSendsItsNumberPlusEachEventsBaseToItsGame)
{
    tq::HeadlessEngine engine;
    engine.addRecorder("02_minigame_03");
    CObject* piece = engine.addObject("02_03_game_03_tube_08", "02_03_game_03_tube.sc");
    engine.frame();
    EXPECT_EQ(tq::visit(engine, piece, "02_minigame_03"), tq::visitCodes(10008, 30008, 40008, 20008));
}
} // namespace
