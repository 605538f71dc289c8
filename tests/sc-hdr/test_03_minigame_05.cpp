// The colour-memory puzzle on the headless engine: the patterns it draws,
// crystals dragged onto the washed-out planes, the win, a wrong pattern
// with its tip, the reset object, the state kept across a close and a new
// start, and the reset object's caption.  Crystals lie at y = -20, 10
// units apart, on the game's plane.
#include "03_minigame_05.h"
#include "GameBoardFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
typedef sc_03_minigame_05 Game;

const float kDepth = -114.691f;

vec3 home(int i)
{
    return vec3(-20.0f + 10.0f * i, -20.0f, kDepth);
}

const char* const kTemplates = R"(
template container Panel(CounterComment)
{
    metrics_mode relative
}
)";

class ColourMemory : public ::testing::Test
{
protected:
    ColourMemory() : b("03_minigame_05")
    {
        for (int i = 0; i < 5; ++i)
        {
            for (const char* kind : {"03_04_game_cristals_", "03_04_game_cristals_light_", "03_04_game_plane_"})
            {
                const std::string name = tq::indexedName(kind, i);
                b.piece(name, 1, std::string(kind) == "03_04_game_plane_" ? vec3(0, 10, kDepth) : home(i));
                tq::Board::material(name);
            }
        }
        tq::Board::material("03_04_game_fon_01");
        tq::Board::overlayScript(kTemplates);
        tq::Board::text(6047, "Reset");
        CVirtualScript::setConfigI("03_minigame_05_reset_button_x", 0);
    }

    Game* start()
    {
        if (!b.gameObject)
            b.addGame();
        b.engine->notify(b.gameObject, 1200, gApp.findObject("00_minigame_starter"));
        b.engine->frames(2);
        return tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
    }

    void frames(int n) { b.engine->frames(n); }

    /// A press and release of the button with the cursor where it is.
    void pressAt(const vec3& at, int focus = -1)
    {
        if (focus != -1)
            b.engine->notify(b.gameObject, 10000 + focus);
        tq::Board::cursorAt(at, true);
        frames(1);
        tq::Board::cursorAt(at, false);
        frames(1);
        if (focus != -1)
            b.engine->notify(b.gameObject, 20000 + focus);
    }

    /// Crystal i dragged onto plane j (-1: off the planes).
    void drag(int i, int j)
    {
        Game* game = tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
        const vec3 at(game->crystals[i].current.x, game->crystals[i].current.y, kDepth);
        b.engine->notify(b.gameObject, 10000 + i);
        tq::Board::cursorAt(at, true);
        frames(1);
        b.engine->notify(b.gameObject, 20000 + i);
        if (j != -1)
            b.engine->notify(b.gameObject, 15000 + j);
        tq::Board::cursorAt(at + vec3(0, 15, 0), true);
        frames(1);
        tq::Board::cursorAt(at + vec3(0, 15, 0), false);
        frames(1);
        if (j != -1)
            b.engine->notify(b.gameObject, 25000 + j);
        frames(1);
    }

    /// The attempt starts with a click off the crystals; the planes wash
    /// out in a second.
    void washOut()
    {
        pressAt(vec3(0, 30, kDepth));
        frames(70);
    }

    static std::string texture(int plane)
    {
        return tq::Board::unit(tq::indexedName("03_04_game_plane_", plane))->getTextureName();
    }

    tq::Board b;
};

TEST_F(ColourMemory, PatternsArePermutationsWaitingToBeShown)
{
    b.addGame();
    Game* game = tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
    for (int round = 0; round < 20; ++round)
    {
        if (round > 0)
            game->genData();
        std::vector<int> targets(game->saved, game->saved + 5);
        std::sort(targets.begin(), targets.end());
        EXPECT_EQ(targets, (std::vector<int>{0, 1, 2, 3, 4}));
        for (int j = 5; j < 10; ++j)
            EXPECT_EQ(game->saved[j], -1);
        EXPECT_EQ(game->saved[10], 1);
        EXPECT_EQ(CVirtualScript::getVarI("3_5_variable_3"), game->saved[3]);
    }
}

