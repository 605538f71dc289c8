// The lever run on the headless engine with the real tip window of
// "interface": the start that puts the camera on the wagon and resets the
// levers and the counter, levers pulled through their real hot-zone pieces,
// the hint that pauses the ride until it is clicked away, the run decided
// after 57 seconds (a win, or the failure with its fade, reset and pause
// until the message is dismissed), the pause, the quit and the frame's echo.
#include "00_interface.h"
#include "05_minigame_25.h"
#include "BoardFixture.h"
#include "RealInterface.h"
#include "ZoneFixture.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>

#include <fstream>

namespace
{
using tq::Told;
typedef sc_05_minigame_25 Game;

class Levers0525 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        overlays.reset(new tq::OverlayScope());
        if (!Ogre::TextureManager::getSingletonPtr())
            new Ogre::DefaultTextureManager(); // never deleted, as in ScriptFixture
        for (const char* m : {"03_03_game_counter_border", "03_03_game_counter_num1", "03_03_game_counter_num2",
                              "interf/00_black2", "05_Rubilnik/05_Rubilnik2", "05_Rubilnik/05_Rubilnik3"})
            Ogre::MaterialManager::getSingleton().create(m, "General")->getTechnique(0)->getPass(0)
                ->createTextureUnitState();
        const Ogre::Vector2 corner(0.0f, 0.0f);
        const Ogre::Vector2 whole(1.0f, 1.0f);
        CVirtualScript::overlayCreatePanel("LoaderOverlay2", "LoaderContainer2", nullptr, "interf/00_black2", &corner,
                                           &whole, 0);
        spies({"00_minigame_starter", "00_minigame_interf", "00_loader", "05_03_Vagon01", "05_03_tonel_door_anim",
               "05_04_scene", "01_cam_move"});
        tip = tq::RealInterface::add(engine, 5);
        engine.addObject("Camera");
        engine.addObject("05_minigame_10.scene");
        worker = prop("01_hero_worker");
        tq::makeSectionsMesh("lever.mesh", 2);
        for (int n = 1; n <= 15; ++n)
        {
            const std::string number = (n < 10 ? "0" : "") + std::to_string(n);
            zones[n - 1] = prop("05_04_az_Rubilnik_" + number, "05_04_game_rubilnik.sc");
            CObject* lever = engine.addObject("05_04_Rubilnik_" + number);
            tq::giveEntity(lever, "lever.mesh");
            levers[n - 1] = lever;
        }
    }

    void create()
    {
        game = prop("05_minigame_25", "05_minigame_25.sc");
        engine.frame();
        menu = tq::HeadlessEngine::scriptOf<sc_00_interface>(tip);
        ASSERT_NE(menu, nullptr);
        forgetTold();
    }
    /// The tip the window shows once it has faded in (0: none).
    int tipShown()
    {
        tq::RealInterface::settle(engine);
        return menu->mMenus[sc_00_interface::MENU_TIP].state == 2 ? menu->mTipCode : 0;
    }
    void start()
    {
        engine.notify(game, 1200, spy("00_minigame_starter"));
        engine.frames(2);
    }
    void pull(int i)
    {
        engine.click(zones[i]);
        engine.frames(2);
    }
    void pullAll()
    {
        for (int i = 0; i < 15; ++i)
            engine.click(zones[i]);
        engine.frames(2);
    }
    /// Runs the ride up to the frame in which the 57 seconds end (1 s frames
    /// at the end, so that the fade has only begun).
    void runOut()
    {
        engine.frames(5, 10.0f);
        while (script()->running && script()->elapsed < 60.0f)
            engine.frame(1.0f);
    }

    Game* script() { return tq::HeadlessEngine::scriptOf<Game>(game); }
    static std::string digit(int k)
    {
        const char* material = k == 0 ? "03_03_game_counter_num1" : "03_03_game_counter_num2";
        // Without the picture the engine tries other extensions: the name
        // without its extension is what the script chose.
        const std::string name = Ogre::MaterialManager::getSingleton().getByName(material)->getTechnique(0)
            ->getPass(0)->getTextureUnitState(0)->getTextureName();
        return name.substr(0, name.rfind('.'));
    }
    static bool overlayShown(const char* name)
    {
        Ogre::Overlay* o = Ogre::OverlayManager::getSingleton().getByName(name);
        return o && o->isVisible();
    }

    std::unique_ptr<tq::OverlayScope> overlays;
    CObject* tip = nullptr;
    sc_00_interface* menu = nullptr;
    CObject* zones[15] = {};
    CObject* levers[15] = {};
    CObject* worker = nullptr;
    CObject* game = nullptr;
};

