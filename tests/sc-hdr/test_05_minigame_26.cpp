// The photo booth on the headless engine: far at the first game, the worker
// posed and shown when the player comes near, the borders taken in turn by
// clicks with the button's bounce, clicks lost during a bounce, the state
// restored from the save and the hot-spot cursor.
#include "05_minigame_26.h"
#include "ZoneFixture.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

namespace
{
class Booth0526 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        // Never deleted: materials may point at it until the process ends.
        if (!Ogre::TextureManager::getSingletonPtr())
            new Ogre::DefaultTextureManager();
        Ogre::MaterialPtr screen = Ogre::MaterialManager::getSingleton().create(kScreen, "General");
        screen->getTechnique(0)->getPass(0)->createTextureUnitState();
        screen->getTechnique(0)->createPass()->createTextureUnitState();
        worker = prop("01_hero_worker");
        workerGroup = prop("01_hero_worker.scene");
        button = prop("05_02_FotoAvtomat_knopka");
        button->getNode()->setPosition(1.0f, 2.0f, 3.0f);
    }

    void create()
    {
        booth = prop("05_02_FotoAvtomat_mg", "05_minigame_26.sc");
        engine.frame();
    }

    void say(int code)
    {
        engine.notify(booth, code);
        engine.frame();
    }

    void clickBooth()
    {
        engine.postButton(booth, true);
        engine.frame(0.01f);
    }

    /// The border over the picture, without the file type the texture
    /// search gave it.
    static std::string border()
    {
        const std::string name = Ogre::MaterialManager::getSingleton()
                                     .getByName(kScreen)
                                     ->getTechnique(0)
                                     ->getPass(1)
                                     ->getTextureUnitState(0)
                                     ->getTextureName();
        return name.substr(0, name.rfind('.'));
    }
    static int saved(int i) { return CVirtualScript::getVarI("5_26_variable_" + std::to_string(i)); }
    uint32_t workerFlags() const { return workerGroup->getEntity()->getVisibilityFlags(); }

    static constexpr const char* kScreen = "orig_05_foto_avtomat/displei";
    CObject* worker = nullptr;
    CObject* workerGroup = nullptr;
    CObject* button = nullptr;
    CObject* booth = nullptr;
};

TEST_F(Booth0526, FarAtFirstThenNearPosesTheWorkerButKeepsTheScreenOff)
{
    create();
    EXPECT_EQ(border(), "05_02_foto_border_off");
    EXPECT_FALSE(visible(worker));
    EXPECT_EQ(workerFlags(), 0xffu);

    say(100);
    EXPECT_TRUE(visible(worker));
    EXPECT_EQ(workerFlags(), 0x200u);
    EXPECT_EQ(worker->getNode()->getPosition(), vec3(4439.0f, -1087.0f, 0.0f));
    const vec3 facing = worker->getNode()->getOrientation() * vec3::UNIT_X;
    EXPECT_NEAR(facing.x, std::sqrt(0.5f), 1e-5f);
    EXPECT_NEAR(facing.y, -std::sqrt(0.5f), 1e-5f);
    EXPECT_EQ(saved(1), 1);
    // Coming near does not bring the border back: the next click does.
    EXPECT_EQ(border(), "05_02_foto_border_off");
    clickBooth();
    EXPECT_EQ(border(), "05_02_foto_border_01");

    say(200);
    EXPECT_FALSE(visible(worker));
    EXPECT_EQ(workerFlags(), 0xffu);
    EXPECT_EQ(border(), "05_02_foto_border_off");
    EXPECT_EQ(saved(1), 0);
}

TEST_F(Booth0526, ClicksTakeTheBordersInTurnAndBounceTheButton)
{
    create();
    for (int n = 1; n <= 5; ++n)
    {
        clickBooth();
        EXPECT_EQ(border(), "05_02_foto_border_0" + std::to_string(n % 5)) << n;
        EXPECT_EQ(saved(0), n % 5) << n;
        if (n == 1)
        {
            // Mid-bounce: the button is pushed aside, a click is lost.
            engine.frame(0.05f);
            const vec3 pushed = button->getNode()->getPosition();
            EXPECT_GT(pushed.x, 1.0f);
            EXPECT_LT(pushed.y, 2.0f);
            EXPECT_FLOAT_EQ(pushed.x - 1.0f, 2.0f - pushed.y);
            clickBooth();
            EXPECT_EQ(border(), "05_02_foto_border_01");
            EXPECT_EQ(saved(0), 1);
        }
        engine.frames(8, 0.05f); // the bounce is over after a third of a second
        EXPECT_EQ(tq::HeadlessEngine::scriptOf<sc_05_minigame_26>(booth)->timer, 0);
        EXPECT_NEAR(button->getNode()->getPosition().x, 1.0f, 0.02f);
    }
    EXPECT_EQ(border(), "05_02_foto_border_00");
}

TEST_F(Booth0526, TheSavedBorderAndNearStateComeBack)
{
    CVirtualScript::setVarI("5_26_variable_0", 3);
    CVirtualScript::setVarI("5_26_variable_1", 1);
    create();
    EXPECT_EQ(border(), "05_02_foto_border_03");
    EXPECT_TRUE(visible(worker));
    EXPECT_EQ(workerFlags(), 0x200u);
}

TEST_F(Booth0526, ADamagedSaveStartsFar)
{
    CVirtualScript::setVarI("5_26_variable_0", 9);
    CVirtualScript::setVarI("5_26_variable_1", 1);
    engine.clearLog();
    create();
    EXPECT_NE(engine.log().find("\nWARNING: 05_minigame_26: damaged saved state"), std::string::npos);
    EXPECT_EQ(border(), "05_02_foto_border_off");
    clickBooth();
    EXPECT_EQ(border(), "05_02_foto_border_01");
}

TEST_F(Booth0526, TheHotSpotCursorWithTheSparkle)
{
    create();
    watchCursor();
    hover(booth);
    EXPECT_EQ(cursor(), "");
    hover(nullptr);
    EXPECT_EQ(cursor(), "normal");
    CVirtualScript::setVarI("az_sparkle", 1);
    watchCursor();
    hover(booth);
    EXPECT_EQ(cursor(), "hotspot");
    hover(nullptr);
    EXPECT_EQ(cursor(), "normal");
}
} // namespace
