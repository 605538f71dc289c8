// The sliding-lines picture puzzle on the headless engine: the boards it
// draws, lines of boxes dragged and snapped to whole cells, the spare box
// at the low end of a moving line, the highlight, the win once a move has
// settled, and the state kept across a close and a new start.
#include "06_minigame_13.h"
#include "GameBoardFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
typedef sc_06_minigame_13 Game;
typedef std::array<int, 25> Pictures;

const float kPitch = 8.61325f;
const float kZ = -114.586f;
const char* const kPatterns[5][5] = {
    {"10010", "01001", "10100", "01010", "00100"},
    {"00011", "00110", "01100", "11000", "10001"},
    {"00000", "01111", "01001", "01001", "01111"},
    {"11111", "10001", "10101", "10101", "11101"},
    {"01010", "10001", "00100", "10001", "01010"},
};

std::string boxName(int k)
{
    return tq::indexedName("06_01_game_box_", k);
}

vec3 home(int k)
{
    const int r = k / 5, c = k % 5;
    return vec3(-32.75f + kPitch * c, -7.963f + kPitch * r, kZ);
}

/// The cells of pattern m stamped with row shift u and column shift v.
std::set<int> stamp(int m, int u, int v)
{
    std::set<int> cells;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            if (kPatterns[m][i][j] == '1')
                cells.insert(5 * ((u + i) % 5) + (v + j) % 5);
    return cells;
}

/// Whether some stamp covers every cell of inside and only cells of within.
bool someStamp(const std::set<int>& inside, const std::set<int>& within)
{
    for (int m = 0; m < 5; ++m)
        for (int u = 0; u < 5; ++u)
            for (int v = 0; v < 5; ++v)
            {
                if (m == 3 && (u || v))
                    continue;
                const std::set<int> cells = stamp(m, u, v);
                bool fits = true;
                for (int k : inside)
                    fits = fits && cells.count(k);
                for (int k : cells)
                    fits = fits && within.count(k);
                if (fits)
                    return true;
            }
    return false;
}

/// Row r (or column c) of pictures, turned by n cells towards higher
/// columns (rows).
Pictures turned(Pictures p, bool row, int line, int n)
{
    Pictures q = p;
    for (int j = 0; j < 5; ++j)
    {
        const int from = row ? 5 * line + j : 5 * j + line;
        const int to = row ? 5 * line + (j + n) % 5 : 5 * ((j + n) % 5) + line;
        q[to] = p[from];
    }
    return q;
}

/// Pictures that differ along every row and every column.
Pictures mixed()
{
    Pictures p;
    for (int k = 0; k < 25; ++k)
        p[k] = (k / 5 + k % 5) % 3;
    return p;
}

class SlidingLines : public ::testing::Test
{
protected:
    SlidingLines() : b("06_minigame_13")
    {
        CVirtualScript::randomSeed(13);
        for (int k = 0; k < 25; ++k)
        {
            b.piece(boxName(k), 1);
            b.piece(tq::indexedName("06_01_game_pic_", k), 1);
        }
        b.piece("06_01_game_box_move", 1);
        b.piece("06_01_game_select", 1);
        for (int p = 0; p < 3; ++p)
        {
            tq::Board::material(tq::indexedName("06_01_game_pic_", p));
            tq::Board::material(tq::indexedName("06_01_game_select_", p));
        }
        tq::Board::material("06_01_game_select");
    }

    static void savedBoard(const Pictures& goal, const Pictures& shown, int over = 0)
    {
        for (int i = 0; i < 80; ++i)
        {
            int value = 0;
            if (i < 25)
                value = goal[i];
            else if (i >= 40 && i < 65)
                value = shown[i - 40];
            CVirtualScript::setVarI(CVirtualScript::makeGameArrayKey(6, 13, i), value);
        }
        CVirtualScript::setVarI("6_13_variable_game_end", over);
    }

    Game* start()
    {
        if (!b.gameObject)
            b.addGame();
        b.engine->notify(b.gameObject, 1200, gApp.findObject("00_minigame_starter"));
        b.engine->frames(2);
        return tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
    }

    /// The cursor onto box k and the button down there.
    void press(int k)
    {
        b.engine->notify(b.gameObject, 10000 + k);
        tq::Board::cursorAt(home(k), true);
        b.engine->frame();
    }

    void cursor(const vec3& at, bool down)
    {
        tq::Board::cursorAt(at, down);
        b.engine->frame();
    }

