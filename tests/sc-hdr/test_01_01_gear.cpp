// A gear of the gear puzzle on the headless engine: the codes of a visit,
// the order of leaving one gear for the next, a missing game and orders
// sent to the piece.
#include "01_01_gear.h"
#include "PieceCheck.h"

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;

class Gear : public ::testing::Test
{
protected:
    tq::HeadlessEngine engine;
};

TEST_F(Gear, AVisitSendsTheGearsNumberPlusEachEventsBaseWithSenderZero)
{
    engine.addRecorder("01_minigame_32");
    CObject* gear = engine.addObject("01_01_gear_07", "01_01_gear.sc");
    engine.frame();
    auto* script = tq::HeadlessEngine::scriptOf<sc_01_01_gear>(gear);
    ASSERT_NE(script, nullptr);
    EXPECT_EQ(script->number, 7);
    EXPECT_EQ(tq::visit(engine, gear, "01_minigame_32"), tq::visitCodes(10007, 30007, 40007, 20007));
}

TEST_F(Gear, MovingFromGearToGearLeavesTheOldOneFirst)
{
    engine.addRecorder("01_minigame_32");
    CObject* third = engine.addObject("01_01_gear_03", "01_01_gear.sc");
    CObject* fourth = engine.addObject("01_01_gear_04", "01_01_gear.sc");
    engine.frame();
    tq::RecordingScript::calls().clear();
    engine.hover(third);
    engine.hover(fourth);
    engine.frames(2);
    EXPECT_EQ(notes("01_minigame_32"), (tq::Calls{note(10003, nullptr), note(20003, nullptr), note(10004, nullptr)}));
}

TEST_F(Gear, WithoutItsGameThePieceWarnsOnceAndNothingArrives)
{
    // The game appears after the piece was created: it is never looked up
    // again.
    CObject* gear = engine.addObject("01_01_gear_02", "01_01_gear.sc");
    engine.frame();
    engine.addRecorder("01_minigame_32");
    engine.frame();
    EXPECT_EQ(tq::visit(engine, gear, "01_minigame_32"), tq::Calls{});
    const std::string warning = "\nWARNING: Can't find object [01_minigame_32] by name!";
    const std::string log = engine.log();
    ASSERT_NE(log.find(warning), std::string::npos);
    EXPECT_EQ(log.find(warning, log.find(warning) + 1), std::string::npos);
}

TEST_F(Gear, OrdersToThePieceChangeNothing)
{
    CObject* game = engine.addRecorder("01_minigame_32");
    CObject* gear = engine.addObject("01_01_gear_05", "01_01_gear.sc");
    engine.frame();
    auto* script = tq::HeadlessEngine::scriptOf<sc_01_01_gear>(gear);
    const OBJECT_HANDLE target = script->target;
    EXPECT_EQ(target, game->getHandle());
    tq::RecordingScript::calls().clear();
    for (int code : {1200, 10005, 30005, 0})
        engine.notify(gear, code, game);
    engine.frames(2);
    EXPECT_EQ(notes("01_minigame_32"), tq::Calls{});
    EXPECT_EQ(script->number, 5);
    EXPECT_EQ(script->target, target);
}
} // namespace