TEST_F(Levers0525, TheStartPutsTheCameraOnTheWagonAndCountsTheLevers)
{
    create();
    EXPECT_NE(Ogre::OverlayManager::getSingleton().getByName("Minigame31"), nullptr);
    EXPECT_FALSE(overlayShown("Minigame31"));
    start();
    EXPECT_EQ(told("05_03_Vagon01"), (Told{"1", "100 from 05_minigame_25"}));
    EXPECT_EQ(told("05_03_tonel_door_anim"), (Told{"1", "100"}));
    EXPECT_EQ(gApp.mCameraBoneSource, spy("05_03_Vagon01"));
    EXPECT_EQ(gApp.mCameraBoneName, "05_03_Vagon01_bone02");
    EXPECT_TRUE(overlayShown("Minigame31"));
    EXPECT_TRUE(overlayShown("Minigame31FX"));
    EXPECT_EQ(Ogre::OverlayManager::getSingleton().getByName("Minigame31FX")->getZOrder(), 110);
    EXPECT_EQ(digit(0), "05_02_score_01");
    EXPECT_EQ(digit(1), "05_02_score_05");
    EXPECT_EQ(tq::subMaterial(levers[4], 1), "05_Rubilnik/05_Rubilnik2");
    EXPECT_TRUE(visible(zones[4]));
    EXPECT_EQ(tipShown(), 0); // no hint unless asked for

    pull(4);
    EXPECT_FALSE(visible(zones[4]));
    EXPECT_EQ(tq::subMaterial(levers[4], 1), "05_Rubilnik/05_Rubilnik3");
    EXPECT_EQ(digit(0), "05_02_score_01");
    EXPECT_EQ(digit(1), "05_02_score_04");
    pullAll();
    EXPECT_EQ(digit(0), "05_02_score_00");
    EXPECT_EQ(digit(1), "05_02_score_00");

    engine.notify(game, 2010);
    engine.frames(2);
    EXPECT_EQ(tipShown(), 16016);
}