    /// Box k taken, moved by (dx, dy) in two steps, let go, settled.
    void drag(int k, float dx, float dy)
    {
        press(k);
        cursor(home(k) + vec3(dx, dy, 0) * 0.1f, true);
        cursor(home(k) + vec3(dx, dy, 0), true);
        cursor(home(k) + vec3(dx, dy, 0), false);
        b.engine->notify(b.gameObject, 20000 + k);
        b.engine->frames(20);
    }

    static Pictures shown(const Game* game)
    {
        Pictures p;
        for (int k = 0; k < 25; ++k)
            p[k] = game->saved[40 + k];
        return p;
    }

    /// Every box at home, showing the picture its saved value names.
    static void expectBoard(const Game* game)
    {
        for (int k = 0; k < 25; ++k)
        {
            EXPECT_EQ(tq::Board::materialOf(boxName(k), 0), tq::indexedName("06_01_game_pic_", game->saved[40 + k])) << k;
            const vec3 at = gApp.findObject(boxName(k))->getNode()->getPosition();
            EXPECT_LT(at.distance(home(k)), 1e-3f) << k;
        }
    }

    tq::Board b;
};

TEST_F(SlidingLines, NewBoardsStampTwoWrappedPatternsAndShuffleThemOntoTheBoxes)
{
    b.addGame();
    Game* game = tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
    EXPECT_TRUE(CVirtualScript::isGameEndSet(6, 13));
    for (int round = 0; round < 40; ++round)
    {
        if (round > 0)
            game->genData();
        std::set<int> ones, twos, stamped;
        std::multiset<int> goal, boxes;
        for (int k = 0; k < 25; ++k)
        {
            (game->saved[k] == 1 ? ones : game->saved[k] == 2 ? twos : stamped).insert(k);
            goal.insert(game->saved[k]);
            boxes.insert(game->saved[40 + k]);
        }
        stamped = ones;
        stamped.insert(twos.begin(), twos.end());
        EXPECT_TRUE(someStamp(twos, twos)) << round;
        // Picture 2 is stamped over picture 1.
        EXPECT_TRUE(someStamp(ones, stamped)) << round;
        EXPECT_EQ(goal, boxes);
        for (int i = 25; i < 40; ++i)
            ASSERT_EQ(game->saved[i] + game->saved[i + 40], 0) << i;
        EXPECT_EQ(CVirtualScript::getVarI("6_13_variable_52"), game->saved[52]);
    }
}

TEST_F(SlidingLines, AStartShowsGoalAndBoxesAndACloseSavesAndPutsTheBoardAway)
{
    Pictures goal = mixed();
    goal[3] = 2;
    savedBoard(goal, mixed());
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    Game* game = start();
    EXPECT_EQ(notes("interface"), Calls{note(16013, nullptr)});
    EXPECT_EQ(b.board->getNode()->getParent(), b.camera->getNode());
    expectBoard(game);
    EXPECT_EQ(tq::Board::materialOf("06_01_game_pic_03", 0), "06_01_game_pic_02");
    const vec3 cell = gApp.findObject("06_01_game_pic_24")->getNode()->getPosition();
    EXPECT_LT(cell.distance(vec3(45.074f, 27.537f, kZ)), 1e-3f);
    EXPECT_FALSE(tq::Board::visible("06_01_game_box_move"));
    EXPECT_FALSE(tq::Board::visible("06_01_game_select"));

    drag(7, kPitch, 0);
    b.engine->notify(b.gameObject, 1300);
    b.engine->frames(2);
    EXPECT_FALSE(tq::Board::visible(boxName(0)));
    EXPECT_NE(b.board->getNode()->getParent(), b.camera->getNode());
    EXPECT_EQ(CVirtualScript::getVarI("6_13_variable_45"), turned(mixed(), true, 1, 1)[5]);
    EXPECT_EQ(CVirtualScript::getVarI("6_13_variable_3"), 2);
    EXPECT_EQ(CVirtualScript::getVarI("6_13_variable_game_end"), 0);
}