TEST_F(ColourMemory, TheRightColoursOnTheWhitePlanesWin)
{
    Game* game = start();
    for (int j = 0; j < 5; ++j)
        EXPECT_EQ(texture(j).substr(0, 15), tq::indexedName("03_04_color_", game->saved[j] + 1) + ".") << j;
    EXPECT_EQ(game->phase, Game::kShowing);

    washOut();
    EXPECT_EQ(game->phase, Game::kPlaying);
    EXPECT_EQ(game->saved[10], 0);
    for (int j = 0; j < 5; ++j)
        EXPECT_FLOAT_EQ(game->planes[j].whiteness, 1.0f);
    EXPECT_FLOAT_EQ(tq::Board::unit("03_04_game_plane_02")->getColourBlendMode().colourArg2.g, 1.0f);

    for (int j = 0; j < 5; ++j)
        drag(game->saved[j], j);
    for (int j = 0; j < 5; ++j)
        EXPECT_EQ(game->saved[5 + j], game->saved[j]);
    EXPECT_EQ(game->won, 0);
    frames(70);
    EXPECT_EQ(game->won, 1);
    EXPECT_NE(b.engine->log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, b.gameObject)});
    // The used crystals have faded; after the win nothing moves.
    EXPECT_FLOAT_EQ(game->crystals[0].alpha, 0.0f);
    pressAt(home(0), 0);
    EXPECT_EQ(game->held, -1);
}

TEST_F(ColourMemory, AWrongPatternGivesATipAndANewPatternThatWaitsForTheTipsEnd)
{
    Game* game = start();
    washOut();
    for (int j = 0; j < 5; ++j)
        drag(game->saved[(j + 1) % 5], j);
    frames(70);
    EXPECT_EQ(game->won, 0);
    EXPECT_EQ(game->phase, Game::kWashing);
    EXPECT_EQ(game->tipWait, 1);
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_TRUE(game->crystals[i].available);
        EXPECT_NEAR(game->crystals[i].current.x, home(i).x, 1e-3f);
    }
    frames(2);
    EXPECT_EQ(notes("interface"), Calls{note(16032, b.gameObject)});

    // White again, a new pattern shows, and then stands.
    frames(140);
    EXPECT_EQ(game->phase, Game::kShowing);
    EXPECT_EQ(game->saved[10], 1);
    EXPECT_EQ(CVirtualScript::getVarI("3_5_variable_10"), 1);
    for (int j = 0; j < 5; ++j)
        EXPECT_EQ(texture(j).substr(0, 15), tq::indexedName("03_04_color_", game->saved[j] + 1) + ".") << j;

    // Until the tip window is closed, a click does not start the attempt.
    pressAt(vec3(0, 30, kDepth));
    EXPECT_EQ(game->phase, Game::kShowing);
    b.engine->notify(b.gameObject, 16032 + 10000, gApp.findObject("interface"));
    frames(1);
    EXPECT_EQ(game->tipWait, 0);
    EXPECT_EQ(game->focusedPlane, -1);
    pressAt(vec3(0, 30, kDepth));
    EXPECT_EQ(game->phase, Game::kPlaying);
}

TEST_F(ColourMemory, CrystalsOffAWhitePlaneFlyHomeAndUsedOnesStayUsed)
{
    Game* game = start();
    // The pattern still shows: no plane is white.
    drag(1, 2);
    EXPECT_EQ(game->saved[7], -1);
    frames(5);
    const float away = game->crystals[1].current.y;
    EXPECT_GT(away, home(1).y);
    frames(30);
    // The overshooting ease ends a hair short of 1.
    EXPECT_NEAR(game->crystals[1].current.y, home(1).y, 0.01f);
    EXPECT_TRUE(game->crystals[1].available);

    washOut();
    drag(3, -1);
    frames(30);
    EXPECT_NEAR(game->crystals[3].current.y, home(3).y, 0.01f);
    drag(3, 4);
    EXPECT_EQ(game->saved[9], 3);
    EXPECT_FALSE(game->crystals[3].available);
    // A used crystal is not taken up again.
    pressAt(game->crystals[3].current, 3);
    EXPECT_EQ(game->held, -1);
    EXPECT_EQ(game->dragState, 0);

    // Carried onto the reset object, a crystal goes home.
    const vec3 at(game->crystals[0].current.x, game->crystals[0].current.y, kDepth);
    b.engine->notify(b.gameObject, 10000);
    tq::Board::cursorAt(at, true);
    frames(1);
    EXPECT_EQ(game->held, 0);
    b.engine->notify(b.gameObject, 20000);
    b.engine->notify(b.gameObject, 10005);
    frames(1);
    EXPECT_EQ(game->held, -1);
    EXPECT_EQ(game->crystals[0].to, game->crystals[0].home);
}

