// The pause overlay: darkening on 1, brightening and hiding on 2, reversal
// half-way, and 2 while nothing is shown.
#include "00_pauser.h"
#include "HeadlessEngine.h"
#include "SpyNotes.h"
#include "TestSupport.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>

#include <gtest/gtest.h>

namespace
{
class Pauser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().create("interf/pauser", "General");
        material->getTechnique(0)->getPass(0)->createTextureUnitState();
        Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
        overlay = manager.create("PauserOverlay");
        container = static_cast<Ogre::OverlayContainer*>(manager.createOverlayElement("Panel", "PauseContainer"));
        container->hide();
        overlay->add2D(container);
        pauser = engine.addObject("pauser", "00_pauser.sc");
        engine.frame();
        script = tq::HeadlessEngine::scriptOf<sc_00_pauser>(pauser);
    }

    /// The grey of the material's manual colour (1 clear, 0 dark).
    static float grey()
    {
        Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().getByName("interf/pauser");
        const Ogre::LayerBlendModeEx& blend =
            material->getTechnique(0)->getPass(0)->getTextureUnitState(0)->getColourBlendMode();
        EXPECT_EQ(blend.operation, Ogre::LBX_MODULATE);
        EXPECT_FLOAT_EQ(blend.colourArg2.r, blend.colourArg2.b);
        return blend.colourArg2.r;
    }

    bool shown() const { return overlay->isVisible() && container->isVisible(); }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
    tq::OverlayScope overlays;
    Ogre::Overlay* overlay = nullptr;
    Ogre::OverlayContainer* container = nullptr;
    CObject* pauser = nullptr;
    sc_00_pauser* script = nullptr;
};

TEST_F(Pauser, DarkensOverOneSecondAndClearsAndHidesOverTheNext)
{
    EXPECT_FLOAT_EQ(grey(), 1.0f);
    engine.notify(pauser, 1);
    engine.frame(0.1f);
    EXPECT_TRUE(shown());
    engine.frames(5, 0.1f);
    EXPECT_NEAR(grey(), 0.5f, 0.01f);
    engine.frames(6, 0.1f);
    EXPECT_FLOAT_EQ(grey(), 0.0f);
    EXPECT_EQ(script->timer, 0);
    EXPECT_TRUE(shown());

    engine.notify(pauser, 2);
    engine.frame(0.1f);
    engine.frames(5, 0.1f);
    EXPECT_NEAR(grey(), 0.5f, 0.01f);
    EXPECT_TRUE(shown());
    engine.frames(6, 0.1f);
    // The frame that ends the fade writes the colour too.
    EXPECT_FLOAT_EQ(grey(), 1.0f);
    EXPECT_FALSE(overlay->isVisible());
    EXPECT_FALSE(container->isVisible());
    EXPECT_EQ(script->timer, 0);
}

TEST_F(Pauser, ReversesFromWhereTheFadeStands)
{
    engine.notify(pauser, 1);
    engine.frame(0.1f);
    engine.frames(4, 0.1f);
    const float half = script->alpha;
    EXPECT_NEAR(half, 0.4f, 0.01f);
    engine.notify(pauser, 2);
    engine.frames(3, 0.1f);
    const float back = script->alpha;
    EXPECT_LT(back, half - 0.05f);
    EXPECT_GT(back, 0.0f);
    EXPECT_TRUE(shown());
    engine.notify(pauser, 1);
    engine.frames(3, 0.1f);
    EXPECT_GT(script->alpha, back + 0.05f);
    EXPECT_LT(script->alpha, 1.0f);
    EXPECT_TRUE(shown());
}

TEST_F(Pauser, TwoWhileHiddenEndsOnTheFirstFrame)
{
    engine.notify(pauser, 2);
    engine.frame(0.1f);
    engine.frame(0.1f);
    EXPECT_EQ(script->timer, 0);
    EXPECT_FLOAT_EQ(script->alpha, 0.0f);
    EXPECT_FLOAT_EQ(grey(), 1.0f);
    EXPECT_FALSE(overlay->isVisible());
    EXPECT_FALSE(container->isVisible());
}
} // namespace