TEST_F(SlidingLines, DraggedLinesMoveTheirPicturesByTheWholeCellsNearestTheDrag)
{
    struct Case
    {
        const char* what;
        int box;
        float dx, dy; // in pitches
        bool row;
        int turn;
    } cases[] = {
        {"a row one cell right", 7, 1.0f, 0.1f, true, 1},
        {"a row two cells left", 7, -2.2f, 0.0f, true, 3},
        {"a row a little past half a cell", 22, 0.6f, 0.0f, true, 1},
        {"a row under half a cell", 22, 0.4f, 0.0f, true, 0},
        {"a row a whole line", 10, 5.0f, 0.0f, true, 0},
        {"a column one cell up", 13, 0.0f, 1.0f, false, 1},
        {"a column three cells down", 13, 0.2f, -3.0f, false, 2},
        {"a column further than a line up", 4, 0.0f, 6.1f, false, 1},
    };
    Pictures goal;
    goal.fill(0);
    savedBoard(goal, mixed());
    Game* game = start();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        const Pictures before = shown(game);
        drag(c.box, c.dx * kPitch, c.dy * kPitch);
        const int line = c.row ? c.box / 5 : c.box % 5;
        EXPECT_EQ(shown(game), turned(before, c.row, line, c.turn));
        EXPECT_EQ(game->direction, 0);
        EXPECT_FALSE(tq::Board::visible("06_01_game_box_move"));
        expectBoard(game);
    }
    EXPECT_EQ(game->won, 0);
}

TEST_F(SlidingLines, TheSpareBoxShowsTheBoxThatComesInAtTheLowEnd)
{
    Pictures goal;
    goal.fill(0);
    savedBoard(goal, mixed());
    Game* game = start();
    press(6);
    EXPECT_EQ(tq::Board::materialOf("06_01_game_select", 0), tq::indexedName("06_01_game_select_", mixed()[6]));
    cursor(home(6) + vec3(1.0f, 0, 0), true);
    cursor(home(6) + vec3(kPitch / 2, 0, 0), true);
    // Row 1 is half a cell to the right; column 4's picture waits at the left.
    for (int c = 0; c < 5; ++c)
    {
        const vec3 at = gApp.findObject(boxName(5 + c))->getNode()->getPosition();
        EXPECT_NEAR(at.x, home(5 + c).x + kPitch / 2, 1e-2f) << c;
    }
    const vec3 spare = gApp.findObject("06_01_game_box_move")->getNode()->getPosition();
    EXPECT_NEAR(spare.x, home(5).x - kPitch / 2, 1e-2f);
    EXPECT_NEAR(spare.y, home(5).y, 1e-3f);
    EXPECT_TRUE(tq::Board::visible("06_01_game_box_move"));
    EXPECT_EQ(tq::Board::materialOf("06_01_game_box_move", 0), tq::indexedName("06_01_game_pic_", mixed()[9]));
    // The highlight rides on the held box.
    const vec3 light = gApp.findObject("06_01_game_select")->getNode()->getPosition();
    EXPECT_LT(light.distance(gApp.findObject(boxName(6))->getNode()->getPosition()), 1e-3f);

    // Past the end, the right-most box comes in at the left.
    cursor(home(6) + vec3(1.6f * kPitch, 0, 0), true);
    EXPECT_NEAR(gApp.findObject(boxName(9))->getNode()->getPosition().x, home(5).x + 0.6f * kPitch, 1e-2f);
    EXPECT_EQ(tq::Board::materialOf("06_01_game_box_move", 0), tq::indexedName("06_01_game_pic_", mixed()[8]));
    cursor(home(6) + vec3(1.6f * kPitch, 0, 0), false);
    // Let go past one and a half cells: two cells, and the highlight follows its box.
    b.engine->frames(20);
    EXPECT_EQ(shown(game), turned(mixed(), true, 1, 2));
    EXPECT_EQ(game->highlighted, 8);
}

TEST_F(SlidingLines, APressWithoutAMoveKeepsTheBoxHeldAndPressesWhileSettlingDoNothing)
{
    Pictures goal;
    goal.fill(0);
    savedBoard(goal, mixed());
    Game* game = start();
    press(7);
    cursor(home(7), false);
    EXPECT_EQ(game->pointer.dragState, 1);
    EXPECT_TRUE(tq::Board::visible("06_01_game_box_move"));
    // Another box pressed: still box 7, measured from its press point.
    b.engine->notify(b.gameObject, 20000 + 7);
    press(18);
    EXPECT_EQ(game->heldRow, 1);
    EXPECT_EQ(game->heldColumn, 2);
    cursor(home(7) + vec3(0, 0.5f, 0), true);
    cursor(home(7) + vec3(0, kPitch, 0), true);
    cursor(home(7) + vec3(0, kPitch, 0), false);
    EXPECT_EQ(shown(game), turned(mixed(), false, 2, 1));

    // Still settling: a press on another box takes nothing.
    press(0);
    EXPECT_EQ(game->pointer.dragState, 0);
    cursor(home(0), false);
    b.engine->frames(20);
    press(0);
    EXPECT_EQ(game->pointer.dragState, 1);
}

