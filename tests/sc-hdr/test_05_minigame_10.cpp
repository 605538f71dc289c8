// The symbol grid on the headless engine: puzzles made at creation whose
// clues decide one grid, the solver's contradictions, the board laid out
// from the save when the frame starts the game, boxes taken from the
// palette and off the board with the mouse (through the real board pieces),
// dropped on cells or sent back, the win once the full grid is right,
// shown by the frame's real result display and echoed on the player's
// click, the real starter that starts and closes the game, the frame's
// codes and a damaged save.
#include "05_minigame_10.h"
#include "RealStarter.h"
#include "ResultDisplay.h"
#include "SpyNotes.h"
#include "ZoneFixture.h"

#include <OgreMaterialManager.h>
#include <OgreSubEntity.h>

namespace
{
using tq::Told;

const float kDepth = -113.359f;

// A solution: every row, column and quarter holds 0..3 once.
const int kSolution[16] = {0, 1, 2, 3, 2, 3, 0, 1, 1, 0, 3, 2, 3, 2, 1, 0};

/// The number of full grids that agree with the clues of a saved state.
int solutions(const int* state, int cells[16], int at = 0)
{
    if (at == 0)
        for (int c = 0; c < 16; ++c)
            cells[c] = state[c] >= 100 ? state[17 + c] % 10 : -1;
    if (at == 16)
        return 1;
    if (cells[at] != -1)
        return solutions(state, cells, at + 1);
    int count = 0;
    const int r = at / 4, c = at % 4;
    for (int s = 0; s < 4; ++s)
    {
        bool fits = true;
        for (int k = 0; k < 4 && fits; ++k)
        {
            const int quarter = (r / 2 * 2 + k / 2) * 4 + c / 2 * 2 + k % 2;
            fits = cells[r * 4 + k] != s && cells[k * 4 + c] != s && cells[quarter] != s;
        }
        if (fits)
        {
            cells[at] = s;
            count += solutions(state, cells, at + 1);
            cells[at] = -1;
        }
    }
    return count;
}

class Grid0510 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        overlays.reset(new tq::OverlayScope());
        spies({"00_loader", "interface"});
        tq::ResultDisplay::add(engine);
        camera = engine.addObject("Camera");
        board = engine.addObject("05_minigame_10.scene");
        Ogre::SceneNode* under = board->getNode();
        for (const char* m : {"05_06_game_select", "05_06_game_svet"})
            Ogre::MaterialManager::getSingleton().create(m, "General");
        highlight = prop("05_06_game_select", "", {}, under);
        light = prop("05_06_game_svet", "", {}, under);
        for (int i = 0; i < 4; ++i)
        {
            for (const std::string m : {"05_06_game_box_0", "05_06_game_box_fixed_0"})
                Ogre::MaterialManager::getSingleton().create(m + std::to_string(i), "General");
            palette[i] = prop(name("05_06_game_box_", i), "05_06_game_box.sc", {}, under);
            palette[i]->getNode()->setPosition(-40.0f, 15.0f - 10.0f * i, kDepth);
        }
        // Cells 10 apart around the view's centre, raised by the game.
        for (int c = 0; c < 16; ++c)
            prop(name("05_06_game_box_empty_", c), "", {}, under)
                ->getNode()
                ->setPosition(cellPos(c) - vec3(0.0f, 0.0f, 0.1f));
        for (int j = 0; j < 17; ++j)
            boxes[j] = prop(name("05_06_game_boxm_", j), "05_06_game_boxm.sc", {}, under);
    }

    static std::string name(const std::string& prefix, int n)
    {
        return prefix + (n < 10 ? "0" : "") + std::to_string(n);
    }
    static vec3 cellPos(int c) { return vec3(-15.0f + 10.0f * (c % 4), 15.0f - 10.0f * (c / 4), kDepth); }

    /// A saved puzzle: the solution's symbols as clues where clue is set.
    static void savedPuzzle(const std::vector<int>& open)
    {
        int state[40] = {};
        for (int j = 0; j < 17; ++j)
            state[j] = -1;
        for (int c = 0; c < 16; ++c)
        {
            if (std::find(open.begin(), open.end(), c) != open.end())
                continue;
            state[c] = 100 + c;
            state[17 + c] = kSolution[c] + 10;
        }
        const int solved = 0;
        CVirtualScript::saveGameArray(40, 5, 10, state, &solved);
    }

    /// The game created and, with start, started by the frame.
    void create(bool start = true)
    {
        game = prop("05_minigame_10", "05_minigame_10.sc");
        engine.frame();
        if (start)
            startGame();
        forgetTold();
    }
    /// The game started by the real starter: at its creation the first
    /// time, by the menu's choice again after.
    void startGame()
    {
        if (!starter)
            starter = tq::RealStarter::add(engine, 10);
        else
            tq::RealStarter::again(engine, starter);
        engine.frames(4);
    }
    /// The player clicks while the result is shown.
    void clickResult()
    {
        mInput->mLeftDown = true;
        engine.frame();
        mInput->mLeftDown = false;
        engine.frames(3);
    }

    sc_05_minigame_10* script() { return tq::HeadlessEngine::scriptOf<sc_05_minigame_10>(game); }

    /// The cursor over a point of the board, the button as given; one tick.
    void mouseAt(const vec3& p, bool down)
    {
        const Ogre::Vector2 s = CVirtualScript::projectPoint(vec3(p.x, p.y, kDepth));
        mInput->mCursorX = s.x;
        mInput->mCursorY = s.y;
        mInput->mLeftDown = down;
        engine.frame();
    }

    /// A press on object (a palette or a movable box), dragged to p and
    /// let go there.
    void drag(CObject* object, const vec3& p)
    {
        hover(object);
        const vec3 from = object->getNode()->getPosition();
        mouseAt(from, true);
        hover(nullptr);
        mouseAt((from + p) * 0.5f, true);
        mouseAt(p, true);
        mouseAt(p, false);
    }

    /// Frames until every move has ended.
    void settle() { engine.frames(25, 0.02f); }

    std::string material(CObject* object) { return object->getEntity()->getSubEntity(0)->getMaterialName(); }
    int saved(int i) { return CVirtualScript::getVarI("5_10_variable_" + std::to_string(i)); }

    CObject* camera = nullptr;
    CObject* board = nullptr;
    CObject* highlight = nullptr;
    CObject* light = nullptr;
    CObject* palette[4] = {};
    CObject* boxes[17] = {};
    std::unique_ptr<tq::OverlayScope> overlays;
    CObject* starter = nullptr;
    CObject* game = nullptr;
};

