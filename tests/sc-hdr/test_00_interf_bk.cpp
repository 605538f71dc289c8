// The main-menu background: the turns of the four characters, the cross-fade
// through the two units of "00_menu_rtt" with its cap on long frames, and the
// codes that let the turns run, stop them, and pause the current one.
#include "00_interf_bk.h"
#include "HeadlessEngine.h"
#include "TestSupport.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

#include <memory>

namespace
{
using tq::HeadlessEngine;

/// 100 ms frames; the fade counts them as 30 ms.
const float kFrame = 0.1f;

class InterfBk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        engine.reset(new HeadlessEngine());
        // Texture names on materials need a texture manager; OGRE's own
        // one loads nothing, which is all the names need here.  It stays
        // until the program ends, after the materials that name textures.
        new Ogre::DefaultTextureManager();
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().create("00_menu_rtt", "General");
        m->getTechnique(0)->getPass(0)->createTextureUnitState();
        m->getTechnique(0)->createPass()->createTextureUnitState();
        for (const char* name : {"01_hero", "02_lord", "03_prof", "09_girl"})
            characters.push_back(engine->addObject(name));
        object = engine->addObject("00_interf_bk", "00_interf_bk.sc");
        engine->frame(kFrame);
        bk = HeadlessEngine::scriptOf<sc_00_interf_bk>(object);
        ASSERT_NE(bk, nullptr);
    }

    /// The manual colour of pass p's first unit (grey).
    static float colourOf(int pass)
    {
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().getByName("00_menu_rtt");
        return m->getTechnique(0)->getPass(pass)->getTextureUnitState(0)->getColourBlendMode().colourArg2.r;
    }
    /// Runs frames until the state is s; false after maxFrames.
    bool runUntilState(int s, int maxFrames)
    {
        for (int i = 0; i < maxFrames && bk->state != s; ++i)
            engine->frame(kFrame);
        return bk->state == s;
    }

    tq::TempDir dir;
    std::unique_ptr<HeadlessEngine> engine;
    std::vector<CObject*> characters;
    CObject* object = nullptr;
    sc_00_interf_bk* bk = nullptr;
};

TEST_F(InterfBk, TheFirstTurnIsTheHerosAndFadesInAtThirtyMillisecondsAFrame)
{
    EXPECT_EQ(colourOf(0), 1.0f);
    EXPECT_EQ(colourOf(1), 0.0f);
    // Codes below 10 and the first frames do not start the turns.
    engine->notify(object, 9);
    engine->frames(5, kFrame);
    EXPECT_EQ(bk->state, 4);

    engine->notify(object, 11);
    engine->frame(kFrame);
    EXPECT_EQ(bk->state, 0);
    EXPECT_EQ(bk->index, 0);
    EXPECT_EQ(characters[0]->mCurve[2], 3.0f);
    EXPECT_EQ(characters[3]->mCurve[3], -2.0f);
    engine->frame(kFrame);
    EXPECT_FLOAT_EQ(bk->opacity, 0.01f);
    const float s = (3.0f - 2.0f * 0.01f) * 0.01f * 0.01f;
    EXPECT_FLOAT_EQ(colourOf(0), 1.0f - s);
    EXPECT_FLOAT_EQ(colourOf(1), s);
    // Three seconds of fade at 30 ms a frame: about a hundred frames.
    EXPECT_TRUE(runUntilState(1, 105));
    EXPECT_EQ(colourOf(1), 1.0f);
    EXPECT_NE(engine->log().find("\nWARNING: Can't find object [00_menu_gun] by name!"), std::string::npos);
}

TEST_F(InterfBk, Code10LetsTheFadeFinishButHoldsTheNextCharacter)
{
    engine->notify(object, 11);
    engine->frames(10, kFrame);
    engine->notify(object, 10);
    EXPECT_TRUE(runUntilState(1, 200));

    // A code above 11: two seconds of clock, then the fade-out.
    engine->notify(object, 12);
    engine->frame(kFrame);
    EXPECT_EQ(bk->state, 2);
    EXPECT_EQ(characters[0]->mAnimSpeed, 0.0f);
    engine->frames(20, kFrame);
    EXPECT_EQ(bk->state, 2);
    engine->frame(kFrame);
    EXPECT_EQ(bk->state, 3);
    EXPECT_TRUE(runUntilState(4, 200));
    EXPECT_EQ(colourOf(1), 0.0f);
    // Far past the five seconds of waiting: no next turn.
    engine->frames(200, kFrame);
    EXPECT_EQ(bk->state, 4);
    EXPECT_EQ(bk->index, 0);

    engine->notify(object, 11);
    engine->frame(kFrame);
    EXPECT_EQ(bk->state, 0);
    EXPECT_EQ(bk->index, 1);
    EXPECT_EQ(characters[0]->mAnimSpeed, 1.0f);
}
} // namespace
