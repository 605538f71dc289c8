// The fish machine on the headless engine: the attract screen, the cabinet
// buttons, a game started and steered, fish that come in one after another,
// the outcome of every kind of fish at the player's fish, food and chasers
// that flee and chase, the game over with its hint points, the tips near
// the machine and the sounds that only play in view of it.
#include "05_minigame_27.h"
#include "SfxCore.h"
#include "ZoneFixture.h"

#include "../platform/SoundTestHelpers.h"
#include "platform/SoundDevice.h"

#include <OgreManualObject.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreResourceGroupManager.h>
#include <OgreSubEntity.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

namespace
{
using tq::Told;

class Fish0527 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        spies({"interface", "00_game_interface", "00_movies"});
        for (const char* m :
             {"05_02_fish_00", "05_02_fish_01", "05_02_fish_02", "05_02_fish_03", "05_02_fish_04", "05_02_fish_04_mir",
              "05_02_fish_06", "05_02_fish_07", "05_02_fish_me", "05_02_fish_02_me", "05_02_fon", "05_02_fon2",
              "05_02_game_over", "orig_05_game/05_game_knopka", "orig_05_game/05_game_knopka_nl",
              "orig_05_game/05_game_displei"})
            material(m);
        for (int i = 0; i < 10; ++i)
            material("05_02_score_0" + std::to_string(i));
        for (int i = 0; i < 5; ++i)
            material("05_02_fish_05_0" + std::to_string(i));

        group = prop("05_minigame_27.scene");
        Ogre::SceneNode* under = group->getNode();
        const char* const buttonNames[3] = {"05_02_game_knopka_02", "05_02_game_knopka", "05_02_game_knopka_01"};
        for (int i = 0; i < 3; ++i)
        {
            buttons[i] = prop(buttonNames[i], "", {}, under);
            buttons[i]->getNode()->setPosition(10.0f * i, 5.0f, 1.0f);
        }
        for (int i = 0; i < 5; ++i)
            fish[i] = prop("05_02_fish_0" + std::to_string(i), "", {}, under);
        me = prop("05_02_fish_me", "", {}, under);
        scoreMsg = prop("05_02_fish_msg", "", {}, under);
        gameOver = prop("05_02_game_over", "", {}, under);
        background = prop("05_02_fon", "", {}, under);
        left = prop("05_02_fon_left", "", {}, under);
        right = prop("05_02_fon_right", "", {}, under);
        score = fourDigits("05_02_score", under);
    }

    static void material(const std::string& name)
    {
        Ogre::MaterialManager::getSingleton()
            .create(name, "General")
            ->getTechnique(0)
            ->getPass(0)
            ->createTextureUnitState();
    }
    static Ogre::TextureUnitState* unit(const std::string& name)
    {
        return Ogre::MaterialManager::getSingleton().getByName(name)->getTechnique(0)->getPass(0)->getTextureUnitState(0);
    }

    /// The score object: four sub-entities, one per digit.
    CObject* fourDigits(const std::string& name, Ogre::SceneNode* parent)
    {
        Ogre::ManualObject* manual = gApp.mSceneMgr->createManualObject();
        for (int d = 0; d < 4; ++d)
        {
            manual->begin("BaseWhite", Ogre::RenderOperation::OT_TRIANGLE_LIST);
            manual->position(d, 0, 0);
            manual->position(d + 1.0f, 0, 0);
            manual->position(d, 1, 0);
            manual->triangle(0, 1, 2);
            manual->end();
        }
        manual->convertToMesh("digits4");
        gApp.mSceneMgr->destroyManualObject(manual);
        CObject* object = engine.addObject(name, "", parent);
        object->mEntity = gApp.mSceneMgr->createEntity(name, "digits4");
        object->getNode()->attachObject(object->mEntity);
        return object;
    }

    void create()
    {
        machine = prop("05_02_game_mg", "05_minigame_27.sc");
        engine.frame();
        forgetTold();
    }

    /// A button event from the cabinet's pieces, then a short frame.
    void button(int code)
    {
        engine.notify(machine, code);
        engine.frame(0.001f);
    }

    /// The machine created and a game started with the start button.
    void play()
    {
        create();
        button(30001);
        engine.frame(0.001f);
        button(40001);
        ASSERT_EQ(script()->playing, 1);
        forgetTold();
    }

    /// Fish 0 of kind k swimming, at the player's fish.
    void fishAtPlayer(int kind)
    {
        sc_05_minigame_27::Fish& f = script()->fish[0];
        f.kind = kind;
        f.state = 0;
        f.vx = 0.0f;
        f.pos = script()->me.pos + vec3(1.0f, 1.0f, 0.0f);
    }

    std::string look(CObject* object, int sub = 0) { return object->getEntity()->getSubEntity(sub)->getMaterialName(); }
    std::string digits()
    {
        std::string text;
        for (int d = 0; d < 4; ++d)
            text += look(score, d).substr(12);
        return text;
    }
    sc_05_minigame_27* script() { return tq::HeadlessEngine::scriptOf<sc_05_minigame_27>(machine); }

    CObject* group = nullptr;
    CObject* buttons[3] = {};
    CObject* fish[5] = {};
    CObject* me = nullptr;
    CObject* scoreMsg = nullptr;
    CObject* gameOver = nullptr;
    CObject* background = nullptr;
    CObject* left = nullptr;
    CObject* right = nullptr;
    CObject* score = nullptr;
    CObject* machine = nullptr;
};

