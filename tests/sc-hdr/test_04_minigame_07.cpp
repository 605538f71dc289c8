// The symbol ring on the headless engine: the board drawn for a new game,
// the frame's codes, dropping symbol buttons onto the selector with the
// mouse (right, wrong, beside it), the lock and its break, the win when the
// sixth screen is fully lit, and a damaged save.
#include "04_minigame_07.h"
#include "PuzzleFixture.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

#include <vector>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
using tq::PuzzleFixture;

using Game = sc_04_minigame_07;

class SymbolRing : public ::testing::Test
{
protected:
    SymbolRing() : fx({"01_snd_00", "01_snd_01", "01_snd_02", "01_snd_03", "05_snd_02"}) {}

    void SetUp() override
    {
        for (const char* spy : {"00_minigame_starter", "00_minigame_interf", "interface"})
            fx.engine->addRecorder(spy);
        camera = fx.engine->addObject("Camera");
        Ogre::SceneNode* group = fx.piece("04_minigame_07.scene")->getNode();
        for (int i = 0; i < Game::kButtons; ++i)
        {
            fx.piece(name("04_03_game_button_", i), group);
            tq::ScriptFixture::material(name("04_03_game_symbol_", i));
        }
        // The screens in a row above the buttons.
        for (int i = 0; i < Game::kScreens; ++i)
        {
            fx.piece(name("04_03_game_ekran_", i), group)->getNode()->setPosition(-25.0f + 10.0f * i, 20.0f, -101.0f);
            tq::ScriptFixture::material(name("04_03_game_text_", i), 2);
        }
        fx.piece("04_03_game_sel", group);
        fx.piece("04_03_game_break", group);
        tq::ScriptFixture::material("04_03_game_sel");
        tq::ScriptFixture::material("04_03_game_break");
    }

    static std::string name(const char* prefix, int i)
    {
        char text[64];
        std::snprintf(text, sizeof(text), "%s%02d", prefix, i);
        return text;
    }

    /// A saved ring: the symbols of the six screens, the screens lit, the
    /// selector's screen and the locked button.
    static void saveRing(std::vector<int> symbols, std::vector<int> lit, int current, int locked, int end = 0)
    {
        int data[Game::kSaved] = {};
        for (int i = 0; i < Game::kScreens; ++i)
        {
            data[i] = symbols[i];
            data[Game::kLit + i] = lit[i];
        }
        data[Game::kCurrent] = current;
        data[Game::kLocked] = locked;
        CVirtualScript::saveGameArray(Game::kSaved, 4, 7, data, &end);
    }

    void create()
    {
        object = fx.engine->addObject("04_minigame_07", "04_minigame_07.sc");
        fx.engine->frame();
        game = tq::HeadlessEngine::scriptOf<Game>(object);
        ASSERT_NE(game, nullptr);
    }
    void start()
    {
        create();
        fx.engine->notify(object, 1200, gApp.findObject("00_minigame_starter"));
        fx.engine->frame();
        fx.engine->frames(40, 0.05f); // the selector settles
        tq::RecordingScript::calls().clear();
        PuzzleFixture::hush();
    }
    void send(int code)
    {
        fx.engine->notify(object, code);
        fx.engine->frame();
        fx.engine->frame(0.001f); // what the game sent in answer arrives
    }

    /// Grabs button b and lets it go over the selector or (beside) below
    /// the buttons.
    void drop(int b, bool onSelector = true)
    {
        send(10000 + b);
        PuzzleFixture::aim(game->buttons[b].current, true);
        fx.engine->frame();
        const vec3 target = onSelector ? game->selCurrent : game->buttons[b].current + vec3(0.0f, -10.0f, 0.0f);
        PuzzleFixture::aim(target, true);
        fx.engine->frame();
        PuzzleFixture::aim(target, false);
        fx.engine->frame();
        send(20000 + b);
    }
    std::vector<int> lit() const { return std::vector<int>(game->data + Game::kLit, game->data + Game::kLit + 6); }
    size_t wins() const
    {
        const std::string log = fx.engine->log();
        size_t count = 0;
        for (size_t at = log.find("\nYOU WIN !!!"); at != std::string::npos; at = log.find("\nYOU WIN !!!", at + 1))
            ++count;
        return count;
    }

    PuzzleFixture fx;
    CObject* camera = nullptr;
    CObject* object = nullptr;
    Game* game = nullptr;
};

