// The gem's pulse: the alpha of pass 1, unit 1 of the material named by
// the node follows (1 - cos(6.283 phase)) / 2 every frame, one second a
// pulse, a long frame taking off only one second per tick.
#include "07_tolvane_flash.h"
#include "Loc7Fixture.h"

namespace
{
class GemFlash : public tq::Loc7Fixture
{
protected:
    CObject* flash(const char* materialName)
    {
        CObject* object = engine->addObject("07_tolvane1_01_bb", "07_tolvane_flash.sc");
        if (materialName)
            object->mParams["material"] = materialName;
        engine->frame(kDt);
        return object;
    }

    static float alpha() { return unit("gem/flash", 1, 1)->getAlphaBlendMode().alphaArg2; }
};

TEST_F(GemFlash, PulseFunctionPoints)
{
    struct Case
    {
        float x, y;
    };
    const Case cases[] = {{0.0f, 0.0f}, {0.25f, 0.5f}, {0.5f, 1.0f}, {0.75f, 0.5f}, {1.0f, 0.0f}};
    for (const Case& c : cases)
        EXPECT_NEAR(sc_07_tolvane_flash::pulsFunc(c.x), c.y, 1e-3f) << c.x;
}

TEST_F(GemFlash, PulsesTheNamedMaterialEveryFrame)
{
    material("gem/flash", 2);
    CObject* object = flash("gem/flash");
    auto* script = tq::HeadlessEngine::scriptOf<sc_07_tolvane_flash>(object);
    ASSERT_NE(script->timer, 0);
    script->phase = 0.0f;
    engine->frames(2, 0.125f);
    EXPECT_NEAR(alpha(), 0.5f, 1e-3f);
    engine->frames(2, 0.125f);
    EXPECT_NEAR(alpha(), 1.0f, 1e-3f);
    // At a whole second the pulse ends dark and the phase starts again.
    engine->frames(4, 0.125f);
    EXPECT_NEAR(alpha(), 0.0f, 1e-3f);
    EXPECT_NEAR(script->phase, 0.0f, 1e-4f);
    // The 101 of the prologue changes nothing.
    engine->notify(object, 101);
    engine->frame(0.125f);
    EXPECT_NEAR(script->phase, 0.125f, 1e-4f);
}

TEST_F(GemFlash, ALongFrameTakesOffOneSecondPerTick)
{
    material("gem/flash", 2);
    CObject* object = flash("gem/flash");
    auto* script = tq::HeadlessEngine::scriptOf<sc_07_tolvane_flash>(object);
    script->phase = 0.0f;
    engine->frame(2.5f);
    EXPECT_NEAR(script->phase, 1.5f, 1e-4f);
    EXPECT_NEAR(alpha(), 1.0f, 1e-3f);
    engine->frame(0.125f);
    EXPECT_NEAR(script->phase, 0.625f, 1e-4f);
}

TEST_F(GemFlash, WithoutTheParameterNothingPulses)
{
    material("gem/flash", 2);
    CObject* object = flash(nullptr);
    auto* script = tq::HeadlessEngine::scriptOf<sc_07_tolvane_flash>(object);
    EXPECT_EQ(script->material, "");
    engine->frames(3, 0.125f);
    // The unit keeps its own alpha operation.
    EXPECT_NE(unit("gem/flash", 1, 1)->getAlphaBlendMode().source2, Ogre::LBS_MANUAL);
}
} // namespace
