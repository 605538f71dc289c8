// The unfolding display of location 4: nothing until the room asks and the
// delay of its "start" parameter has passed, then a flat face that opens
// out, a rest, and the depth growing to exactly full scale.
#include "04_display.h"
#include "ZoneFixture.h"

#include <OgreSceneNode.h>

namespace
{
class Display04 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        display = prop("04_display_01", "04_display.sc", {{"start", "300"}});
        display->getEntity()->setVisible(false);
        engine.frame();
        script = tq::HeadlessEngine::scriptOf<sc_04_display>(display);
        ASSERT_NE(script, nullptr);
    }

    vec3 scale() const { return display->getNode()->getScale(); }

    CObject* display = nullptr;
    sc_04_display* script = nullptr;
};

TEST_F(Display04, StaysHiddenUntilAskedAndUntilItsDelayHasPassed)
{
    EXPECT_EQ(script->delay, 300);
    engine.frames(10, 0.125f);
    EXPECT_FALSE(visible(display));

    engine.notify(display, 100);
    engine.frames(3, 0.125f); // the wait begins with the first: 250 ms of the 300
    EXPECT_FALSE(visible(display));
    EXPECT_EQ(scale(), vec3::UNIT_SCALE);
    engine.frame(0.125f);
    EXPECT_TRUE(visible(display));
    EXPECT_EQ(scale(), vec3::ZERO);
}

TEST_F(Display04, OpensFlatRestsThenGrowsToFullDepth)
{
    engine.notify(display, 100);
    engine.frames(4, 0.125f);
    ASSERT_TRUE(visible(display));

    // Half a second opens the face; the depth stays thin.
    engine.frame(0.125f); // t = 0.25
    EXPECT_NEAR(scale().x, sc_04_display::cosFunc(0.25f), 1e-5f);
    EXPECT_EQ(scale().x, scale().y);
    EXPECT_FLOAT_EQ(scale().z, 0.03f);
    engine.frames(3, 0.125f); // t = 1.0: the face is open
    EXPECT_NEAR(scale().x, 1.0f, 1e-4f);
    engine.frame(0.125f); // past 1: the rest begins
    EXPECT_EQ(script->phase, sc_04_display::kResting);
    EXPECT_NEAR(scale().x, 1.0f, 1e-4f); // a long last frame does not fold it back
    const vec3 resting = scale();
    engine.frames(5, 0.125f);
    EXPECT_EQ(scale(), resting);
    EXPECT_EQ(script->phase, sc_04_display::kDeepening);

    engine.frame(0.125f); // t = 0.25 of the growth
    EXPECT_FLOAT_EQ(scale().x, 1.0f);
    EXPECT_GT(scale().z, 0.03f);
    EXPECT_LT(scale().z, 1.0f);
    engine.frames(4, 0.125f);
    EXPECT_EQ(scale(), vec3::UNIT_SCALE);
    EXPECT_EQ(script->animTimer, 0);
    engine.frames(3, 0.125f);
    EXPECT_EQ(scale(), vec3::UNIT_SCALE);
}

TEST_F(Display04, AskedAgainItWaitsAgainWithOneTimer)
{
    engine.notify(display, 100);
    engine.frames(2, 0.125f);
    engine.notify(display, 100); // the wait starts over
    engine.frames(2, 0.125f);
    EXPECT_FALSE(visible(display));
    engine.frames(2, 0.125f);
    EXPECT_TRUE(visible(display));
    engine.frames(16, 0.125f);
    EXPECT_EQ(scale(), vec3::UNIT_SCALE);
    EXPECT_EQ(script->delayTimer, 0);
    EXPECT_EQ(script->animTimer, 0);
}
} // namespace
