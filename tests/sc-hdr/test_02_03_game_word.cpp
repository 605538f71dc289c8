// A word of the sign-phrase puzzle: the codes of a visit, from the number
// in its object's name, reach the puzzle with sender 0.
#include "02_03_game_word.h"
#include "PieceCheck.h"

#include <gtest/gtest.h>

namespace
{
TEST(Word, AVisitSendsItsNumberPlusEachEventsBaseToItsGame)
{
    tq::HeadlessEngine engine;
    engine.addRecorder("02_minigame_02");
    CObject* piece = engine.addObject("02_03_game_word_15", "02_03_game_word.sc");
    engine.frame();
    EXPECT_EQ(tq::visit(engine, piece, "02_minigame_02"), tq::visitCodes(10015, 30015, 40015, 20015));
}
} // namespace
