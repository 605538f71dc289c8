// The spot-the-pairs game on the headless engine: ten left and ten right
// parts under the board group, clicks as the parts' release codes, the burst
// of the particle system, the counter overlays and their digit textures,
// the win, the saved array and the frame's codes.
#include "03_minigame_31.h"
#include "BoardFixture.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgreRoot.h>

#include <gtest/gtest.h>

#include <memory>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

const int kPairs = 10;

class Pairs : public ::testing::Test, public tq::BoardFixture
{
protected:
    Pairs() : BoardFixture("03_minigame_31") {}

    void SetUp() override
    {
        gApp.mRoot->loadPlugin(std::string(TQ_OGRE_PLUGIN_DIR) + "/Plugin_ParticleFX");
        Ogre::ParticleSystemManager::getSingleton()._initialise();
        burst = gApp.mSceneMgr->createParticleSystem("03_03_game_particle", 50);
        burst->addEmitter("Point");
        burst->getEmitter(0)->setEnabled(false);
        engine->addObject("03_03_game_particle", std::string(), board->getNode())->getNode()->attachObject(burst);

        for (const char* m : {"03_03_game_counter_border", "03_03_game_counter_num1", "03_03_game_counter_num2"})
            material(m);
        for (int i = 0; i < kPairs; ++i)
        {
            left.push_back(piece("03_03_game_part_left_", i, vec3(-10.0f, i * 2.0f, -50.0f)));
            right.push_back(piece("03_03_game_part_right_", i, vec3(10.0f, i * 2.0f, -50.0f)));
        }
    }

    void TearDown() override
    {
        gApp.mSceneMgr->destroyAllParticleSystems();
    }

    void startWith(const std::vector<int>& found, int won = 0)
    {
        saveArray(3, 31, found, won);
        start();
    }

    void send(int code)
    {
        engine->notify(game, code);
        engine->frame();
    }

    static bool seen(const CObject* part) { return part->getNode()->getAttachedObject(0)->getVisible(); }

    /// The two digits the counter shows, from its materials' textures.
    static std::string counter()
    {
        std::string digits;
        for (const char* m : {"03_03_game_counter_num1", "03_03_game_counter_num2"})
        {
            const std::string name = unit(m)->getTextureName();
            const size_t at = name.find("05_02_score_");
            digits += at == std::string::npos ? std::string("??") : name.substr(at + 12, 2);
        }
        return digits;
    }

    bool emitting() const { return burst->getEmitter(0)->getEnabled(); }

    Ogre::ParticleSystem* burst = nullptr;
    std::vector<CObject*> left;
    std::vector<CObject*> right;
};

TEST_F(Pairs, ANewGameShowsTheBoardAndAllTenPairsLeft)
{
    start();
    int won = -1;
    EXPECT_EQ(savedArray(3, 31, kPairs, &won), std::vector<int>(kPairs, 0));
    EXPECT_EQ(won, 0);
    EXPECT_TRUE(boardShown());
    EXPECT_EQ(board->getNode()->getParent(), camera->getNode());
    EXPECT_TRUE(overlay("Minigame31")->isVisible());
    EXPECT_TRUE(overlay("Minigame31FX")->isVisible());
    ASSERT_NE(element("NUM1"), nullptr);
    EXPECT_FLOAT_EQ(element("NUM1")->getLeft(), 0.9208984375f);
    EXPECT_EQ(element("NUM2")->getMaterialName(), "03_03_game_counter_num2");
    EXPECT_EQ(element("Border")->getMaterialName(), "03_03_game_counter_border");
    EXPECT_EQ(counter(), "0100");
}

TEST_F(Pairs, AClickFindsThePairThroughEitherPartOnce)
{
    start();
    send(30003);
    EXPECT_FALSE(seen(left[3]));
    EXPECT_EQ(counter(), "0009");
    // The other part of a found pair is no longer a find.
    send(40003);
    EXPECT_TRUE(seen(right[3]));
    EXPECT_EQ(counter(), "0009");

    send(40005);
    EXPECT_FALSE(seen(right[5]));
    EXPECT_TRUE(seen(left[5]));
    EXPECT_EQ(counter(), "0008");

    // Indices outside the pictures are nobody's.
    send(30010);
    send(49999);
    EXPECT_EQ(counter(), "0008");

    send(2000);
    engine->frame();
    std::vector<int> expected(kPairs, 0);
    expected[3] = 1;
    expected[5] = 2;
    EXPECT_EQ(savedArray(3, 31, kPairs), expected);
    EXPECT_EQ(notes("interface"), Calls{note(100, nullptr)});
}

TEST_F(Pairs, TheBurstRisesAtThePartAndEndsAfterHalfASecondUnlessPaused)
{
    start();
    send(40007);
    EXPECT_TRUE(emitting());
    const vec3 where = at(gApp.findObject("03_03_game_particle"));
    EXPECT_FLOAT_EQ(where.x, 10.0f);
    EXPECT_FLOAT_EQ(where.y, 14.0f);
    engine->frames(6, 0.1f);
    EXPECT_FALSE(emitting());

    send(30001);
    send(1400);
    engine->frames(6, 0.1f);
    EXPECT_TRUE(emitting());
    send(1500);
    engine->frames(6, 0.1f);
    EXPECT_TRUE(emitting()) << "the paused burst's end is gone";
    send(30002);
    engine->frames(6, 0.1f);
    EXPECT_FALSE(emitting());
}

TEST_F(Pairs, TheLastPairWinsOnceAndTheFrameTakesTheGameBack)
{
    std::vector<int> found(kPairs, 1);
    found[8] = 0;
    found[2] = 2;
    startWith(found);
    EXPECT_FALSE(seen(left[0]));
    EXPECT_TRUE(seen(right[0]));
    EXPECT_FALSE(seen(right[2]));
    EXPECT_TRUE(seen(left[2]));
    EXPECT_EQ(counter(), "0001");

    engine->clearLog();
    send(40008);
    engine->frame();
    EXPECT_NE(engine->log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, game)});
    EXPECT_EQ(counter(), "0000");
    int won = 0;
    EXPECT_EQ(savedArray(3, 31, kPairs, &won)[8], 2);
    EXPECT_EQ(won, 1);

    send(1100);
    engine->frame();
    EXPECT_EQ(notes("00_minigame_starter"), Calls{note(1200, game)});
    send(1300);
    EXPECT_FALSE(boardShown());
    EXPECT_NE(board->getNode()->getParent(), camera->getNode());
    EXPECT_FALSE(overlay("Minigame31")->isVisible());
    EXPECT_FALSE(overlay("Minigame31FX")->isVisible());
}

TEST_F(Pairs, AFinishedGameWinsAgainWhenStarted)
{
    startWith(std::vector<int>(kPairs, 1), 1);
    engine->frame();
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, game)});
}

TEST_F(Pairs, TheHintComesOnRequestAndAtTheStartWhenWanted)
{
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    start();
    engine->frame();
    EXPECT_EQ(notes("interface"), Calls{note(16031, nullptr)});
    send(2010);
    engine->frame();
    EXPECT_EQ(notes("interface"), (Calls{note(16031, nullptr), note(16031, nullptr)}));
}

TEST_F(Pairs, ADamagedSaveIsRepairedAndLogged)
{
    std::vector<int> found(kPairs, 0);
    found[4] = 7;
    startWith(found);
    EXPECT_NE(engine->log().find("3_31_variable_4] = 7 is out of range"), std::string::npos);
    EXPECT_TRUE(seen(left[4]));
    EXPECT_TRUE(seen(right[4]));
    EXPECT_EQ(counter(), "0100");
}
}
