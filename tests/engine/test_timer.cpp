// Object timers: due strictly after the interval, at most once a frame,
// repeats, the 16-slot pool, the clock's wrap and timers aimed at others.
#include "HeadlessEngine.h"
#include "TestSupport.h"

#include <OgreSceneManager.h>

#include <gtest/gtest.h>

namespace
{
using tq::RecordingScript;
typedef std::vector<std::string> Calls;

class Timers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        object = engine.addRecorder("clock");
        engine.frame();
        RecordingScript::calls().clear();
    }

    /// Number of time messages the object received so far.
    static int fired(const std::string& label = "clock")
    {
        int count = 0;
        for (const std::string& call : RecordingScript::callsOf(label))
            count += call == "ON_TIME()";
        return count;
    }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
    CObject* object = nullptr;
};

TEST_F(Timers, FiresOnlyWhenStrictlyMoreThanTheIntervalHasPassed)
{
    const int id = CObject::createTimer(object, 100, 1, nullptr);
    EXPECT_EQ(id, 100);
    engine.frame(0.05f);
    engine.frame(0.05f); // exactly 100 ms: not yet
    EXPECT_EQ(fired(), 0);
    engine.frame(0.001f);
    EXPECT_EQ(RecordingScript::callsOf("clock"), (Calls{"ON_TIME()", "ON_TIME(100)"}));
    EXPECT_EQ(object->mTimers.live, 0);
}

TEST_F(Timers, ZeroIntervalFiresInTheFirstFrameThatMovesTheClock)
{
    CObject::createTimer(object, 0, -1, nullptr);
    engine.frame(0.001f);
    EXPECT_EQ(fired(), 1);
}

TEST_F(Timers, AtMostOnceAFrameAndEachPeriodCountsFromTheFiring)
{
    CObject::createTimer(object, 10, 3, nullptr);
    engine.frame(1.0f); // a hundred intervals long: still one firing
    EXPECT_EQ(fired(), 1);
    // Frame times as the frame loop truncates them: 0.0051 s is 5 ms.
    engine.frame(0.0051f);
    engine.frame(0.0051f); // 10 ms after the firing: not yet
    EXPECT_EQ(fired(), 1);
    engine.frame(0.0011f);
    EXPECT_EQ(fired(), 2);
    engine.frame(0.0201f);
    EXPECT_EQ(fired(), 3);
    EXPECT_EQ(object->mTimers.live, 0);
    engine.frames(5, 0.02f);
    EXPECT_EQ(fired(), 3);
}

TEST_F(Timers, EndlessTimersNeverRunOut)
{
    struct Case
    {
        int repeats;
        int firings;
    };
    const Case cases[] = {{1, 1}, {3, 3}, {-1, 20}, {0, 20}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.repeats);
        RecordingScript::calls().clear();
        object->mTimers.clear();
        CObject::createTimer(object, 1, c.repeats, nullptr);
        engine.frames(20, 0.002f);
        EXPECT_EQ(fired(), c.firings);
    }
}

TEST_F(Timers, ClockWrapIsAnUnsignedDifference)
{
    gApp.mGameClock = 0xFFFFFFF0u;
    CObject::createTimer(object, 20, 1, nullptr);
    engine.frame(0.016f); // clock wraps to 0
    EXPECT_EQ(fired(), 0);
    engine.frame(0.0051f); // 21 ms since the start
    EXPECT_EQ(fired(), 1);
}

TEST_F(Timers, SeventeenthTimerIsRefusedUntilOneIsKilled)
{
    for (int i = 0; i < CTimerPool::kSlots; ++i)
        EXPECT_EQ(CObject::createTimer(object, 1000, -1, nullptr), 100 + i);
    engine.clearLog();
    EXPECT_EQ(CObject::createTimer(object, 1, 1, nullptr), 0);
    EXPECT_NE(engine.log().find("\nERROR: WHAT THA F! WE HAVE NO ROOM FOR TIMER!"), std::string::npos);
    EXPECT_EQ(object->mTimers.live, 16);
    engine.frame(0.002f);
    EXPECT_EQ(fired(), 0) << "the refused timer changed a live one";

    CObject::killTimer(object, 107);
    EXPECT_EQ(object->mTimers.live, 15);
    EXPECT_EQ(CObject::createTimer(object, 1, 1, nullptr), 107);
}

TEST_F(Timers, CreateAndKillLogLines)
{
    engine.clearLog();
    CObject::createTimer(object, 5, 1, nullptr);
    const int id = CObject::createTimer(object, 5, 1, nullptr);
    EXPECT_NE(engine.log().find("\nclock.sc\ncreateTimer (1,2) object [clock] id=0x65"), std::string::npos)
        << engine.log();
    engine.clearLog();
    CObject::killTimer(object, id);
    EXPECT_NE(engine.log().find("\nkillTimer (1,2) object [clock] id=0x65"), std::string::npos);
    engine.clearLog();
    CObject::killTimer(object, 115);
    EXPECT_TRUE(engine.log().empty());
    EXPECT_EQ(object->mTimers.live, 1);
}

// A script that makes a timer while the queue is worked off.
class TimerMaker : public RecordingScript
{
public:
    TimerMaker() : RecordingScript("maker") {}
    void ON_NOTIFY(int code) override
    {
        RecordingScript::ON_NOTIFY(code);
        CObject::createTimer(gObjectCollector.get(getOwner()), 0, 1, nullptr);
    }
};

TEST_F(Timers, TimerMadeDuringTheWorkOffIsFirstTestedNextFrame)
{
    CObject* maker = engine.addObjectWithScript("maker", new TimerMaker());
    engine.frame();
    engine.notify(maker, 1);
    engine.frame(0.5f);
    EXPECT_EQ(fired("maker"), 0);
    engine.frame(0.001f);
    EXPECT_EQ(fired("maker"), 1);
}

TEST_F(Timers, TimerAimedAtAnotherObject)
{
    CObject* other = engine.addRecorder("other");
    engine.frame();
    RecordingScript::calls().clear();
    const int id = CObject::createTimer(object, 1, -1, other);
    engine.frame(0.002f);
    EXPECT_EQ(fired("clock"), 0);
    EXPECT_EQ(RecordingScript::callsOf("other"), (Calls{"ON_TIME()", "ON_TIME(" + std::to_string(id) + ")"}));

    // Once the target is gone the timer posts nothing that could reach it.
    gApp.mSceneMgr->destroySceneNode("other");
    RecordingScript::calls().clear();
    engine.frames(3, 0.002f);
    EXPECT_TRUE(RecordingScript::calls().empty());
}

TEST_F(Timers, TimersDieWithTheirObject)
{
    CObject::createTimer(object, 1, -1, nullptr);
    gApp.mSceneMgr->destroySceneNode("clock");
    engine.frames(3, 0.002f);
    EXPECT_TRUE(RecordingScript::calls().empty());
    EXPECT_EQ(gObjectCollector.count(), 0);
}
} // namespace