TEST_F(Fish0527, TheMachineWaitsOnItsAttractScreen)
{
    CVirtualScript::setConfigI("fish_game@game_over", 1);
    engine.clearLog();
    create();
    EXPECT_TRUE(visible(background));
    EXPECT_EQ(look(background), "05_02_fon2");
    for (CObject* hidden : {fish[0], fish[4], me, scoreMsg, gameOver, left, right, score})
        EXPECT_FALSE(visible(hidden)) << hidden->getNodeName();
    EXPECT_TRUE(visible(buttons[1]));
    EXPECT_EQ(CVirtualScript::getConfigI("fish_game@game_over"), 0);
    engine.frame();
    EXPECT_EQ(told("00_movies"), (Told{"100"}));
    EXPECT_FLOAT_EQ(unit("05_02_fish_02_me")->getTextureVScroll(), -0.1f);
    EXPECT_EQ(engine.log().find("WARNING"), std::string::npos);
}

TEST_F(Fish0527, ButtonsGoDownWhileHeldAndTheStartButtonStartsAGame)
{
    create();
    const vec3 rest = buttons[1]->getNode()->getPosition();
    button(10001); // focus: nothing
    EXPECT_EQ(look(buttons[1]), "BaseWhite");
    button(30001);
    EXPECT_EQ(look(buttons[1]), "orig_05_game/05_game_knopka_nl");
    engine.frames(5, 0.02f);
    EXPECT_EQ(buttons[1]->getNode()->getPosition(), rest + vec3(-0.3f, 0.1f, -2.4f));
    EXPECT_EQ(script()->playing, 1);
    EXPECT_EQ(look(background), "05_02_fon");
    EXPECT_TRUE(visible(me));
    EXPECT_TRUE(visible(fish[3]));
    EXPECT_TRUE(visible(left));
    EXPECT_EQ(digits(), "00000000");

    button(20001); // the mouse left it: up again
    EXPECT_EQ(look(buttons[1]), "orig_05_game/05_game_knopka");
    engine.frames(5, 0.02f);
    EXPECT_EQ(buttons[1]->getNode()->getPosition(), rest);
    button(30007); // no such button
    EXPECT_EQ(script()->buttons[1].held, 0);
}

TEST_F(Fish0527, TheButtonsSteerThePlayersFishUpToTheEdges)
{
    play();
    button(30000);
    const float x = script()->me.pos.x;
    engine.frame(0.1f); // dt 0.3: 6 to the right
    EXPECT_NEAR(script()->me.pos.x, x + 6.0f, 1e-4f);
    EXPECT_NEAR(me->getNode()->getPosition().x, x + 6.0f, 1e-4f);
    engine.frames(20, 0.1f);
    // It stops once past 40.
    EXPECT_GE(script()->me.pos.x, 40.0f);
    EXPECT_LT(script()->me.pos.x, 46.0f);
    button(40000);
    button(30002);
    engine.frames(30, 0.1f);
    EXPECT_LT(script()->me.pos.x, -40.0f);
    EXPECT_GE(script()->me.pos.x, -46.0f);
}

