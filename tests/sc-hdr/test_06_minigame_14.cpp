// Figures on a graph on the headless engine: the boards it draws, figures
// dragged onto nodes that accept them or set aside on the strips, free
// figures pushed apart, the background's pulse, and the win once every
// figure has come to rest on a node.
#include "06_minigame_14.h"
#include "GameBoardFixture.h"
#include "ScriptObject.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
typedef sc_06_minigame_14 Game;

const float kZ = -113.873f;
const int kLines[14][2] = {{0, 5}, {0, 3}, {1, 3}, {1, 4}, {2, 4}, {3, 5}, {4, 6},
                           {5, 7}, {4, 7}, {3, 8}, {6, 8}, {7, 9}, {8, 9}, {2, 6}};

std::string figureName(int shape, int copy)
{
    return tq::indexedName(tq::indexedName("06_04_game_figure_", shape) + "_", copy);
}

/// Node n in the middle of the board, between the strips.
vec3 nodeAt(int n)
{
    return vec3(-20.0f + 10.0f * (n % 5), -10.0f + 15.0f * (n / 5), kZ);
}

bool eq(int a, int b)
{
    return a / 3 == b / 3 || a % 3 == b % 3;
}

struct Figure
{
    int column, row, picture, node;
};

class GraphFigures : public ::testing::Test
{
protected:
    GraphFigures() : b("06_minigame_14")
    {
        CVirtualScript::randomSeed(14);
        for (int n = 0; n < 10; ++n)
            b.piece(tq::indexedName("06_04_game_node_", n), 1, nodeAt(n));
        for (int s = 0; s < 3; ++s)
            for (int k = 0; k < 8; ++k)
            {
                CObject* figure = b.engine->addRecorder(figureName(s, k), b.board->getNode());
                figure->mEntity = gApp.mSceneMgr->createEntity(figureName(s, k), "1parts.mesh");
                figure->getNode()->attachObject(figure->mEntity);
            }
        b.piece("06_04_game_select", 1);
        for (int p = 0; p < 9; ++p)
            tq::Board::material(tq::indexedName("06_04_game_figure_", p));
        for (int k = 0; k < 3; ++k)
            tq::Board::material(tq::indexedName("06_04_game_select_", k));
        tq::Board::material("06_04_game_select");
        tq::Board::material("06_04_game_fon", 2);
    }

    /// Ten figures of colour 0 (any placement is legal) at homes down
    /// column 0 and 3, none on a node, unless told otherwise.
    static std::array<Figure, 10> plain()
    {
        std::array<Figure, 10> f;
        for (int i = 0; i < 10; ++i)
            f[i] = Figure{i < 5 ? 0 : 3, 2 * (i % 5), i % 3, -1};
        return f;
    }

    static void savedFigures(const std::array<Figure, 10>& f, int over = 0)
    {
        for (int i = 0; i < 10; ++i)
        {
            const int values[4] = {f[i].column, f[i].row, f[i].picture, f[i].node};
            for (int k = 0; k < 4; ++k)
                CVirtualScript::setVarI(CVirtualScript::makeGameArrayKey(6, 14, 4 * i + k), values[k]);
        }
        CVirtualScript::setVarI("6_14_variable_game_end", over);
    }

    Game* start()
    {
        if (!b.gameObject)
            b.addGame();
        b.engine->notify(b.gameObject, 1200, gApp.findObject("00_minigame_starter"));
        b.engine->frames(2);
        return tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
    }

    void cursor(const vec3& at, bool down)
    {
        tq::Board::cursorAt(at, down);
        b.engine->frame();
    }

    /// Figure i taken where it stands, dragged to point and let go there.
    void drag(Game* game, int i, const vec3& point, int settle = 30)
    {
        const vec3 from = game->figures[i].current;
        b.engine->notify(b.gameObject, 10000 + i);
        cursor(from, true);
        b.engine->notify(b.gameObject, 20000 + i);
        cursor(from + (point - from) * 0.2f, true);
        cursor(point, true);
        cursor(point, false);
        b.engine->frames(settle);
    }

    static vec3 shown(const Game* game, int i)
    {
        return ScriptObject::of(game->figures[i].object)->getNode()->getPosition();
    }

    tq::Board b;
};

