// The stained-glass window of room 04_02: lit on 100 with a light that
// fades in, changed on 200 as the light fades out, and put back as the
// saved "freska@state" says when the room is loaded again.
#include "04_freska.h"
#include "PuzzleFixture.h"

#include <OgreMaterialManager.h>
#include <OgreTechnique.h>

namespace
{
using tq::ScriptFixture;

const char* const kLight = "04_vitrag_svet";
const char* const kLitFresco = "04_02_freska_01_02";
const char* const kWindow = "04_01_room/04_window";

class Freska04 : public ::testing::Test, public tq::PuzzleFixture
{
protected:
    Freska04() : PuzzleFixture({})
    {
        for (const char* m : {kLight, kWindow, "04_plain"})
            ScriptFixture::material(m);
        ScriptFixture::material(kLitFresco, 2);
        for (const char* name : {"04_02_freska_01", "04_02_freska_sunduk01", "04_vitrag_02", kLight})
        {
            piece(name);
            entityOf(name)->setMaterialName("04_plain");
        }
        entityOf(kLight)->setVisible(false);
    }

    /// Creates the window's script with the saved state.
    void create(int state)
    {
        CVirtualScript::setVarI("freska@state", state);
        script = tq::HeadlessEngine::scriptOf<sc_04_freska>(engine->addObject("04_freska", "04_freska.sc"));
        engine->frame();
    }

    /// The room's request, delivered on a short frame of its own.
    void tell(int code)
    {
        engine->notify(gApp.findObject("04_freska"), code);
        engine->frame(0.002f);
    }

    static float colour(const char* material, int pass)
    {
        return ScriptFixture::unit(material, pass)->getColourBlendMode().colourArg2.r;
    }

    sc_04_freska* script = nullptr;
};

struct SavedCase
{
    const char* label;
    int state;
    const char* fresco;
    const char* window;
};

class Freska04Reload : public Freska04, public ::testing::WithParamInterface<SavedCase>
{
};

TEST_P(Freska04Reload, ShowsTheSavedState)
{
    const SavedCase& c = GetParam();
    create(c.state);
    EXPECT_EQ(materialOf("04_02_freska_01", 0), c.fresco);
    EXPECT_EQ(materialOf("04_02_freska_sunduk01", 0), c.fresco);
    EXPECT_EQ(materialOf("04_vitrag_02", 0), c.window);
    EXPECT_FALSE(shown(kLight)); // the light keeps what the scene gave it
}

INSTANTIATE_TEST_SUITE_P(States, Freska04Reload,
                         ::testing::Values(SavedCase{"Plain", 0, "04_plain", "04_plain"},
                                           SavedCase{"Lit", 1, kLitFresco, "04_plain"},
                                           SavedCase{"WindowChanged", 2, "04_plain", kWindow}),
                         [](const ::testing::TestParamInfo<SavedCase>& info) { return info.param.label; });

TEST_F(Freska04, LightsUpOverTwoAndAHalfSecondsThenFadesIntoTheChangedWindow)
{
    create(0);
    tell(100);
    engine->frame(0.5f);
    EXPECT_TRUE(shown(kLight));
    EXPECT_EQ(materialOf("04_02_freska_01", 0), kLitFresco);
    EXPECT_EQ(materialOf("04_02_freska_sunduk01", 0), kLitFresco);
    EXPECT_NEAR(colour(kLight, 0), 0.2f, 1e-4f);
    EXPECT_EQ(CVirtualScript::getVarI("freska@state"), 0);
    engine->frames(4, 0.5f);
    EXPECT_NEAR(colour(kLight, 0), 1.0f, 1e-4f); // exactly 1.0 is not yet past it
    EXPECT_EQ(CVirtualScript::getVarI("freska@state"), 0);
    engine->frame(0.5f);
    EXPECT_EQ(CVirtualScript::getVarI("freska@state"), 1);
    EXPECT_FLOAT_EQ(colour(kLight, 0), 1.0f); // never brighter than full
    EXPECT_EQ(script->fadeInTimer, 0);

    tell(200);
    engine->frame(1.0f);
    EXPECT_NEAR(colour(kLight, 0), 0.6f, 1e-4f);
    EXPECT_NEAR(colour(kLitFresco, 1), 0.6f, 1e-4f);
    EXPECT_EQ(materialOf("04_vitrag_02", 0), "04_plain");
    engine->frame(1.0f); // 0.2
    EXPECT_TRUE(shown(kLight));
    engine->frame(0.75f); // below 0: the window has changed
    EXPECT_FALSE(shown(kLight));
    EXPECT_EQ(materialOf("04_vitrag_02", 0), kWindow);
    EXPECT_FLOAT_EQ(colour(kLight, 0), 0.0f);
    EXPECT_FLOAT_EQ(colour(kLitFresco, 1), 0.0f);
    EXPECT_EQ(CVirtualScript::getVarI("freska@state"), 2);
    EXPECT_EQ(script->fadeOutTimer, 0);
}

TEST_F(Freska04, ChangedBeforeTheLightHasFinishedItStopsLightingUp)
{
    create(0);
    tell(100);
    engine->frame(0.5f);
    tell(200);
    engine->frames(6, 0.5f);
    EXPECT_EQ(CVirtualScript::getVarI("freska@state"), 2);
    EXPECT_EQ(script->fadeInTimer, 0);
    EXPECT_EQ(script->fadeOutTimer, 0);
    engine->frames(3, 0.5f);
    EXPECT_EQ(CVirtualScript::getVarI("freska@state"), 2);
}
} // namespace
