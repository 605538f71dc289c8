// The globe hot spot of location 3 on the headless engine: hidden globe and
// light until the click, then shown, turning at 4 degrees a second and
// flickering up to full brightness within a second; the click kept for the
// next visit; the hot-spot cursor only while the sparkle is on.
#include "03_globus.h"
#include "ActorSceneFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

/// The hot spot's own script, made on the hot spot as the scene binds it.
class GlobeOnSpot : public ::testing::Test, public tq::ActorSceneFixture
{
protected:
    GlobeOnSpot() : ActorSceneFixture({"00_movies"})
    {
        material("03_globus");
        material("03_kosmosvet");
        prop("03_06_globus");
        prop("03_kosmosvet");
    }

    void create()
    {
        spot = engine->addObject("03_globus_az", "03_globus.sc");
        spot->getNode()->attachObject(gApp.mSceneMgr->createBillboardSet("03_globus_az_look"));
        engine->frame();
        tq::RecordingScript::calls().clear();
    }

    static float brightness(const char* material) { return unit(material)->getColourBlendMode().colourArg2.r; }

    CObject* spot = nullptr;
};

TEST_F(GlobeOnSpot, AClickShowsTheGlobeTurningAndBrightening)
{
    create();
    EXPECT_FALSE(shown("03_06_globus"));
    EXPECT_FALSE(shown("03_kosmosvet"));
    EXPECT_TRUE(shown("03_globus_az"));

    // Two frames of the shortest length: the click and what it sent are
    // handled, and the globe has not turned yet.
    engine->click(spot);
    engine->frames(2, 0.0f);
    EXPECT_EQ(notes("00_movies"), Calls{note(100, nullptr)});
    EXPECT_FALSE(shown("03_globus_az"));
    EXPECT_TRUE(shown("03_06_globus"));
    EXPECT_TRUE(shown("03_kosmosvet"));
    EXPECT_EQ(CVirtualScript::getVarI("03_globus@click"), 1);

    // Half a second on: 2 degrees, and the flicker's (1 - s)^2 cos(31.4 s)
    // taken from full brightness.
    engine->frames(5, 0.1f);
    const float expected = 1.0f - std::fabs(0.25f * std::cos(31.4f * 0.5f));
    EXPECT_NEAR(turn("03_06_globus"), 2.0f, 1e-3f);
    EXPECT_NEAR(brightness("03_globus"), expected, 1e-3f);
    EXPECT_NEAR(brightness("03_kosmosvet"), expected, 1e-3f);

    engine->frames(6, 0.1f);
    EXPECT_FLOAT_EQ(brightness("03_globus"), 1.0f);
    EXPECT_NEAR(turn("03_06_globus"), 4.4f, 1e-3f);
}

TEST_F(GlobeOnSpot, AKeptClickShowsTheGlobeAtOnceAQuarterSecondIn)
{
    CVirtualScript::setVarI("03_globus@click", 1);
    create();
    EXPECT_FALSE(shown("03_globus_az"));
    EXPECT_TRUE(shown("03_06_globus"));
    engine->frame(0.1f);
    EXPECT_NEAR(turn("03_06_globus"), 1.4f, 1e-3f);
}

TEST_F(GlobeOnSpot, TheHotSpotCursorOnlyWhileTheSparkleIsOn)
{
    create();
    for (int sparkle : {0, 1})
    {
        SCOPED_TRACE(sparkle);
        CVirtualScript::setVarI("az_sparkle", sparkle);
        engine->clearLog();
        engine->hover(spot);
        engine->frame();
        EXPECT_EQ(engine->log().find("\nMouse Cursor OFF ") != std::string::npos, sparkle != 0);
        engine->clearLog();
        engine->hover(nullptr);
        engine->frame();
        EXPECT_NE(engine->log().find("\nMouse Cursor ON "), std::string::npos);
    }
}
}