TEST_F(GraphFigures, NewBoardsHaveFreeDistinctHomesAndASolutionFigureByNode)
{
    b.addGame();
    Game* game = tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
    EXPECT_TRUE(CVirtualScript::isGameEndSet(6, 14));
    const std::set<std::pair<int, int>> blocked = {{2, 2}, {2, 5}, {2, 6}, {3, 1}, {3, 4}, {3, 7}};
    for (int round = 0; round < 60; ++round)
    {
        if (round > 0)
            game->genData();
        std::set<std::pair<int, int>> homes;
        int perShape[3] = {};
        for (int i = 0; i < 10; ++i)
        {
            const std::pair<int, int> home(game->saved[4 * i], game->saved[4 * i + 1]);
            ASSERT_TRUE(home.first >= 0 && home.first < 6 && home.second >= 0 && home.second < 10);
            EXPECT_FALSE(blocked.count(home));
            EXPECT_TRUE(homes.insert(home).second);
            ASSERT_GE(game->saved[4 * i + 2], 0);
            ASSERT_LE(game->saved[4 * i + 2], 8);
            ++perShape[game->saved[4 * i + 2] % 3];
            EXPECT_EQ(game->saved[4 * i + 3], -1);
        }
        for (int n : perShape)
            EXPECT_LE(n, 6);
        for (int i = 0; i < 3; ++i)
            for (int j = i + 1; j < 3; ++j)
            {
                EXPECT_NE(game->saved[4 * i + 2] / 3, game->saved[4 * j + 2] / 3);
                EXPECT_NE(game->saved[4 * i + 2] % 3, game->saved[4 * j + 2] % 3);
            }
        for (const int* line : kLines)
            EXPECT_TRUE(eq(game->saved[4 * line[0] + 2], game->saved[4 * line[1] + 2])) << round;
        EXPECT_EQ(CVirtualScript::getVarI("6_14_variable_18"), game->saved[18]);
    }
}

TEST_F(GraphFigures, AStartDressesTheFiguresAtHomeOrOnTheirNodes)
{
    std::array<Figure, 10> f = plain();
    f[0] = Figure{5, 9, 4, -1};
    f[7].node = 2;
    savedFigures(f);
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    Game* game = start();
    EXPECT_EQ(notes("interface"), Calls{note(16014, nullptr)});
    EXPECT_EQ(b.board->getNode()->getParent(), b.camera->getNode());
    // Figure 0 has shape 1: the first copy of shape 1; figure 1 the second.
    EXPECT_EQ(ScriptObject::nodeName(game->figures[0].object), figureName(1, 0));
    EXPECT_EQ(ScriptObject::nodeName(game->figures[1].object), figureName(1, 1));
    EXPECT_EQ(ScriptObject::nodeName(game->figures[6].object), figureName(0, 1));
    EXPECT_EQ(notes(figureName(1, 1)), Calls{note(1, nullptr)});
    EXPECT_TRUE(tq::Board::visible(figureName(1, 1)));
    EXPECT_FALSE(tq::Board::visible(figureName(1, 5)));
    EXPECT_EQ(tq::Board::materialOf(figureName(1, 0), 0), "06_04_game_figure_04");
    EXPECT_LT(shown(game, 0).distance(vec3(46.071f, 36.207f, kZ)), 1e-2f);
    EXPECT_LT(shown(game, 1).distance(vec3(-44.442f, -28.272f + 2 * (4.0232643f + 3.1413f), kZ)), 1e-2f);
    EXPECT_LT(shown(game, 7).distance(nodeAt(2)), 1e-3f);
    EXPECT_EQ(game->figures[2].occupied, 1);
    EXPECT_FLOAT_EQ(tq::Board::grey("06_04_game_fon", 1), 0.0f);
}

TEST_F(GraphFigures, ANodeTakesAFigureOnlyWhenFreeAndMatchingEveryJoinedFigure)
{
    struct Case
    {
        const char* what;
        int node;   // where figure 9 (picture 4: shape 1, colour 1) is dropped
        bool takes;
    } cases[] = {
        {"beside a figure of its colour", 6, true},     // 6 is joined to 4 and 8
        {"beside a figure of neither kind", 0, false},  // 0 is joined to 5 and 3
        {"an occupied node", 5, false},
        {"beside empty nodes only", 9, true},           // 9 is joined to 7 and 8
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::array<Figure, 10> f = plain();
        f[9].picture = 4;
        f[0] = Figure{0, 0, 2, 5};  // shape 2, colour 0
        f[1] = Figure{0, 2, 5, 4};  // shape 2, colour 1
        savedFigures(f);
        Game* game = start();
        drag(game, 9, nodeAt(c.node) + vec3(1.5f, -1.5f, 0));
        if (c.takes)
        {
            EXPECT_EQ(game->saved[39], c.node);
            EXPECT_LT(shown(game, 9).distance(nodeAt(c.node)), 1e-3f);
            EXPECT_EQ(game->figures[c.node].nodePicture, 4);
            EXPECT_EQ(game->pulse, 1);
        }
        else
        {
            EXPECT_EQ(game->saved[39], -1);
            // Set aside on the inner edge of the strip on its side.
            EXPECT_NEAR(shown(game, 9).x, nodeAt(c.node).x > 0 ? 29.392f : -28.95f, 0.5f);
            EXPECT_EQ(game->pulse, 0);
        }
        b.engine->notify(b.gameObject, 1300);
        b.engine->frames(2);
    }
}

