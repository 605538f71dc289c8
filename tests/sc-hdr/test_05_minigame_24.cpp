// The cupboard lock on the headless engine: a new lock saved at creation,
// the panel opened and closed by its zone, wheels turned by presses and
// saved, the 555 to the zone only once the code stands and nothing turns,
// the wrap from 9 to 0, the hint and a damaged save.
#include "05_minigame_24.h"
#include "ZoneFixture.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreSubEntity.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

namespace
{
using tq::Told;

class Lock0524 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        spies({"05_01_az_shkaf_door08", "interface"});
        camera = engine.addObject("Camera");
        board = prop("05_minigame_24.scene");
        for (int i = 0; i < 3; ++i)
        {
            const std::string name = "05_01_game_number_0" + std::to_string(i);
            Ogre::MaterialManager::getSingleton()
                .create(name, "General")
                ->getTechnique(0)
                ->getPass(0)
                ->createTextureUnitState();
            wheel[i] = prop(name, "", {}, board->getNode());
        }
    }

    /// The lock's object, created.
    void create()
    {
        lock = prop("05_01_az_zamok_mg", "05_minigame_24.sc");
        engine.frame();
        forgetTold();
    }

    void open()
    {
        engine.notify(lock, 1, spy("05_01_az_shkaf_door08"));
        engine.frame();
    }

    void press(int i, int times = 1)
    {
        for (int n = 0; n < times; ++n)
            engine.notify(lock, 30000 + i);
        engine.frame();
    }

    /// A lock saved with the code 1, 2, 8 and the wheels at a, b, c.
    static void savedLock(int a, int b, int c)
    {
        const int values[6] = {1, 2, 8, a, b, c};
        const int open = 0;
        CVirtualScript::saveGameArray(6, 5, 24, values, &open);
    }

    sc_05_minigame_24* script() { return tq::HeadlessEngine::scriptOf<sc_05_minigame_24>(lock); }
    static float scroll(int i)
    {
        return Ogre::MaterialManager::getSingleton()
            .getByName("05_01_game_number_0" + std::to_string(i))
            ->getTechnique(0)
            ->getPass(0)
            ->getTextureUnitState(0)
            ->getTextureVScroll();
    }
    static int saved(int i) { return CVirtualScript::getVarI("5_24_variable_" + std::to_string(i)); }

    CObject* camera = nullptr;
    CObject* board = nullptr;
    CObject* wheel[3] = {};
    CObject* lock = nullptr;
};

TEST_F(Lock0524, ANewLockIsSavedAndItsPanelWaitsHiddenUnderTheCamera)
{
    create();
    const int fresh[6] = {1, 2, 8, 0, 0, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(saved(i), fresh[i]) << i;
    EXPECT_TRUE(CVirtualScript::isGameEndSet(5, 24));
    EXPECT_EQ(CVirtualScript::getVarI("5_24_variable_game_end"), 0);
    EXPECT_FALSE(visible(wheel[0]));
    EXPECT_EQ(board->getNode()->getParent(), camera->getNode());

    open();
    EXPECT_TRUE(visible(wheel[0]));
    EXPECT_EQ(wheel[2]->getEntity()->getSubEntity(0)->getMaterialName(), "05_01_game_number_02");
    engine.notify(lock, 2);
    engine.frame();
    EXPECT_FALSE(visible(wheel[0]));
    EXPECT_EQ(script()->timer, 0);
}

TEST_F(Lock0524, TheCodeOpensTheLockOnceTheWheelsStand)
{
    savedLock(0, 0, 6);
    create();
    EXPECT_EQ(saved(5), 6); // a saved lock is not made anew
    open();
    engine.frame();
    EXPECT_FLOAT_EQ(scroll(2), -0.6f);

    press(0);
    press(1, 2);
    press(2, 2);
    EXPECT_EQ(saved(3), 1); // every press is saved at once
    EXPECT_EQ(saved(4), 2);
    EXPECT_EQ(saved(5), 8);
    engine.frames(10, 0.05f);
    EXPECT_TRUE(told("05_01_az_shkaf_door08").empty()); // still turning
    engine.frames(20, 0.05f);
    EXPECT_EQ(told("05_01_az_shkaf_door08"), (Told{"555 from 05_01_az_zamok_mg"}));
    EXPECT_EQ(CVirtualScript::getVarI("5_24_variable_game_end"), 1);
    EXPECT_NEAR(scroll(2), -0.8f, 0.01f);
    engine.frames(5, 0.05f);
    EXPECT_TRUE(told("05_01_az_shkaf_door08").empty()); // once per opening

    // Opened again, the standing code is reported at the first tick.
    engine.notify(lock, 2);
    open();
    engine.frames(2);
    EXPECT_EQ(told("05_01_az_shkaf_door08"), (Told{"555 from 05_01_az_zamok_mg"}));
}

TEST_F(Lock0524, NineTurnsOnToZeroTheSameWayAndAPressMidTurnGoesOnFromThere)
{
    savedLock(9, 0, 0);
    create();
    open();
    press(0);
    engine.frame(0.1f);
    // From 9 (-0.9) the wheel runs on past the seam (0.1) down to 0.
    EXPECT_GT(scroll(0), 0.0f);
    EXPECT_LT(scroll(0), 0.1f);
    engine.frames(25, 0.05f);
    EXPECT_EQ(saved(3), 0);
    EXPECT_NEAR(scroll(0), 0.0f, 0.01f);

    press(1);
    engine.frame(0.2f);
    const float midTurn = scroll(1);
    press(1); // taken mid-turn: the next turn starts where the wheel is
    EXPECT_FLOAT_EQ(script()->wheels[1].start, midTurn);
    EXPECT_EQ(saved(4), 2);
    engine.frames(25, 0.05f);
    EXPECT_NEAR(scroll(1), -0.2f, 0.01f);
    EXPECT_TRUE(told("05_01_az_shkaf_door08").empty());
}

TEST_F(Lock0524, TheHintOnRequestAndWithTheHintSetting)
{
    create();
    engine.notify(lock, 2010);
    engine.frames(2);
    EXPECT_EQ(told("interface"), (Told{"16024"}));
    open();
    engine.frame();
    EXPECT_TRUE(told("interface").empty());
    const int tick = script()->timer;
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    open();
    engine.frame();
    EXPECT_EQ(told("interface"), (Told{"16024"}));
    EXPECT_EQ(script()->timer, tick); // opened twice, still one tick
}

TEST_F(Lock0524, ADamagedSaveGivesANewLock)
{
    savedLock(0, 0, 0);
    CVirtualScript::setVarI("5_24_variable_2", 12);
    create();
    engine.clearLog();
    open();
    EXPECT_NE(engine.log().find("\nWARNING: 05_minigame_24: damaged saved state"), std::string::npos);
    EXPECT_EQ(saved(2), 8);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(script()->wheels[i].digit, 0);
}
} // namespace
