// The swinging camera of location 3 on the headless engine: the swing
// between 170 and 190 degrees over 20 s, the stop that keeps its angle and
// is saved, and a camera stopped in an earlier visit.
#include "03_kamer.h"
#include "ActorSceneFixture.h"

#include <gtest/gtest.h>



namespace
{
class Kamer : public ::testing::Test, public tq::ActorSceneFixture
{
protected:
    Kamer() : ActorSceneFixture({}) {}

    void create()
    {
        cam = engine->addObject("03_kamer_01", "03_kamer.sc");
        engine->frame();
        script = tq::HeadlessEngine::scriptOf<sc_03_kamer>(cam);
    }

    /// Seconds of swing, in frames of a tenth.
    void swing(float seconds) { engine->frames(static_cast<int>(seconds * 10.0f + 0.5f), 0.1f); }

    /// The camera's turn about Z, from 0 up to 360 degrees.
    static float heading()
    {
        const float t = turn("03_kamer_01");
        return t < 0.0f ? t + 360.0f : t;
    }

    CObject* cam = nullptr;
    sc_03_kamer* script = nullptr;
};

TEST_F(Kamer, TheWaveRisesAndFalls)
{
    create();
    struct Case
    {
        float a;
        float b;
    };
    const Case cases[] = {{-0.1f, 0.0f}, {0.0f, 0.0f}, {0.25f, 0.5f}, {0.5f, 1.0f},
                          {0.75f, 0.5f}, {1.0f, 0.0f}, {1.2f, 0.0f}};
    for (const Case& c : cases)
    {
        float b = -1.0f;
        script->func(c.a, &b);
        EXPECT_NEAR(b, c.b, 1e-5f) << c.a;
    }
}

TEST_F(Kamer, ItSwingsUntilStoppedAndStaysStopped)
{
    create();
    swing(5.0f);
    // A quarter swing: half way out.
    EXPECT_NEAR(heading(), 180.0f, 0.1f);
    swing(5.0f);
    EXPECT_NEAR(heading(), 190.0f, 0.1f);
    swing(5.0f);
    EXPECT_NEAR(heading(), 180.0f, 0.1f);

    engine->notify(cam, 100);
    engine->frame();
    EXPECT_EQ(CVirtualScript::getVarI("03_kamer@stop"), 1);
    EXPECT_EQ(cam->mTimers.live, 0);
    const float stoppedAt = turn("03_kamer_01");
    swing(3.0f);
    EXPECT_FLOAT_EQ(turn("03_kamer_01"), stoppedAt);

    // Again: only the variable is written.
    engine->notify(cam, 100);
    engine->frame();
    EXPECT_EQ(script->frameTimer, 0);
}

TEST_F(Kamer, ACameraStoppedBeforeNeverTurns)
{
    CVirtualScript::setVarI("03_kamer@stop", 1);
    create();
    swing(2.0f);
    EXPECT_EQ(cam->mTimers.live, 0);
    EXPECT_FLOAT_EQ(turn("03_kamer_01"), 0.0f);
}
}
