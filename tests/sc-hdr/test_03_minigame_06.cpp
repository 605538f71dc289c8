// The letter-pairs puzzle on the headless engine: the grids it draws, the
// reels that roll a grid in, pairs of free tiles taken with the mouse, the
// win on an empty board, the loss that brings a new grid, and the state
// kept across a close and a new start.
#include "03_minigame_06.h"
#include "GameBoardFixture.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
typedef sc_03_minigame_06 Game;

std::string tileName(int l)
{
    return tq::indexedName("03_05_game_letter_", l);
}

class LetterPairs : public ::testing::Test
{
protected:
    LetterPairs() : b("03_minigame_06")
    {
        // One in a few hundred grids offers no pair at first and is drawn
        // again: the same draws in every run.
        CVirtualScript::randomSeed(6);
        for (int l = 0; l < 48; ++l)
            b.piece(tileName(l), 1);
        for (int c = 0; c < 8; ++c)
        {
            b.piece(tq::indexedName("03_05_game_letter_down_", c), 1);
            for (const char* kind : {"down_hide_", "up_hide_"})
                tq::Board::material(tq::indexedName(std::string("03_05_game_letter_") + kind, c));
            for (const char* kind : {"", "showing_", "hiding_"})
                tq::Board::material(tq::indexedName(std::string("03_05_game_letter_") + kind, c));
        }
        for (int s = 0; s < 2; ++s)
        {
            b.piece(tq::indexedName("03_05_game_sel_", s), 1);
            tq::Board::material(tq::indexedName("03_05_game_sel_", s));
        }
        tq::Board::material("00_empty");
    }

    /// A saved state of the given letters (cell: letter; all others empty)
    /// that has rolled in already.
    static void savedGrid(std::initializer_list<std::pair<const int, int>> letters)
    {
        std::map<int, int> grid(letters);
        for (int l = 0; l < 48; ++l)
            CVirtualScript::setVarI(CVirtualScript::makeGameArrayKey(3, 6, l), grid.count(l) ? grid[l] : -1);
        CVirtualScript::setVarI("3_6_variable_49", 1);
        CVirtualScript::setVarI("3_6_variable_game_end", 0);
    }

    Game* start()
    {
        if (!b.gameObject)
            b.addGame();
        b.engine->notify(b.gameObject, 1200, gApp.findObject("00_minigame_starter"));
        b.engine->frames(2);
        return tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
    }

    /// The cursor comes onto cell l and the button goes down and up.
    void clickTile(int l)
    {
        b.engine->notify(b.gameObject, 10000 + l);
        tq::Board::mouse(0.5f, 0.5f, true);
        b.engine->frame();
        tq::Board::mouse(0.5f, 0.5f, false);
        b.engine->notify(b.gameObject, 20000 + l);
        b.engine->frame();
    }

    /// Every tile with a letter stands at home, shown with that letter.
    void expectGridShown(const Game* game)
    {
        for (int l = 0; l < 48; ++l)
        {
            const int letter = game->saved[l];
            ASSERT_EQ(game->cells[l].letter, letter) << l;
            if (letter == -1)
                continue;
            EXPECT_TRUE(tq::Board::visible(tileName(l))) << l;
            EXPECT_EQ(tq::Board::materialOf(tileName(l), 0), tq::indexedName("03_05_game_letter_", letter)) << l;
            const vec3 at = gApp.findObject(tileName(l))->getNode()->getPosition();
            EXPECT_NEAR(at.y, 8 * (l / 8) - 19.482f, 1e-3f) << l;
        }
    }

    tq::Board b;
};

TEST_F(LetterPairs, NewGridsFillEveryCellWithLettersInPairs)
{
    b.addGame();
    Game* game = tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
    EXPECT_TRUE(CVirtualScript::isGameEndSet(3, 6));
    for (int round = 0; round < 50; ++round)
    {
        if (round > 0)
            game->genData();
        int count[8] = {};
        for (int l = 0; l < 48; ++l)
        {
            ASSERT_GE(game->saved[l], 0);
            ASSERT_LT(game->saved[l], 8);
            ++count[game->saved[l]];
        }
        for (int n : count)
            EXPECT_EQ(n % 2, 0);
        EXPECT_EQ(game->saved[49], 0);
        EXPECT_EQ(CVirtualScript::getVarI("3_6_variable_17"), game->saved[17]);
    }
}

TEST_F(LetterPairs, TheReelsRollTheGridInBeforeTilesCanBeChosen)
{
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    Game* game = start();
    EXPECT_EQ(notes("interface"), Calls{note(16006, nullptr)});
    EXPECT_EQ(b.board->getNode()->getParent(), b.camera->getNode());
    EXPECT_TRUE(tq::Board::visible("03_05_game_letter_down_03"));
    b.engine->frames(20, 0.03f);
    // Half-way through no tile can be focused.
    b.engine->notify(b.gameObject, 10000 + 3);
    b.engine->frame(0.03f);
    EXPECT_EQ(game->focused, -1);
    EXPECT_EQ(game->saved[49], 0);
    EXPECT_GT(game->introT, 0.1f);

    // Five seconds in all, even when frames are long.
    b.engine->frames(150, 0.2f);
    EXPECT_EQ(game->saved[49], 1);
    for (int c = 0; c < 8; ++c)
        EXPECT_FALSE(tq::Board::visible(tq::indexedName("03_05_game_letter_down_", c)));
    expectGridShown(game);
    b.engine->notify(b.gameObject, 10000 + 3);
    b.engine->frame();
    EXPECT_EQ(game->focused, 3);
}