TEST_F(Levers0525, AllLeversPulledWinWhenTheTimeIsUp)
{
    create();
    // Set after the menu script's creation, which clears it.
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    start();
    EXPECT_EQ(tipShown(), 16016);
    // The click on the hint pauses the run until the hint has gone.
    gApp.mInput->mLeftDown = true;
    engine.frame();
    gApp.mInput->mLeftDown = false;
    engine.frame();
    EXPECT_EQ(script()->paused, 1);
    EXPECT_EQ(spy("05_03_Vagon01")->mAnimSpeed, 0.0f);
    const float before = script()->elapsed;
    engine.frames(3, 0.1f);
    EXPECT_EQ(script()->elapsed, before);
    tq::RealInterface::settle(engine);
    EXPECT_EQ(tipShown(), 0);
    EXPECT_EQ(script()->paused, 0);
    EXPECT_EQ(spy("05_03_Vagon01")->mAnimSpeed, 0.25f);

    pullAll();
    engine.frames(5, 10.0f);
    EXPECT_TRUE(told("00_minigame_interf").empty()); // no early end
    engine.clearLog();
    engine.frames(2, 10.0f);
    EXPECT_EQ(told("00_minigame_interf"), (Told{"1100 from 05_minigame_25"}));
    EXPECT_EQ(told("00_loader"), (Told{"1500 from 05_minigame_25"}));
    EXPECT_NE(engine.log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_EQ(tipShown(), 0);
    EXPECT_FALSE(overlayShown("LoaderOverlay2"));

    // The frame's echo: the game quits at once and tells the starter so.
    forgetTold();
    engine.notify(game, 1100, spy("00_minigame_interf"));
    engine.frames(2);
    EXPECT_EQ(told("00_minigame_starter"), (Told{"1300 from 05_minigame_25"}));
    EXPECT_EQ(told("05_03_Vagon01"), (Told{"1"}));
    EXPECT_EQ(told("05_03_tonel_door_anim"), (Told{"1"}));
    EXPECT_EQ(told("05_04_scene"), (Told{"200"}));
    EXPECT_EQ(gApp.mCameraBoneSource, spy("01_cam_move"));
    EXPECT_EQ(gApp.mCameraBoneName, "00_anim_cam_bone");
    EXPECT_FALSE(overlayShown("Minigame31"));
    EXPECT_FALSE(visible(worker));
    EXPECT_EQ(script()->timer, 0);
    EXPECT_EQ(CVirtualScript::getVarI("5_25_variable_game_end"), 1);
}

TEST_F(Levers0525, ALeverLeftFadesToBlackAndRestartsTheRunPaused)
{
    create();
    start();
    for (int i = 0; i < 14; ++i)
        pull(i);
    forgetTold();
    runOut();
    EXPECT_TRUE(overlayShown("LoaderOverlay2"));
    EXPECT_EQ(Ogre::OverlayManager::getSingleton().getByName("LoaderOverlay2")->getZOrder(), 90);
    EXPECT_EQ(CVirtualScript::getConfigI("minigame_ending"), 1);

    // Three seconds to black; then the levers are back and the ride again.
    EXPECT_NEAR(script()->fadeAlpha, 1.0f / 3.0f, 1e-4f);
    engine.frames(3, 0.5f);
    EXPECT_EQ(menu->mTipCode, 16017);
    EXPECT_TRUE(told("00_minigame_interf").empty());
    EXPECT_EQ(CVirtualScript::getConfigI("minigame_ending"), 1);
    EXPECT_FALSE(visible(zones[0]));
    engine.frame(0.5f);
    EXPECT_EQ(CVirtualScript::getConfigI("minigame_ending"), 0);
    EXPECT_TRUE(visible(zones[0]));
    EXPECT_EQ(tq::subMaterial(levers[0], 1), "05_Rubilnik/05_Rubilnik2");
    EXPECT_EQ(digit(1), "05_02_score_05");
    EXPECT_EQ(script()->running, 1);

    // The message is still up: the run waits for it.
    engine.frames(3, 0.1f);
    EXPECT_EQ(told("05_03_Vagon01"), (Told{"1", "100 from 05_minigame_25"}));
    EXPECT_EQ(script()->paused, 1);
    EXPECT_LT(script()->elapsed, 0.2f);
    EXPECT_EQ(tipShown(), 16017);
    tq::RealInterface::click(engine);
    engine.frames(3, 0.5f);
    EXPECT_EQ(script()->paused, 0);
    EXPECT_FALSE(overlayShown("LoaderOverlay2"));
    EXPECT_GT(script()->elapsed, 0.9f);
}

TEST_F(Levers0525, AMessageDismissedDuringTheFadeRestartsWithoutPause)
{
    create();
    start();
    runOut();
    // The message is up while the fade still runs; the player clicks it away.
    engine.frames(5, 0.25f);
    EXPECT_LT(script()->fadeAlpha, 1.0f);
    ASSERT_EQ(menu->mMenus[sc_00_interface::MENU_TIP].state, 2);
    tq::RealInterface::click(engine);
    engine.frames(8, 0.5f);
    EXPECT_EQ(script()->running, 1);
    EXPECT_EQ(script()->paused, 0);
    EXPECT_FALSE(overlayShown("LoaderOverlay2"));
    EXPECT_GT(script()->elapsed, 0.5f);
}

TEST_F(Levers0525, ClosedDuringTheFadeTheEndingFlagIsCleared)
{
    create();
    start();
    runOut();
    EXPECT_EQ(CVirtualScript::getConfigI("minigame_ending"), 1);
    engine.notify(game, 1300, spy("00_minigame_starter"));
    engine.frames(2);
    EXPECT_EQ(CVirtualScript::getConfigI("minigame_ending"), 0);
    EXPECT_FALSE(overlayShown("LoaderOverlay2"));
    EXPECT_EQ(script()->timer, 0);
}

TEST_F(Levers0525, TheFramePausesAndSaves)
{
    create();
    start();
    engine.notify(game, 1400);
    engine.frame();
    engine.frames(3, 30.0f);
    EXPECT_LT(script()->elapsed, 1.0f);
    EXPECT_EQ(script()->running, 1);
    menu->mCurSave = 0; // the player's profile
    engine.notify(game, 1500);
    engine.notify(game, 2000);
    engine.frames(2);
    EXPECT_EQ(script()->paused, 0);
    // The menu script wrote the profile's saved game.
    EXPECT_TRUE(std::ifstream(gApp.mAppState.getSaveFolderA("save_00.sav", false)).good());
    EXPECT_TRUE(CVirtualScript::isGameEndSet(5, 25));
}

TEST_F(Levers0525, TheHintClickedAwayLetsTheRideGoOnToItsDecision)
{
    create();
    // Set after the menu script's creation, which clears it.
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    start();
    tq::RealInterface::settle(engine);
    ASSERT_EQ(menu->mMenus[sc_00_interface::MENU_TIP].state, 2); // the hint is up
    EXPECT_EQ(menu->mTipCode, 16016);

    tq::RealInterface::click(engine);
    tq::RealInterface::settle(engine);
    EXPECT_EQ(menu->mMenus[sc_00_interface::MENU_TIP].state, 0);
    EXPECT_EQ(script()->paused, 0);
    EXPECT_EQ(spy("05_03_Vagon01")->mAnimSpeed, 0.25f);

    // The clock runs: all levers pulled, the 57 seconds end in the win.
    pullAll();
    engine.frames(7, 10.0f);
    EXPECT_EQ(told("00_minigame_interf"), (Told{"1100 from 05_minigame_25"}));
}

TEST_F(Levers0525, TheFailureMessageClickedAwayStartsTheRideAgain)
{
    create();
    start();
    runOut();
    engine.frames(10, 0.5f); // the fade to black and back; the message is up
    ASSERT_EQ(menu->mMenus[sc_00_interface::MENU_TIP].state, 2);
    EXPECT_EQ(menu->mTipCode, 16017);
    EXPECT_EQ(script()->paused, 1);
    tq::RealInterface::click(engine);
    tq::RealInterface::settle(engine);
    EXPECT_EQ(script()->paused, 0);
    EXPECT_EQ(script()->running, 1);
    EXPECT_GT(script()->elapsed, 0.5f);
}

TEST_F(Levers0525, TheFailureMessageClosedWithoutAClickStillLetsTheRideGoOn)
{
    create();
    start();
    runOut();
    engine.frames(10, 0.5f);
    EXPECT_EQ(script()->paused, 1);
    // The in-game menu's 5000 hides the tip: only the code + 10000 comes.
    engine.notify(tip, 5000);
    tq::RealInterface::settle(engine);
    EXPECT_EQ(script()->paused, 0);
    EXPECT_GT(script()->elapsed, 0.5f);
}
} // namespace
