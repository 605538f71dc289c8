// An upper node of the node-and-line board: the codes of a visit, from the
// number in its object's name, reach the board with sender 0.
#include "01_01_game_up_node.h"
#include "PieceCheck.h"

#include <gtest/gtest.h>

namespace
{
TEST(UpNode, AVisitSendsItsNumberPlusEachEventsBaseToItsGame)
{
    tq::HeadlessEngine engine;
    engine.addRecorder("01_minigame_01");
    CObject* piece = engine.addObject("01_01_game_up_node_06", "01_01_game_up_node.sc");
    engine.frame();
    EXPECT_EQ(tq::visit(engine, piece, "01_minigame_01"), tq::visitCodes(10006, 30006, 40006, 20006));
}
} // namespace