TEST_F(SymbolRing, ANewRingNeverAsksTwiceForOneSymbolSideBySide)
{
    create();
    EXPECT_TRUE(CVirtualScript::isGameEndSet(4, 7));
    for (uint32_t seed : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u})
    {
        if (seed)
        {
            CVirtualScript::randomSeed(seed);
            game->genData();
        }
        for (int i = 0; i < Game::kScreens; ++i)
        {
            EXPECT_GE(game->data[i], 0);
            EXPECT_LT(game->data[i], 4);
            // Screen 5 and screen 0 are neighbours too.
            EXPECT_NE(game->data[i], game->data[(i + 1) % Game::kScreens]) << seed << " screen " << i;
            EXPECT_EQ(game->data[Game::kLit + i], 0);
        }
        EXPECT_EQ(game->data[Game::kCurrent], 0);
        EXPECT_EQ(game->data[Game::kLocked], -1);
        EXPECT_EQ(CVirtualScript::getVarI("4_7_variable_5"), game->data[5]);
    }
}

TEST_F(SymbolRing, TheStartLaysOutTheBoardAndTheFrameCodesWork)
{
    saveRing({2, 1, 0, 3, 2, 1}, {0, 0, 0, 0, 0, 0}, 3, -1);
    start();
    EXPECT_EQ(gApp.mSceneMgr->getSceneNode("04_minigame_07.scene")->getParent(), camera->getNode());
    const float restX[] = {-14.0f, -14.0f + 28.0f / 3.0f, 14.0f - 28.0f / 3.0f, 14.0f};
    for (int b = 0; b < Game::kButtons; ++b)
    {
        const vec3 rest(restX[b], 0.0f, -100.0f);
        EXPECT_TRUE(PuzzleFixture::position(name("04_03_game_button_", b)).positionEquals(rest, 1e-3f)) << b;
    }
    // Each screen's second pass shows its symbol (the picture's file type is
    // the one the resources hold).
    Ogre::MaterialPtr text = Ogre::MaterialManager::getSingleton().getByName("04_03_game_text_00");
    const std::string picture = text->getTechnique(0)->getPass(1)->getTextureUnitState(0)->getTextureName();
    EXPECT_EQ(picture.substr(0, picture.rfind('.')), "04_03_game_symbol_02");
    EXPECT_EQ(PuzzleFixture::entityOf("04_03_game_ekran_00")->getSubEntity(0)->getMaterial(), text);
    // The selector stands half a unit in front of the current screen.
    EXPECT_TRUE(PuzzleFixture::position("04_03_game_sel").positionEquals(vec3(5.0f, 20.0f, -100.5f), 1e-3f));
    EXPECT_FALSE(PuzzleFixture::shown("04_03_game_break"));
    EXPECT_EQ(notes("interface"), Calls{});

    send(2010);
    send(2000);
    send(1100);
    EXPECT_EQ(notes("interface"), (Calls{note(16007, nullptr), note(100, nullptr)}));
    EXPECT_EQ(notes("00_minigame_starter"), Calls{note(1200, object)});
    send(1300);
    EXPECT_EQ(game->timer, 0);
    EXPECT_FALSE(PuzzleFixture::shown("04_03_game_button_00"));
}