TEST_F(Grid0510, NewPuzzlesHaveCluesThatDecideOneGrid)
{
    create(false);
    EXPECT_TRUE(CVirtualScript::isGameEndSet(5, 10));
    for (uint32_t seed : {1u, 2u, 3u, 17u, 99u, 1234u, 4242u, 65535u})
    {
        CVirtualScript::randomSeed(seed);
        script()->genData();
        int state[40];
        int solved = -1;
        CVirtualScript::loadGameArray(40, 5, 10, state, &solved);
        EXPECT_EQ(solved, 0);
        int clues = 0;
        for (int c = 0; c < 16; ++c)
        {
            // Only clues, each box on its own cell with a clue's symbol.
            EXPECT_TRUE(state[c] == -1 || state[c] == 100 + c) << seed << " cell " << c;
            if (state[c] == 100 + c)
            {
                ++clues;
                EXPECT_GE(state[17 + c], 10);
                EXPECT_LE(state[17 + c], 13);
            }
        }
        EXPECT_EQ(state[16], -1);
        EXPECT_LT(clues, 16) << seed;
        int cells[16];
        EXPECT_EQ(solutions(state, cells), 1) << seed;
    }
}

TEST_F(Grid0510, TheSolverFindsContradictions)
{
    create(false);
    sc_05_minigame_10* g = script();
    struct Case
    {
        std::vector<std::pair<int, int>> clues; // cell, symbol
        int result;
    };
    const Case cases[] = {
        {{{0, 0}, {1, 0}, {2, 1}}, 0},         // a row of three whose sum leaves no symbol
        {{{0, 3}, {1, 3}, {2, 3}}, 0},         // the same below zero
        {{{0, 0}, {5, 0}}, 0},                 // a repeat in a quarter
        {{{0, 0}, {6, 1}, {9, 1}, {15, 1}}, 0}, // symbol 1 has no place in row 0
        {{{0, 0}, {5, 3}, {10, 3}, {15, 0}}, 1}, // clues of a solution
    };
    for (const Case& c : cases)
    {
        for (int j = 0; j < 17; ++j)
            g->state[j] = -1;
        for (const auto& clue : c.clues)
        {
            g->state[clue.first] = 100 + clue.first;
            g->state[17 + clue.first] = clue.second + 10;
        }
        EXPECT_EQ(g->gen(), c.result) << c.clues.size();
    }
    // What the clues decide gets boxes of its own.
    for (int j = 0; j < 17; ++j)
        g->state[j] = -1;
    for (int c = 0; c < 15; ++c)
    {
        g->state[c] = 100 + c;
        g->state[17 + c] = kSolution[c] + 10;
    }
    EXPECT_EQ(g->gen(), 1);
    EXPECT_EQ(g->state[15], 15);
    EXPECT_EQ(g->state[17 + 15], kSolution[15]);
}

