// The key flash on the headless engine: its parameters, the colour curve
// over one second, the particles, the voice and the answer to the sender,
// the refusal while flashing or once the key is used, and a flash without
// its object.
#include "02_flash.h"
#include "SceneFixture.h"

#include <OgreParticleEmitter.h>

namespace
{
using tq::Told;

class Flash02 : public tq::SceneFixture
{
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        spies({"00_movies", "key"});
        material("key_glow");
        part = particles("02_01_key2_part");
        glowing = prop("02_01_key2_glow");
        flashScript = prop("02_01_flash_script");
    }

    CObject* flash(const Params& params)
    {
        CObject* f = prop("02_01_flash", "02_flash.sc", params);
        engine.frame();
        forgetTold();
        return f;
    }
    CObject* fullFlash()
    {
        return flash({{"material", "key_glow"}, {"object", "02_01_key2_glow"}, {"sound", "2031"}});
    }
    /// The start code; the flash's first tick comes with the next frame.
    void start(CObject* f)
    {
        engine.notify(f, 100, spy("key"));
        engine.frame();
    }
    static sc_02_flash* script(CObject* f) { return tq::HeadlessEngine::scriptOf<sc_02_flash>(f); }
    float level() { return unit("key_glow")->getColourBlendMode().colourArg2.r; }

    Ogre::ParticleSystem* part = nullptr;
    CObject* glowing = nullptr;
    CObject* flashScript = nullptr;
};

TEST_F(Flash02, TheParametersAndTheDarkStart)
{
    CObject* f = fullFlash();
    EXPECT_EQ(script(f)->material, "key_glow");
    EXPECT_EQ(script(f)->flashObject, h(glowing));
    EXPECT_EQ(script(f)->sound, 2031);
    EXPECT_FALSE(visible(glowing));
    EXPECT_EQ(manualColour("key_glow"), "0.000 0.000 0.000");
    EXPECT_EQ(unit("key_glow")->getColourBlendMode().operation, Ogre::LBX_MODULATE);
}

TEST_F(Flash02, TheFlashRisesHoldsFallsAndAnswers)
{
    CObject* f = fullFlash();
    part->getEmitter(0)->setEnabled(false);
    start(f);
    EXPECT_TRUE(visible(glowing));
    EXPECT_TRUE(visible(flashScript));
    EXPECT_TRUE(part->getEmitter(0)->getEnabled());

    struct Tick
    {
        float seconds;
        float level;
    } ticks[] = {{0.15f, 0.5f}, {0.3f, 1.0f}, {0.35f, 2.0f / 3.0f}};
    for (const Tick& t : ticks)
    {
        engine.frame(t.seconds);
        EXPECT_NEAR(level(), t.level, 0.005f) << script(f)->time;
    }
    EXPECT_EQ(told("00_movies"), (Told{"2031"}));
    // A start while it flashes is ignored.
    start(f);
    engine.frame(0.0f);
    EXPECT_TRUE(told("00_movies").empty());

    // At one second it ends on the level it had.
    const float last = level();
    engine.frame(0.25f);
    EXPECT_EQ(script(f)->flashTimer, 0);
    EXPECT_EQ(f->mTimers.live, 0);
    EXPECT_EQ(level(), last);
    EXPECT_FALSE(visible(glowing));
    EXPECT_FALSE(visible(flashScript));
    EXPECT_FALSE(part->getEmitter(0)->getEnabled());
    engine.frame();
    EXPECT_EQ(told("key"), (Told{"100 from 02_01_flash"}));

    // Idle again: the next start flashes again.
    start(f);
    engine.frame();
    EXPECT_EQ(told("00_movies"), (Told{"2031"}));
}

TEST_F(Flash02, AUsedKeyDoesNotFlash)
{
    CVirtualScript::setVarI("02_01_az_Key2_ct@used", 1);
    CObject* f = fullFlash();
    start(f);
    EXPECT_TRUE(told("00_movies").empty());
    EXPECT_EQ(script(f)->flashTimer, 0);
    EXPECT_EQ(script(f)->replyCode, 0);
}

TEST_F(Flash02, WithoutItsObjectItStillFlashesTheMaterialAndAnswers)
{
    CObject* f = flash({{"material", "key_glow"}});
    EXPECT_EQ(script(f)->flashObject, 0u);
    start(f);
    engine.frame(0.5f);
    EXPECT_FLOAT_EQ(level(), 1.0f);
    engine.frames(2, 0.6f);
    EXPECT_EQ(told("key"), (Told{"100 from 02_01_flash"}));
}

TEST_F(Flash02, AnObjectThatIsNotThereIsLogged)
{
    CObject* f = flash({{"material", "key_glow"}, {"object", "nowhere"}});
    EXPECT_NE(engine.log().find("\nWARNING: Can't find object [nowhere] by name!"), std::string::npos);
    EXPECT_EQ(script(f)->flashObject, 0u);
}
} // namespace
