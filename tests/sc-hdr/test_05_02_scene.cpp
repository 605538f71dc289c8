// The worker woman of room 05_02: at her place and idling in a loop from
// the room's creation on, and again on 100.
#include "05_02_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

typedef tq::RoomSceneFixture Scene0502;

TEST_F(Scene0502, TheWomanIdlesInALoopFromCreationAndAgainOn100)
{
    CAnimatableObject* woman = actor("13_worker_woman", {{"static_01", 0.25f}, {"static_02", 0.25f}});
    CObject* room = scene("05_02_scene");
    EXPECT_TRUE(shown(woman));
    EXPECT_EQ(placed(woman), "(930.884, 143.988, 0) turned -78.034");
    EXPECT_EQ(points(woman), Told({"static_01 x2", "static_02 x1"}));
    EXPECT_EQ(woman->mLoop, 1);
    // The loop goes round: after the last point the first plays again.
    engine->frames(60);
    EXPECT_TRUE(woman->isRunning());

    woman->stop();
    woman->getNode()->setPosition(0, 0, 0);
    CVirtualScript::setVisible(woman->getHandle(), false);
    engine->notify(room, 100);
    engine->frame();
    EXPECT_TRUE(shown(woman));
    EXPECT_EQ(placed(woman), "(930.884, 143.988, 0) turned -78.034");
    EXPECT_EQ(points(woman), Told({"static_01 x2", "static_02 x1"}));
    EXPECT_EQ(playing(woman), "static_01");
}

TEST_F(Scene0502, AMissingWomanIsLoggedAndSkipped)
{
    engine->clearLog();
    CObject* room = scene("05_02_scene");
    engine->notify(room, 100);
    engine->frame();
    EXPECT_NE(engine->log().find("\nWARNING: Can't find object [13_worker_woman] by name!"), std::string::npos);
}
} // namespace