TEST_F(Fish0527, FishComeInOneAfterAnotherForFivePointsEach)
{
    play();
    sc_05_minigame_27* g = script();
    // Fish 0 waits 5 units of dt, fish 1 nine: 1.67 s and 3 s.
    engine.frames(9, 0.2f);
    EXPECT_EQ(g->fish[0].state, 0);
    EXPECT_EQ(g->fish[1].state, 1);
    EXPECT_GT(g->fish[0].pos.y, 40.0f);
    EXPECT_GE(g->fish[0].pos.x, -40.0f);
    EXPECT_LT(g->fish[0].pos.x, 40.0f);
    EXPECT_EQ(g->score, 5);
    EXPECT_EQ(digits(), "00000005");
    engine.frames(7, 0.2f);
    EXPECT_EQ(g->fish[1].state, 0);
    EXPECT_EQ(g->score, 10);
}

TEST_F(Fish0527, WhatEachKindOfFishDoesToThePlayersFish)
{
    play();
    sc_05_minigame_27* g = script();
    struct Case
    {
        int kind;
        int meState;        // the player's fish afterwards
        const char* meLook; // its look afterwards
        const char* fishLook;
        bool meShown;
        int score;
    };
    const Case cases[] = {
        {4, 0, "05_02_fish_me", "05_02_fish_05_00", true, 100}, // food: eaten
        {0, 1, "05_02_fish_07", nullptr, true, 0},              // eats the player
        {3, 1, "05_02_fish_07", nullptr, true, 0},              // a chaser eats it too
        {2, 1, "05_02_fish_me", "05_02_fish_02_me", false, 0},  // catches it
        {1, 2, "05_02_fish_me", nullptr, true, 0},              // a bomb
    };
    for (const Case& c : cases)
    {
        g->startGame();
        CVirtualScript::setConfigI("fish_game@game_over", 0);
        engine.frame(0.001f);
        forgetTold();
        fishAtPlayer(c.kind);
        engine.frame(0.01f);
        EXPECT_EQ(g->me.state, c.meState) << c.kind;
        EXPECT_EQ(look(me), c.meLook) << c.kind;
        EXPECT_EQ(visible(me), c.meShown) << c.kind;
        if (c.fishLook)
        {
            EXPECT_EQ(look(fish[0]), c.fishLook) << c.kind;
        }
        EXPECT_EQ(g->score, c.score) << c.kind;
        // The points fly up from where it happened.
        EXPECT_TRUE(visible(scoreMsg)) << c.kind;
        EXPECT_EQ(g->scoreMsg.state, 1) << c.kind;
        EXPECT_EQ(look(scoreMsg), "05_02_fish_06") << c.kind;
        const bool death = c.meState != 0;
        EXPECT_EQ(CVirtualScript::getConfigI("fish_game@game_over"), death ? 1 : 0) << c.kind;
        engine.frame(0.001f);
        EXPECT_EQ(told("00_movies"), death ? Told{"100"} : Told{}) << c.kind;
    }
}

TEST_F(Fish0527, FishOnAPathAndADeadPlayerTouchNothing)
{
    play();
    sc_05_minigame_27* g = script();
    fishAtPlayer(1);
    g->fish[0].state = 1; // still entering
    engine.frame(0.01f);
    EXPECT_EQ(g->me.state, 0);

    fishAtPlayer(0);
    engine.frame(0.01f);
    ASSERT_EQ(g->me.state, 1);
    const float t = g->me.t;
    fishAtPlayer(2);
    g->fish[0].pos = g->me.pos;
    engine.frame(0.01f);
    EXPECT_TRUE(visible(me)); // not caught after it died
    EXPECT_GT(g->me.t, t);
}

TEST_F(Fish0527, FoodFleesAndChasersChase)
{
    play();
    sc_05_minigame_27* g = script();
    struct Case
    {
        int kind;
        float vx;
        float expectedX; // from x 10 with the player at 0, dt 0.3
    };
    const Case cases[] = {
        {4, -2.0f, 9.7f},  // food towards the player: half speed
        {4, 2.0f, 10.9f},  // away: one and a half
        {3, -2.0f, 9.1f},  // a chaser towards it: one and a half
        {3, 2.0f, 10.3f},  // away: half
        {0, -2.0f, 9.4f},  // plain fish: its own speed
    };
    for (const Case& c : cases)
    {
        sc_05_minigame_27::Fish& f = g->fish[2];
        f.kind = c.kind;
        f.state = 0;
        f.attraction = c.kind == 4 ? -0.5f : (c.kind == 3 ? 0.5f : 0.0f);
        f.vx = c.vx;
        f.pos = vec3(10.0f, 20.0f, -100.0f);
        engine.frame(0.1f);
        EXPECT_NEAR(f.pos.x, c.expectedX, 1e-4f) << c.kind << " " << c.vx;
        EXPECT_NEAR(f.pos.y, 20.0f - 1.5f, 1e-4f);
    }
}