TEST_F(GraphFigures, FiguresSetAsideArePushedApartAndKeptOnTheStrips)
{
    savedFigures(plain());
    Game* game = start();
    drag(game, 2, vec3(-5.0f, 50.0f, kZ));
    drag(game, 3, vec3(-5.5f, 49.0f, kZ));
    for (int i : {2, 3})
    {
        EXPECT_LE(shown(game, i).x, -28.95f);
        EXPECT_GE(shown(game, i).x, -44.442f);
        EXPECT_LE(shown(game, i).y, 36.213f);
    }
    const vec3 d = shown(game, 2) - shown(game, 3);
    EXPECT_TRUE(std::fabs(d.x) >= 4.0f || std::fabs(d.y) >= 4.0f) << d;
    // A figure put down far right stays within the right strip.
    drag(game, 4, vec3(60.0f, -40.0f, kZ));
    EXPECT_LE(shown(game, 4).x, 46.071f);
    EXPECT_GE(shown(game, 4).y, -28.272f);
}

TEST_F(GraphFigures, TakingAFigureOffANodeFreesItAtOnce)
{
    std::array<Figure, 10> f = plain();
    f[0] = Figure{0, 0, 2, 5};  // shape 2, colour 0, on node 5
    f[9].picture = 4;           // shape 1, colour 1
    savedFigures(f);
    Game* game = start();
    b.engine->notify(b.gameObject, 10000);
    cursor(nodeAt(5), true);
    EXPECT_EQ(game->figures[5].occupied, 0);
    EXPECT_EQ(game->saved[3], -1);
    b.engine->notify(b.gameObject, 20000);
    cursor(nodeAt(5) + vec3(0, 1, 0), true);
    cursor(vec3(-40.0f, 0.0f, kZ), true);
    cursor(vec3(-40.0f, 0.0f, kZ), false);
    b.engine->frames(30);
    // Node 0 no longer sees a figure of neither kind.
    drag(game, 9, nodeAt(0));
    EXPECT_EQ(game->saved[39], 0);
}

TEST_F(GraphFigures, TheWinWaitsForTheLastFigureToArriveAndLightsTheBackground)
{
    std::array<Figure, 10> f = plain();
    for (int i = 0; i < 9; ++i)
        f[i].node = i;
    savedFigures(f);
    Game* game = start();
    EXPECT_EQ(game->won, 0);
    drag(game, 9, nodeAt(9), 0);
    EXPECT_EQ(game->won, 0);
    b.engine->frames(30);
    EXPECT_EQ(game->won, 1);
    EXPECT_NE(b.engine->log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, b.gameObject)});
    b.engine->frames(400, 0.05f);
    EXPECT_FLOAT_EQ(tq::Board::grey("06_04_game_fon", 1), 1.0f);
    // Presses are ignored after the win.
    b.engine->notify(b.gameObject, 10000 + 3);
    cursor(nodeAt(3), true);
    EXPECT_EQ(game->selected, -1);
    b.engine->notify(b.gameObject, 1300);
    b.engine->frames(2);
    EXPECT_EQ(CVirtualScript::getVarI("6_14_variable_game_end"), 1);
    EXPECT_EQ(CVirtualScript::getVarI("6_14_variable_39"), 9);
}

TEST_F(GraphFigures, APlacementPulsesTheBackgroundOnce)
{
    savedFigures(plain());
    Game* game = start();
    drag(game, 0, nodeAt(0), 0);
    b.engine->frames(62, 0.016f); // about a second: the peak
    EXPECT_GT(tq::Board::grey("06_04_game_fon", 1), 0.9f);
    b.engine->frames(80, 0.016f);
    EXPECT_EQ(game->pulse, 0);
    EXPECT_FLOAT_EQ(tq::Board::grey("06_04_game_fon", 1), 0.0f);
}

TEST_F(GraphFigures, ADamagedSavedBoardIsReplacedByANewOne)
{
    std::array<Figure, 10> f = plain();
    f[2].node = 4;
    f[6].node = 4; // two figures on one node
    savedFigures(f);
    Game* game = start();
    EXPECT_NE(b.engine->log().find("WARNING: saved state 6_14 of the mini-game is damaged"), std::string::npos);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(game->saved[4 * i + 3], -1);
}
} // namespace
