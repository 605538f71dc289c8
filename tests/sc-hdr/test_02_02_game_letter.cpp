// A letter of the letter-joining puzzle: the codes of a visit, from the
// number in its object's name, reach the puzzle with sender 0.
#include "02_02_game_letter.h"
#include "PieceCheck.h"

#include <gtest/gtest.h>

namespace
{
TEST(Letter, AVisitSendsItsNumberPlusEachEventsBaseToItsGame)
{
    tq::HeadlessEngine engine;
    engine.addRecorder("02_minigame_34");
    CObject* piece = engine.addObject("02_02_game_letter_11", "02_02_game_letter.sc");
    engine.frame();
    EXPECT_EQ(tq::visit(engine, piece, "02_minigame_34"), tq::visitCodes(10011, 30011, 40011, 20011));
}
} // namespace