TEST_F(Fish0527, FoodIsWorthLessAbove1000Points)
{
    play();
    sc_05_minigame_27* g = script();
    for (const auto& c : std::vector<std::pair<int, int>>{{1000, 1100}, {1001, 1051}})
    {
        g->score = c.first;
        fishAtPlayer(4);
        engine.frame(0.01f);
        EXPECT_EQ(g->score, c.second) << c.first;
    }
    EXPECT_EQ(digits(), "01000501");
}

TEST_F(Fish0527, GameOverGivesHintPointsAndTheMachineWaitsAgain)
{
    play();
    sc_05_minigame_27* g = script();
    g->score = 2000;
    fishAtPlayer(1);
    engine.clearLog();
    engine.frames(300, 0.02f);
    EXPECT_NE(engine.log().find("\n\nGAME OVER"), std::string::npos);
    EXPECT_EQ(told("interface"), (Told{"16039"}));
    EXPECT_EQ(told("00_game_interface"), (Told{"902"}));
    EXPECT_EQ(CVirtualScript::getVarI("fish_game_help"), 2);
    EXPECT_EQ(g->playing, 0);
    EXPECT_EQ(look(background), "05_02_fon2");
    EXPECT_TRUE(visible(background));
    EXPECT_FALSE(visible(gameOver));
    EXPECT_FALSE(visible(fish[0]));
    EXPECT_EQ(CVirtualScript::getConfigI("fish_game@game_over"), 0);

    // The bonus by score, while fewer than five points were given in all.
    struct Case
    {
        int score;
        int helpBefore;
        Told tips;
        Told points;
        int helpAfter;
    };
    const Case cases[] = {
        {999, 0, {}, {}, 0},
        {1000, 0, {"16038"}, {"901"}, 1},
        {3000, 0, {"16040"}, {"903"}, 3},
        {3000, 4, {"16040"}, {"903"}, 7},
        {3000, 5, {"16041"}, {}, 5},
    };
    for (const Case& c : cases)
    {
        CVirtualScript::setVarI("fish_game_help", c.helpBefore);
        g->score = c.score;
        g->game_over();
        engine.frame(0.001f);
        EXPECT_EQ(told("interface"), c.tips) << c.score << " " << c.helpBefore;
        EXPECT_EQ(told("00_game_interface"), c.points) << c.score << " " << c.helpBefore;
        EXPECT_EQ(CVirtualScript::getVarI("fish_game_help"), c.helpAfter) << c.score << " " << c.helpBefore;
    }
}

TEST_F(Fish0527, NearTheMachineATipWhileHintPointsAreLeft)
{
    create();
    engine.notify(machine, 100);
    engine.frames(2);
    EXPECT_EQ(told("interface"), (Told{"16037"}));
    CVirtualScript::setVarI("fish_game_help", 5);
    engine.notify(machine, 100);
    engine.frames(2);
    EXPECT_EQ(told("interface"), (Told{"16041"}));
}

TEST_F(Fish0527, SoundsOnlyInViewOfTheMachine)
{
    const std::string media = dir.file("media");
    ASSERT_EQ(std::system(("mkdir -p '" + media + "'").c_str()), 0);
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(sndtest::makeTone(media + "/27_snd_0" + std::to_string(i) + ".ogg", sndtest::kRate, 1, 1.0,
                                      300.0 + 100.0 * i, 0.5));
    Ogre::ResourceGroupManager::getSingleton().addResourceLocation(media, "FileSystem", "General");
    gApp.mSound = true;
    ASSERT_TRUE(SoundDevice::initLoopback(sndtest::kRate, 1));
    CSfxCore::init();
    create();
    sc_05_minigame_27* g = script();
    for (int id : g->sounds)
        ASSERT_NE(id, -1);
    const auto playing = [&] {
        int count = 0;
        for (int id : g->sounds)
            count += CSfxCore::slot(id).mChannel != -1 ? 1 : 0;
        return count;
    };
    button(30000);
    EXPECT_EQ(playing(), 0);
    CVirtualScript::setVarI("cur_cam", 9);
    button(30000);
    EXPECT_EQ(playing(), 1);
    const int first = g->sounds[0];
    g->ON_DESTROY();
    EXPECT_FALSE(CSfxCore::slot(first).mUsed);
}
} // namespace