TEST_F(ColourMemory, TheResetObjectBringsANewPatternWithoutATip)
{
    Game* game = start();
    washOut();
    drag(game->saved[0], 0);
    drag(game->saved[1], 1);
    pressAt(vec3(30, -20, kDepth), 5);
    EXPECT_EQ(game->phase, Game::kWashing);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(game->crystals[i].available);
    frames(150);
    EXPECT_EQ(game->phase, Game::kShowing);
    EXPECT_EQ(game->saved[5], -1);
    EXPECT_EQ(game->tipWait, 0);
    EXPECT_EQ(notes("interface"), Calls{});
    pressAt(vec3(0, 30, kDepth));
    EXPECT_EQ(game->phase, Game::kPlaying);
}

TEST_F(ColourMemory, ColoursGivenSurviveLeavingAndTheirCrystalsStayUsed)
{
    Game* game = start();
    washOut();
    drag(game->saved[3], 3);
    const int given = game->saved[3];
    b.engine->notify(b.gameObject, 1300);
    frames(2);
    EXPECT_EQ(CVirtualScript::getVarI("3_5_variable_8"), given);
    EXPECT_EQ(b.board->getNode()->getParent(), gApp.mSceneMgr->getRootSceneNode());
    start();
    EXPECT_EQ(game->phase, Game::kPlaying);
    EXPECT_FALSE(game->crystals[given].available);
    EXPECT_EQ(game->planes[3].coloured, 1);
    EXPECT_EQ(texture(3).substr(0, 15), tq::indexedName("03_04_color_", given + 1) + ".");
    for (int i = 0; i < 5; ++i)
    {
        if (i != given)
        {
            EXPECT_TRUE(game->crystals[i].available) << i;
        }
    }
}

TEST_F(ColourMemory, TheCaptionShowsWhileTheGameRunsAndTheHintNamesTheGame)
{
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    b.addGame();
    Ogre::Overlay* overlay = tq::Board::overlay("Minigame05Text");
    ASSERT_NE(overlay, nullptr);
    EXPECT_FALSE(overlay->isVisible());
    EXPECT_EQ(tq::Board::caption("Minigame05TextContainer"), "Reset");
    EXPECT_EQ(tq::Board::caption("Minigame05TextFront"), "Reset");
    EXPECT_FLOAT_EQ(tq::Board::element("Minigame05TextContainer")->getLeft(), 0.002f);
    start();
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(notes("interface"), Calls{note(16005, b.gameObject)});
    b.engine->notify(b.gameObject, 1300);
    frames(2);
    EXPECT_FALSE(overlay->isVisible());
    tq::HeadlessEngine::scriptOf<Game>(b.gameObject)->ON_DESTROY();
    EXPECT_EQ(tq::Board::element("Minigame05TextFront"), nullptr);
}

TEST_F(ColourMemory, ADamagedSavedStateIsReplacedByANewPattern)
{
    CVirtualScript::setVarI("3_5_variable_game_end", 0);
    for (int j = 0; j < 5; ++j)
        CVirtualScript::setVarI(CVirtualScript::makeGameArrayKey(3, 5, j), j);
    CVirtualScript::setVarI("3_5_variable_6", 8); // plane 1 coloured by a crystal that does not exist
    Game* game = start();
    EXPECT_NE(b.engine->log().find("\nWARNING: saved state 3_5 of the mini-game is damaged"), std::string::npos);
    EXPECT_TRUE(game->stateValid());
    EXPECT_EQ(game->saved[10], 1);
}
} // namespace