TEST_F(SymbolRing, ARightSymbolLightsItsScreenAndTheButtonUsedIsLocked)
{
    saveRing({2, 1, 0, 3, 2, 1}, {0, 0, 0, 0, 0, 0}, 0, -1);
    start();
    drop(2);
    EXPECT_TRUE(PuzzleFixture::played("01_snd_01"));
    EXPECT_TRUE(PuzzleFixture::played("01_snd_02"));
    EXPECT_EQ(lit(), (std::vector<int>{1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(game->data[Game::kCurrent], 1);
    EXPECT_EQ(game->buttons[2].fadingIn, 0);

    // Over the next two seconds: the screen lights, the selector moves on,
    // the button fades out in it and comes home under the break.
    fx.engine->frames(25, 0.1f);
    EXPECT_FLOAT_EQ(game->screens[0].level, 1.0f);
    EXPECT_TRUE(PuzzleFixture::position("04_03_game_sel").positionEquals(vec3(-15.0f, 20.0f, -100.5f), 1e-2f));
    EXPECT_EQ(game->data[Game::kLocked], 2);
    EXPECT_TRUE(PuzzleFixture::shown("04_03_game_break"));
    EXPECT_TRUE(PuzzleFixture::position("04_03_game_break").positionEquals(Game::getStartPos(2)));
    EXPECT_TRUE(PuzzleFixture::position("04_03_game_button_02").positionEquals(Game::getStartPos(2), 1e-3f));
    EXPECT_FLOAT_EQ(game->buttons[2].alpha, 1.0f);

    // The locked button cannot be picked up.
    PuzzleFixture::hush();
    send(10002);
    PuzzleFixture::aim(game->buttons[2].current, true);
    fx.engine->frame();
    EXPECT_EQ(game->selected, -1);
    EXPECT_FALSE(PuzzleFixture::played("01_snd_01"));
    PuzzleFixture::aim(game->buttons[2].current, false);
    send(20002);

    // The next use moves the lock; the old break fades away first.
    drop(1);
    EXPECT_EQ(game->breakOn, 0);
    fx.engine->frames(12, 0.1f);
    EXPECT_EQ(game->data[Game::kLocked], 1);
    EXPECT_EQ(lit(), (std::vector<int>{1, 1, 0, 0, 0, 0}));
}

TEST_F(SymbolRing, AWrongSymbolDarkensEveryScreenAndTheSelectorStillMovesOn)
{
    saveRing({2, 1, 0, 3, 2, 1}, {1, 1, 1, 0, 0, 0}, 3, -1);
    start();
    drop(0); // screen 3 wants 3
    EXPECT_TRUE(PuzzleFixture::played("05_snd_02"));
    EXPECT_FALSE(PuzzleFixture::played("01_snd_02"));
    EXPECT_EQ(lit(), std::vector<int>(6, 0));
    EXPECT_EQ(game->data[Game::kCurrent], 4);
    fx.engine->frames(12, 0.1f);
    EXPECT_FLOAT_EQ(game->screens[1].level, 0.0f);
    EXPECT_EQ(game->data[Game::kLocked], 0);
}

TEST_F(SymbolRing, AButtonLetGoBesideTheSelectorFliesHome)
{
    saveRing({2, 1, 0, 3, 2, 1}, {1, 0, 0, 0, 0, 0}, 1, -1);
    start();
    drop(1, false);
    EXPECT_TRUE(PuzzleFixture::played("01_snd_03"));
    EXPECT_FALSE(PuzzleFixture::played("01_snd_02"));
    EXPECT_EQ(game->data[Game::kCurrent], 1);
    EXPECT_EQ(lit(), (std::vector<int>{1, 0, 0, 0, 0, 0}));
    fx.engine->frames(10, 0.1f);
    EXPECT_TRUE(PuzzleFixture::position("04_03_game_button_01").positionEquals(Game::getStartPos(1), 1e-3f));
    EXPECT_EQ(game->data[Game::kLocked], -1);
    EXPECT_FALSE(PuzzleFixture::shown("04_03_game_break"));
}

TEST_F(SymbolRing, TheWinComesOnceWhenTheLastScreenIsFullyLit)
{
    // Two right drops in quick succession light screens 4 and 5 while the
    // four others are lit already.
    saveRing({2, 1, 0, 3, 2, 1}, {1, 1, 1, 1, 0, 0}, 4, -1);
    start();
    drop(2);
    drop(1);
    EXPECT_EQ(lit(), std::vector<int>(6, 1));
    EXPECT_EQ(wins(), 0u); // not at the drop
    fx.engine->frames(30, 0.05f);
    EXPECT_EQ(wins(), 1u);
    EXPECT_EQ(game->gameEnd, 1);
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, object)});
    EXPECT_TRUE(PuzzleFixture::played("01_snd_00"));

    // Won: the buttons no longer move.
    send(10000);
    PuzzleFixture::aim(game->buttons[0].current, true);
    fx.engine->frame();
    EXPECT_EQ(game->selected, -1);
    PuzzleFixture::aim(game->buttons[0].current, false);

    // A won ring started again wins again, once.
    send(1300);
    fx.engine->notify(object, 1200);
    fx.engine->frames(30, 0.05f);
    EXPECT_EQ(wins(), 2u);
}

TEST_F(SymbolRing, ADamagedSaveIsRepairedAndTheGameGoesOn)
{
    saveRing({2, 7, 0, 3, 2, 1}, {0, 0, 0, 0, 0, 0}, 17, 9);
    start();
    EXPECT_NE(fx.engine->log().find("[4_7_variable_10] = 17"), std::string::npos);
    EXPECT_NE(fx.engine->log().find("[4_7_variable_11] = 9"), std::string::npos);
    EXPECT_EQ(game->data[1], 0);
    EXPECT_EQ(game->data[Game::kCurrent], 0);
    EXPECT_EQ(game->data[Game::kLocked], -1);
    drop(2);
    EXPECT_EQ(lit(), (std::vector<int>{1, 0, 0, 0, 0, 0}));
}

TEST_F(SymbolRing, ALockedButtonOfASavedGameLiesUnderItsBreak)
{
    saveRing({2, 1, 0, 3, 2, 1}, {0, 0, 0, 0, 0, 0}, 0, 3);
    start();
    EXPECT_TRUE(PuzzleFixture::shown("04_03_game_break"));
    EXPECT_TRUE(PuzzleFixture::position("04_03_game_break").positionEquals(Game::getStartPos(3)));
    EXPECT_FLOAT_EQ(game->breakAlpha, 1.0f);
}
} // namespace
