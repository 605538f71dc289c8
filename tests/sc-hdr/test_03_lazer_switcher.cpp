// The laser beam of location 3 on the headless engine: full colour until
// 100, then a fade over one second and the beam hidden, with one clock
// however often it is switched off.
#include "03_lazer_switcher.h"
#include "ActorSceneFixture.h"

#include <gtest/gtest.h>

namespace
{
class Lazer : public ::testing::Test, public tq::ActorSceneFixture
{
protected:
    Lazer() : ActorSceneFixture({})
    {
        material("03_lazer");
        prop("03_06_lazer");
        switcher = engine->addObject("03_lazer_switcher", "03_lazer_switcher.sc");
        engine->frame();
    }

    static float colour() { return unit("03_lazer")->getColourBlendMode().colourArg2.r; }

    CObject* switcher = nullptr;
};

TEST_F(Lazer, TheBeamFadesOutInASecondAndGoes)
{
    EXPECT_FLOAT_EQ(colour(), 1.0f);
    EXPECT_EQ(unit("03_lazer")->getColourBlendMode().operation, Ogre::LBX_MODULATE);
    engine->notify(switcher, 200);
    engine->frames(3, 0.1f);
    EXPECT_FLOAT_EQ(colour(), 1.0f);

    engine->notify(switcher, 100);
    engine->frame(0.0f);
    engine->frames(4, 0.1f);
    EXPECT_NEAR(colour(), 0.6f, 1e-4f);
    EXPECT_TRUE(shown("03_06_lazer"));
    // Switched off again while it fades: still one clock.
    engine->notify(switcher, 100);
    engine->frames(7, 0.1f);
    EXPECT_FALSE(shown("03_06_lazer"));
    EXPECT_EQ(switcher->mTimers.live, 0);
    EXPECT_LT(colour(), 0.0f);
}
}