TEST_F(LetterPairs, TwoFreeTilesOfOneLetterGoAndAnEmptyBoardWins)
{
    // Column 0: 2 over 5; column 1: 2; column 2: 5.
    savedGrid({{0, 2}, {8, 5}, {1, 2}, {2, 5}});
    Game* game = start();
    expectGridShown(game);

    // Tile 8 is under tile 0: not free.
    clickTile(8);
    EXPECT_EQ(game->selected, -1);
    clickTile(0);
    EXPECT_EQ(game->selected, 0);
    clickTile(0);
    EXPECT_EQ(game->selected, 0);
    EXPECT_TRUE(game->highlights[1].active);
    clickTile(2); // another letter: the choice moves
    EXPECT_EQ(game->selected, 2);
    clickTile(0);
    clickTile(1);
    EXPECT_EQ(game->selected, -1);
    EXPECT_EQ(game->saved[0], -1);
    EXPECT_EQ(game->saved[1], -1);
    EXPECT_EQ(tq::Board::materialOf(tileName(1), 0), "03_05_game_letter_hiding_02");
    EXPECT_TRUE(tq::Board::visible(tileName(1)));

    // Tile 8 is free now; taking 8 and 2 while 0 and 1 still fade hides
    // those at once.
    clickTile(8);
    clickTile(2);
    EXPECT_FALSE(tq::Board::visible(tileName(0)));
    EXPECT_FALSE(tq::Board::visible(tileName(1)));
    EXPECT_EQ(game->won, 0);
    b.engine->frames(40);
    EXPECT_FALSE(tq::Board::visible(tileName(8)));
    EXPECT_EQ(game->won, 1);
    EXPECT_NE(b.engine->log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, b.gameObject)});

    b.engine->notify(b.gameObject, 1300);
    b.engine->frames(2);
    EXPECT_EQ(CVirtualScript::getVarI("3_6_variable_game_end"), 1);
    EXPECT_EQ(CVirtualScript::getVarI("3_6_variable_8"), -1);
    EXPECT_FALSE(tq::Board::visible(tileName(20)));
}

TEST_F(LetterPairs, FreeTilesWithoutAPairLoseAndANewGridRollsIn)
{
    // After the 2s go, the free tiles show 5, 4 and 6.
    savedGrid({{0, 2}, {8, 5}, {1, 2}, {9, 4}, {2, 6}, {10, 4}});
    Game* game = start();
    clickTile(0);
    clickTile(1);
    b.engine->frames(40);
    EXPECT_EQ(game->won, 0);
    EXPECT_EQ(game->saved[49], 0);
    EXPECT_EQ(CVirtualScript::getVarI("3_6_variable_49"), 0);
    for (int l = 0; l < 48; ++l)
        ASSERT_NE(game->saved[l], -1) << l;
    EXPECT_EQ(game->selected, -1);
    EXPECT_EQ(game->focused, -1);

    // Tiles taken from the old grid come back with the new one's letters.
    b.engine->frames(180, 0.03f);
    ASSERT_EQ(game->saved[49], 1);
    expectGridShown(game);
}

TEST_F(LetterPairs, AGridThatRollsInWithoutAPairAmongItsFreeTilesIsLostAtOnce)
{
    // Row 0 holds the eight letters once each.
    for (int l = 0; l < 48; ++l)
        CVirtualScript::setVarI(CVirtualScript::makeGameArrayKey(3, 6, l), l % 8);
    CVirtualScript::setVarI("3_6_variable_49", 0);
    CVirtualScript::setVarI("3_6_variable_game_end", 0);
    Game* game = start();
    b.engine->frames(180, 0.03f);
    EXPECT_EQ(game->saved[49], 0);
    bool redrawn = false;
    for (int l = 0; l < 48; ++l)
        redrawn = redrawn || game->saved[l] != l % 8;
    EXPECT_TRUE(redrawn);
    EXPECT_LT(game->introT, 0.1f);
}

TEST_F(LetterPairs, LeavingDuringTheReelsRollsThemAgainAndAClearedGridSurvives)
{
    Game* game = start();
    b.engine->frames(30, 0.03f);
    b.engine->notify(b.gameObject, 1300);
    b.engine->frames(2);
    EXPECT_EQ(CVirtualScript::getVarI("3_6_variable_49"), 0);
    EXPECT_EQ(b.board->getNode()->getParent(), gApp.mSceneMgr->getRootSceneNode());
    start();
    EXPECT_LT(game->introT, 0.01f);
    EXPECT_TRUE(tq::Board::visible("03_05_game_letter_down_00"));

    savedGrid({{0, 2}, {8, 5}, {1, 2}, {2, 5}});
    b.engine->notify(b.gameObject, 1300);
    b.engine->frames(2);
    savedGrid({{0, 2}, {8, 5}, {1, 2}, {2, 5}});
    start();
    clickTile(0);
    clickTile(1);
    b.engine->frames(40);
    b.engine->notify(b.gameObject, 1300);
    b.engine->frames(2);
    start();
    EXPECT_EQ(game->saved[0], -1);
    EXPECT_EQ(game->saved[8], 5);
    EXPECT_EQ(game->saved[49], 1);
    // Paused, the board stands still.
    b.engine->notify(b.gameObject, 1400);
    clickTile(8);
    EXPECT_EQ(game->selected, -1);
}

TEST_F(LetterPairs, ADamagedSavedStateIsReplacedByANewGrid)
{
    savedGrid({{0, 2}, {1, 2}});
    CVirtualScript::setVarI("3_6_variable_5", 12);
    Game* game = start();
    EXPECT_NE(b.engine->log().find("\nWARNING: saved state 3_6 of the mini-game is damaged"), std::string::npos);
    EXPECT_TRUE(game->stateValid());
    EXPECT_EQ(game->saved[49], 0);
    EXPECT_NE(CVirtualScript::getVarI("3_6_variable_5"), 12);
}
} // namespace
