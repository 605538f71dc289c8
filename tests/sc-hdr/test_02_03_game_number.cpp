// A number plate of the number-wheel panel: the codes of a visit, from the
// number in its object's name, reach the panel's object with sender 0.
#include "02_03_game_number.h"
#include "PieceCheck.h"

#include <gtest/gtest.h>

namespace
{
TEST(NumberPlate, AVisitSendsItsNumberPlusEachEventsBaseToItsGame)
{
    tq::HeadlessEngine engine;
    engine.addRecorder("02_03_az_room_stol_diski_door_mg");
    CObject* piece = engine.addObject("02_03_game_number_02", "02_03_game_number.sc");
    engine.frame();
    EXPECT_EQ(tq::visit(engine, piece, "02_03_az_room_stol_diski_door_mg"), tq::visitCodes(10002, 30002, 40002, 20002));
}
} // namespace