TEST_F(Grid0510, ASavedPuzzleIsKeptAndLaidOutWhenTheFrameStarts)
{
    savedPuzzle({3, 12, 15});
    create(false);
    EXPECT_EQ(saved(3), -1); // not made anew
    EXPECT_FALSE(visible(palette[0]));

    startGame();
    EXPECT_EQ(board->getNode()->getParent(), camera->getNode());
    EXPECT_TRUE(visible(palette[2]));
    EXPECT_EQ(material(palette[2]), "05_06_game_box_02");
    EXPECT_TRUE(visible(boxes[5]));
    EXPECT_EQ(material(boxes[5]), "05_06_game_box_fixed_03");
    EXPECT_EQ(boxes[5]->getNode()->getPosition(), cellPos(5));
    for (int free : {3, 12, 15, 16})
        EXPECT_FALSE(visible(boxes[free])) << free;
    EXPECT_FALSE(visible(highlight));
    EXPECT_TRUE(told("interface").empty()); // no hint unless asked for

    engine.notify(game, 2010);
    engine.frames(2);
    EXPECT_EQ(told("interface"), (Told{"16010"}));
    engine.notify(game, 1300);
    engine.frames(2);
    EXPECT_FALSE(visible(palette[2]));
    EXPECT_EQ(board->getNode()->getParent(), gApp.mSceneMgr->getRootSceneNode());
    EXPECT_EQ(script()->timer, 0);

    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    startGame();
    EXPECT_EQ(told("interface"), (Told{"16010"}));
}