TEST_F(SlidingLines, TheDirectionTurnsOnlyEarlyAndTheLineLeftGoesHome)
{
    Pictures goal;
    goal.fill(0);
    savedBoard(goal, mixed());
    Game* game = start();
    press(12);
    cursor(home(12) + vec3(1.0f, 0.2f, 0), true);
    EXPECT_EQ(game->direction, Game::kRow);
    // Sideways by less than a quarter cell, up by more: the column moves.
    cursor(home(12) + vec3(1.0f, 3.0f, 0), true);
    EXPECT_EQ(game->direction, Game::kColumn);
    EXPECT_LT(gApp.findObject(boxName(14))->getNode()->getPosition().distance(home(14)), 1e-3f);
    EXPECT_NEAR(gApp.findObject(boxName(2))->getNode()->getPosition().y, home(2).y + 3.0f, 1e-2f);
    // Past half a cell the direction holds, whatever the cursor does.
    cursor(home(12) + vec3(0.0f, 5.0f, 0), true);
    cursor(home(12) + vec3(8.0f, 0.0f, 0), true);
    EXPECT_EQ(game->direction, Game::kColumn);
    cursor(home(12) + vec3(8.0f, kPitch, 0), true);
    cursor(home(12) + vec3(8.0f, kPitch, 0), false);
    b.engine->frames(20);
    EXPECT_EQ(shown(game), turned(mixed(), false, 2, 1));
}

TEST_F(SlidingLines, TheWinComesOnceAMoveHasSettledAndEndsTheGame)
{
    struct Case
    {
        const char* what;
        Pictures boxes;
        float dx;
    } cases[] = {
        {"the last row put right", turned(mixed(), true, 4, 4), kPitch},
        {"a solved board moved a little", mixed(), 1.0f},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        tq::Board::mouse(0.5f, 0.5f, false);
        b.engine->clearLog();
        Calls interf = notes("00_minigame_interf");
        Calls starter = notes("00_minigame_starter");
        savedBoard(mixed(), c.boxes);
        Game* game = start();
        press(21);
        cursor(home(21) + vec3(c.dx / 4, 0, 0), true);
        cursor(home(21) + vec3(c.dx, 0, 0), true);
        cursor(home(21) + vec3(c.dx, 0, 0), false);
        EXPECT_EQ(game->won, 0);
        EXPECT_EQ(notes("00_minigame_interf"), interf);
        b.engine->frames(20);
        EXPECT_EQ(game->won, 1);
        EXPECT_NE(b.engine->log().find("\nYOU WIN !!!"), std::string::npos);
        interf.push_back(note(1100, b.gameObject));
        EXPECT_EQ(notes("00_minigame_interf"), interf);
        EXPECT_FALSE(tq::Board::visible("06_01_game_select"));

        // Nothing moves any more.
        press(3);
        cursor(home(3) + vec3(kPitch, 0, 0), true);
        EXPECT_EQ(game->pointer.dragState, 0);
        EXPECT_LT(gApp.findObject(boxName(3))->getNode()->getPosition().distance(home(3)), 1e-3f);
        cursor(home(3) + vec3(kPitch, 0, 0), false);

        b.engine->notify(b.gameObject, 1100);
        b.engine->notify(b.gameObject, 1300);
        b.engine->frames(2);
        starter.push_back(note(1200, b.gameObject));
        EXPECT_EQ(notes("00_minigame_starter"), starter);
        EXPECT_EQ(CVirtualScript::getVarI("6_13_variable_game_end"), 1);
        // The next start shows the solved board and takes no press.
        start();
        expectBoard(game);
        EXPECT_EQ(shown(game), mixed());
        press(3);
        EXPECT_EQ(game->pointer.dragState, 0);
        b.engine->notify(b.gameObject, 1300);
        b.engine->frames(2);
    }
}

TEST_F(SlidingLines, ADamagedSavedBoardIsReplacedByANewOne)
{
    Pictures goal = mixed();
    goal[4] = 7;
    savedBoard(goal, mixed());
    Game* game = start();
    EXPECT_NE(b.engine->log().find("WARNING: saved state 6_13 of the mini-game is damaged"), std::string::npos);
    for (int k = 0; k < 25; ++k)
    {
        ASSERT_GE(game->saved[k], 0);
        ASSERT_LT(game->saved[k], 3);
    }
    expectBoard(game);
    EXPECT_EQ(CVirtualScript::getVarI("6_13_variable_4"), game->saved[4]);
}
} // namespace