TEST_F(Grid0510, BoxesGoOnFreeCellsOrBackAndTheRightFullGridWins)
{
    savedPuzzle({15});
    create();
    // Onto a clue's cell: back to the palette, and hidden there.
    drag(palette[1], cellPos(0));
    EXPECT_EQ(saved(15), -1);
    settle();
    EXPECT_EQ(script()->state[15], -1);
    EXPECT_FALSE(visible(boxes[15]));
    EXPECT_EQ(boxes[15]->getNode()->getPosition(), palette[1]->getNode()->getPosition());

    // The wrong symbol fills the grid but does not win.
    drag(palette[1], cellPos(15) + vec3(2.0f, -2.0f, 0.0f));
    EXPECT_EQ(script()->state[15], 15);
    EXPECT_EQ(script()->state[17 + 15], 1);
    EXPECT_EQ(material(boxes[15]), "05_06_game_box_01");
    settle();
    EXPECT_EQ(boxes[15]->getNode()->getPosition(), cellPos(15));
    EXPECT_FALSE(tq::ResultDisplay::showing());

    // Taken off the board and dropped beside it: back to the palette.
    drag(boxes[15], vec3(30.0f, 30.0f, 0.0f));
    settle();
    EXPECT_EQ(script()->state[15], -1);
    EXPECT_FALSE(visible(boxes[15]));

    engine.clearLog();
    drag(palette[0], cellPos(15));
    EXPECT_FALSE(tq::ResultDisplay::showing()); // not before the box arrives
    settle();
    EXPECT_TRUE(tq::ResultDisplay::showing());
    EXPECT_NE(engine.log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_EQ(script()->solved, 1);

    // Solved: presses take nothing, focus shows no highlight.
    drag(palette[2], cellPos(15));
    settle();
    EXPECT_EQ(script()->inHand, -1);
    EXPECT_FALSE(visible(boxes[16]));
    EXPECT_FALSE(visible(highlight));

    // The frame's echo, the save and the close.
    // The player's click on the result: the display's echo ends the game,
    // the starter sends the loader back to the menu and closes the game.
    clickResult();
    engine.notify(game, 2000);
    engine.frames(2);
    EXPECT_EQ(told("00_loader"), (Told{"1200 from 00_minigame_starter"}));
    EXPECT_EQ(board->getNode()->getParent(), gApp.mSceneMgr->getRootSceneNode());
    EXPECT_EQ(told("interface"), (Told{"100"}));
    EXPECT_EQ(CVirtualScript::getVarI("5_10_variable_game_end"), 1);
    EXPECT_EQ(saved(15), 15);
    EXPECT_EQ(saved(17 + 15), 0);
}

TEST_F(Grid0510, TheSpareBoxCountsWhenItCompletesTheGrid)
{
    savedPuzzle({15});
    create();
    // The first free box is on its way back when the next is taken: the
    // spare box completes the grid.
    drag(palette[2], cellPos(4));
    drag(palette[0], cellPos(15));
    EXPECT_EQ(script()->state[16], 15);
    EXPECT_EQ(script()->state[15], -1);
    settle();
    EXPECT_TRUE(tq::ResultDisplay::showing());
}

TEST_F(Grid0510, AClickWithoutMovingKeepsTheBoxInHand)
{
    savedPuzzle({14, 15});
    create();
    hover(palette[3]);
    EXPECT_TRUE(visible(highlight));
    EXPECT_EQ(highlight->getNode()->getPosition(), palette[3]->getNode()->getPosition());
    const vec3 at = palette[3]->getNode()->getPosition();
    mouseAt(at, true);
    mouseAt(at, false);
    hover(nullptr);
    EXPECT_EQ(script()->dragState, 1);
    EXPECT_EQ(script()->inHand, 14);
    // The box follows the cursor, a unit in front of the board.
    mouseAt(cellPos(14), false);
    EXPECT_NEAR(boxes[14]->getNode()->getPosition().x, cellPos(14).x, 1e-3f);
    EXPECT_NEAR(boxes[14]->getNode()->getPosition().z, kDepth + 1.0f, 1e-3f);
    // A press there, a move, a release: dropped.
    mouseAt(cellPos(14), true);
    mouseAt(cellPos(14) + vec3(0.5f, 0.0f, 0.0f), true);
    mouseAt(cellPos(14) + vec3(0.5f, 0.0f, 0.0f), false);
    EXPECT_EQ(script()->dragState, 0);
    EXPECT_EQ(script()->state[14], 14);
    EXPECT_EQ(script()->state[17 + 14], 3);
}

TEST_F(Grid0510, CluesStayWhereTheyAre)
{
    savedPuzzle({15});
    create();
    drag(boxes[5], cellPos(15));
    settle();
    EXPECT_EQ(script()->state[5], 105);
    EXPECT_EQ(boxes[5]->getNode()->getPosition(), cellPos(5));
    EXPECT_EQ(script()->state[15], -1);
    EXPECT_FALSE(visible(highlight));
}

TEST_F(Grid0510, PausedTheBoardStandsStill)
{
    savedPuzzle({15});
    create();
    const vec3 at = palette[0]->getNode()->getPosition();
    hover(palette[0]);
    mouseAt(at, true);
    engine.notify(game, 1400);
    engine.frame();
    mouseAt(cellPos(15), true);
    EXPECT_EQ(boxes[15]->getNode()->getPosition().x, at.x);
    engine.notify(game, 1500);
    engine.frame();
    mouseAt(cellPos(15), true);
    EXPECT_NEAR(boxes[15]->getNode()->getPosition().x, cellPos(15).x, 1e-3f);
}

TEST_F(Grid0510, ClosedWithABoxInHandTheGameStartsWithEmptyHands)
{
    savedPuzzle({15});
    create();
    hover(palette[0]);
    mouseAt(palette[0]->getNode()->getPosition(), true);
    hover(nullptr);
    EXPECT_EQ(script()->inHand, 15);
    engine.notify(game, 1300);
    engine.frames(2);
    startGame();
    EXPECT_EQ(script()->dragState, 0);
    EXPECT_EQ(script()->inHand, -1);
    EXPECT_FALSE(visible(boxes[15]));
    // A drop that follows places nothing invisible.
    mouseAt(cellPos(15), true);
    mouseAt(cellPos(15), false);
    EXPECT_EQ(script()->state[15], -1);
}

TEST_F(Grid0510, ADamagedSaveGivesANewPuzzle)
{
    savedPuzzle({15});
    CVirtualScript::setVarI("5_10_variable_4", 37); // no cell
    create(false);
    engine.clearLog();
    startGame();
    EXPECT_NE(engine.log().find("\nWARNING: 05_minigame_10: damaged saved state"), std::string::npos);
    int cells[16];
    EXPECT_EQ(solutions(script()->state, cells), 1);
}
} // namespace
