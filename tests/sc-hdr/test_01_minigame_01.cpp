// The node-and-line board on the headless engine: fresh boards, the ladders
// that carry the symbols to the top, links drawn by dragging and by two
// clicks, links taken apart, drops refused, the flash of a new match, the
// win, the focus light, pause, and a damaged saved board.
#include "00_interface.h"
#include "01_minigame_01.h"
#include "PuzzleBoardFixture.h"

#include <OgreTextureUnitState.h>

#include <algorithm>
#include <gtest/gtest.h>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
using tq::RecordingScript;

const float kDepth = 166.49f;

vec3 upNode(int i)
{
    return vec3(-45.0f + 10.0f * i, 20.0f, -kDepth);
}
vec3 downNode(int i)
{
    return vec3(-45.0f + 10.0f * i, -20.0f, -kDepth);
}
const vec3 kEmpty(0.0f, 0.0f, -kDepth);

std::string twoDigits(const std::string& prefix, int n)
{
    return prefix + (n < 10 ? "0" : "") + std::to_string(n);
}

class Board : public ::testing::Test, public tq::PuzzleBoardFixture
{
protected:
    void SetUp() override
    {
        for (int i = 0; i < 10; ++i)
        {
            material(twoDigits("01_01_game_line_", i), 2);
            material(twoDigits("01_01_game_connect_", i));
        }
        for (const char* m : {"01_01_game_flash_00", "01_01_game_flash_01", "01_01_game_light",
                              "01_01_game_box_cross1", "01_01_game_box_cross2", "01_01_game_box_nocross"})
            material(m);
    }

    /// A saved board: every box straight but those given, the bottom
    /// symbols 0..9 in order, the top ones as given, the links as given.
    static void saveBoard(const std::vector<int>& crossing, const std::vector<int>& top,
                          const std::vector<int>& links, int solved = 0)
    {
        int state[90] = {};
        for (int k : crossing)
            state[k] = 1;
        for (int i = 0; i < 10; ++i)
        {
            state[60 + i] = top[i];
            state[70 + i] = i;
            state[80 + i] = links[i];
        }
        CVirtualScript::saveGameArray(90, 1, 1, state, &solved);
    }

    static std::vector<int> identity() { return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}; }
    static std::vector<int> noLinks() { return std::vector<int>(10, -1); }

    void load()
    {
        std::vector<Piece> pieces;
        for (int i = 0; i < 10; ++i)
        {
            pieces.push_back({twoDigits("01_01_game_up_node_", i), upNode(i)});
            pieces.push_back({twoDigits("01_01_game_down_node_", i), downNode(i)});
            pieces.push_back({twoDigits("01_01_game_up_connect_", i), upNode(i) + vec3(0, 10, 0)});
            pieces.push_back({twoDigits("01_01_game_down_connect_", i), downNode(i) - vec3(0, 10, 0)});
            pieces.push_back({twoDigits("01_01_game_line_", i), vec3::ZERO});
        }
        for (int k = 0; k < 61; ++k)
            if (k < 28 || k > 32)
                pieces.push_back({twoDigits("01_01_game_box_", k), vec3::ZERO});
        pieces.push_back({"01_01_game_flash_00", vec3::ZERO});
        pieces.push_back({"01_01_game_flash_01", vec3::ZERO});
        pieces.push_back({"01_01_game_light", vec3::ZERO});
        self = loadBoard("01_minigame_01", pieces);
        script = tq::HeadlessEngine::scriptOf<sc_01_minigame_01>(self);
        ASSERT_NE(script, nullptr);
    }

    void start()
    {
        engine->notify(self, 1200);
        ticks(2);
        RecordingScript::calls().clear();
    }

    /// Press at from, move there with the button held, release.
    void dragLine(const vec3& from, const vec3& to)
    {
        aim(from, true);
        tick();
        aim(to, true);
        tick();
        aim(to, false);
        tick();
    }

    static bool lineShown(int i) { return shown(twoDigits("01_01_game_line_", i)); }
    static int var(int i) { return CVirtualScript::getVarI(CVirtualScript::makeGameArrayKey(1, 1, i)); }

    CObject* self = nullptr;
    sc_01_minigame_01* script = nullptr;
};

TEST_F(Board, AFreshBoardHasRandomLaddersTwoSymbolRowsAndNoLinks)
{
    CVirtualScript::randomSeed(3);
    load();
    ASSERT_TRUE(CVirtualScript::isGameEndSet(1, 1));
    int crossings = 0;
    for (int i = 0; i < 60; ++i)
    {
        const bool box = (i >= 6 && i <= 10) || (i >= 12 && i <= 15) || (i >= 17 && i <= 21) ||
                         (i >= 39 && i <= 43) || (i >= 45 && i <= 48) || (i >= 50 && i <= 54);
        if (box)
        {
            EXPECT_TRUE(var(i) == 0 || var(i) == 1) << i;
            crossings += var(i);
        }
        else
            EXPECT_EQ(var(i), 0) << i;
    }
    EXPECT_GT(crossings, 0);
    EXPECT_LT(crossings, 28);
    for (int row : {60, 70})
    {
        std::vector<int> symbols;
        for (int i = 0; i < 10; ++i)
            symbols.push_back(var(row + i));
        std::sort(symbols.begin(), symbols.end());
        EXPECT_EQ(symbols, identity()) << row;
    }
    for (int i = 80; i < 90; ++i)
        EXPECT_EQ(var(i), -1);
    EXPECT_FALSE(shown("01_01_game_up_node_00"));
    EXPECT_NEAR(unit("01_01_game_box_cross2")->getTextureRotate().valueDegrees(), -90.0f, 1e-3f);

    // The boxes and connectors show the board.
    start();
    EXPECT_TRUE(shown("01_01_game_up_node_00"));
    for (int k : {6, 12, 21, 39, 47, 54})
    {
        const char* crossing = (k >= 12 && k <= 15) || (k >= 45 && k <= 48) ? "01_01_game_box_cross2"
                                                                               : "01_01_game_box_cross1";
        EXPECT_EQ(materialOf(twoDigits("01_01_game_box_", k)), var(k) ? crossing : "01_01_game_box_nocross") << k;
    }
    EXPECT_EQ(materialOf("01_01_game_up_connect_04"), twoDigits("01_01_game_connect_", var(64)));
    EXPECT_EQ(materialOf("01_01_game_down_connect_07"), twoDigits("01_01_game_connect_", var(77)));
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(lineShown(i)) << i;
}

TEST_F(Board, EachBoxCrossesItsPairOfLines)
{
    // The bottom symbols are 0..9 in order, the top ones too: with one
    // crossing box the links must cross the same pair to solve the board.
    struct Case
    {
        int box;
        int a, b; ///< the pair of positions the box crosses
    } cases[] = {{6, 0, 1}, {10, 8, 9}, {12, 1, 2}, {15, 7, 8}, {17, 0, 1}, {21, 8, 9},
                 {39, 0, 1}, {43, 8, 9}, {45, 1, 2}, {48, 7, 8}, {50, 0, 1}, {54, 8, 9}};
    saveBoard({}, identity(), noLinks());
    load();
    start();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.box);
        for (int i = 0; i < 90; ++i)
            if (i < 60)
                script->state[i] = 0;
        script->state[c.box] = 1;
        for (int i = 0; i < 10; ++i)
            script->state[80 + i] = i;
        script->solved = 0;
        script->check();
        EXPECT_EQ(script->matchCount, 8);
        std::swap(script->state[80 + c.a], script->state[80 + c.b]);
        script->check();
        EXPECT_EQ(script->matchCount, 10);
        EXPECT_EQ(script->solved, 1);
    }
    // Lower and upper ladder together: the crossings cancel.
    for (int i = 0; i < 60; ++i)
        script->state[i] = 0;
    script->state[6] = script->state[39] = 1;
    for (int i = 0; i < 10; ++i)
        script->state[80 + i] = i;
    script->check();
    EXPECT_EQ(script->matchCount, 10);
}

TEST_F(Board, ADraggedLineLinksAnUpperToALowerNode)
{
    saveBoard({}, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, noLinks());
    load();
    start();
    engine->clearLog();
    dragLine(upNode(0), downNode(3));
    EXPECT_EQ(script->state[80], 3);
    EXPECT_EQ(script->upNodes[0].linked, 1);
    EXPECT_EQ(script->downNodes[3].linked, 1);
    EXPECT_EQ(script->drag.state, 0);
    EXPECT_TRUE(lineShown(1));
    EXPECT_FALSE(lineShown(0));
    EXPECT_EQ(script->lines[1].upNode, 0);
    // The line's texture keeps its size: 20 and 10 units along the line.
    EXPECT_NEAR(unit("01_01_game_line_01", 0)->getTextureUScale(), 20.0f / 50.0f, 1e-4f);
    EXPECT_NEAR(unit("01_01_game_line_01", 1)->getTextureUScale(), 10.0f / 50.0f, 1e-4f);
    // From the lower end to the upper one also links.
    dragLine(downNode(5), upNode(4));
    EXPECT_EQ(script->state[84], 5);
    EXPECT_TRUE(lineShown(2));
    engine->notify(self, 2000);
    ticks(2);
    EXPECT_EQ(var(80), 3);
    EXPECT_EQ(var(84), 5);
}

TEST_F(Board, TwoClicksCarryTheRubberBandToTheOtherNode)
{
    saveBoard({}, identity(), noLinks());
    load();
    start();
    aim(upNode(2), true);
    tick();
    aim(upNode(2), false);
    tick();
    EXPECT_EQ(script->drag.state, 1);
    EXPECT_EQ(script->selectedKind, 0);
    EXPECT_EQ(script->selectedIndex, 2);
    EXPECT_TRUE(lineShown(0));
    EXPECT_EQ(script->lines[0].upNode, -1);
    aim(downNode(6), false);
    tick();
    EXPECT_EQ(script->drag.state, 1);
    aim(downNode(6), true);
    tick();
    EXPECT_EQ(script->drag.state, 2);
    aim(downNode(6), false);
    tick();
    EXPECT_EQ(script->state[82], 6);
    EXPECT_FALSE(lineShown(0));
}

TEST_F(Board, DropsThatMakeNoLink)
{
    saveBoard({}, identity(), {5, -1, -1, -1, -1, -1, -1, -1, -1, -1});
    load();
    start();
    struct Case
    {
        const char* what;
        vec3 from, to;
    } cases[] = {
        {"onto a node of the same kind", upNode(1), upNode(2)},
        {"onto a linked node", upNode(1), downNode(5)},
        {"onto nothing", upNode(1), kEmpty},
        {"onto itself", downNode(2), downNode(2) + vec3(3, 0, 0)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        dragLine(c.from, c.to);
        EXPECT_EQ(script->state[81], -1);
        EXPECT_EQ(script->state[80], 5);
        EXPECT_EQ(script->upNodes[1].linked, 0);
        EXPECT_EQ(script->downNodes[2].linked, 0);
        EXPECT_EQ(script->drag.state, 0);
    }
    // A press on empty space with nothing held changes nothing.
    aim(kEmpty, true);
    tick();
    EXPECT_EQ(script->drag.state, 0);
    EXPECT_EQ(script->selectedIndex, -1);
}

TEST_F(Board, GrabbingALinkedNodeHoldsItsPartner)
{
    saveBoard({}, identity(), {-1, -1, 7, -1, -1, -1, -1, -1, -1, -1});
    load();
    start();
    EXPECT_TRUE(lineShown(1));
    aim(upNode(2), true);
    tick();
    EXPECT_EQ(script->state[82], -1);
    EXPECT_EQ(script->selectedKind, 1);
    EXPECT_EQ(script->selectedIndex, 7);
    EXPECT_EQ(script->upNodes[2].linked, 0);
    EXPECT_EQ(script->downNodes[7].linked, 1);
    EXPECT_FALSE(lineShown(1));
    EXPECT_TRUE(lineShown(0));
    // Dropped on nothing, the partner is free too.
    aim(kEmpty, true);
    tick();
    aim(kEmpty, false);
    tick();
    EXPECT_EQ(script->downNodes[7].linked, 0);

    // Grabbing the lower end holds the upper one.
    script->state[84] = 1;
    script->setNodeState();
    script->updateLine();
    dragLine(downNode(1), upNode(6));
    EXPECT_EQ(script->state[84], -1);
    EXPECT_EQ(script->state[86], -1);
    EXPECT_EQ(script->upNodes[4].linked, 0);
}

TEST_F(Board, ANewMatchFlashesBothEndsAndTheLastOneWins)
{
    // Straight ladders, top = bottom: upper node i is to link lower node i.
    saveBoard({}, identity(), {0, 1, 2, 3, 4, 5, 6, 7, 8, -1});
    load();
    start();
    engine->clearLog();
    dragLine(upNode(9), downNode(9));
    EXPECT_EQ(script->matchCount, 10);
    EXPECT_EQ(script->solved, 1);
    EXPECT_NE(engine->log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_TRUE(shown("01_01_game_flash_00"));
    EXPECT_TRUE(position("01_01_game_flash_00").positionEquals(downNode(9), 1e-3f));
    EXPECT_TRUE(position("01_01_game_flash_01").positionEquals(upNode(9), 1e-3f));
    EXPECT_EQ(script->flashLine, 9);
    // Ten links: lines 1..9 and line 0 carry them.
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(lineShown(i)) << i;
    tick();
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, self)});
    ticks(22);
    EXPECT_FALSE(shown("01_01_game_flash_00"));
    EXPECT_EQ(script->flashOn, 0);

    // Closed and reopened, the solved board ignores clicks.
    engine->notify(self, 1300);
    tick();
    EXPECT_EQ(var(-1), 1);
    start();
    dragLine(upNode(3), kEmpty);
    EXPECT_EQ(script->state[83], 3);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(lineShown(i)) << i;
}

TEST_F(Board, AWrongLinkRaisesNoFlash)
{
    saveBoard({}, identity(), noLinks());
    load();
    start();
    dragLine(upNode(3), downNode(4));
    EXPECT_EQ(script->state[83], 4);
    EXPECT_EQ(script->flashOn, 0);
    EXPECT_FALSE(shown("01_01_game_flash_00"));
}

TEST_F(Board, TheLightFollowsTheNodePiecesAndStandsStillWhilePaused)
{
    saveBoard({}, identity(), noLinks(), 1);
    load();
    start();
    engine->notify(self, 15003);
    ticks(5);
    EXPECT_TRUE(position("01_01_game_light").positionEquals(downNode(3) - vec3(0, 0, 1), 1e-3f));
    EXPECT_TRUE(shown("01_01_game_light"));
    EXPECT_NEAR(script->light.level, 0.25f, 1e-4f);
    engine->notify(self, 10007);
    tick();
    EXPECT_TRUE(position("01_01_game_light").positionEquals(upNode(7) - vec3(0, 0, 1), 1e-3f));
    engine->notify(self, 1400);
    engine->notify(self, 20007);
    ticks(5);
    EXPECT_NEAR(script->light.level, 0.3f, 1e-4f);
    engine->notify(self, 1500);
    ticks(7);
    EXPECT_EQ(script->light.level, 0.0f);
    EXPECT_FALSE(shown("01_01_game_light"));
    // Codes beyond the board's ten nodes light nothing.
    engine->notify(self, 10012);
    tick();
    EXPECT_EQ(script->light.on, 0);
}

TEST_F(Board, TheHintComesFromTheGame)
{
    saveBoard({}, identity(), noLinks());
    load();
    start();
    engine->notify(self, 2010);
    ticks(2);
    EXPECT_EQ(notes("interface"), Calls{note(16001, self)});
}

TEST_F(Board, TheRealTipWindowsAnswersLeaveTheLightOnTheFocusedNode)
{
    // The hint's answers (16001 on a click, 26001 once gone) lie in the
    // ranges of the nodes' focus codes; they must not move the light.
    realInterface = true;
    saveBoard({}, identity(), noLinks());
    load();
    start();
    CObject* tip = gApp.findObject("interface");
    auto* menu = tq::HeadlessEngine::scriptOf<sc_00_interface>(tip);
    ASSERT_NE(menu, nullptr);
    engine->notify(self, 15003);
    ticks(5);
    engine->notify(self, 2010);
    tq::RealInterface::settle(*engine);
    ASSERT_EQ(menu->mMenus[sc_00_interface::MENU_TIP].state, 2);
    EXPECT_EQ(menu->mTipCode, 16001);
    // Closed by the in-game menu's 5000 (a click would also press on the
    // board): only 26001 comes.
    engine->notify(tip, 5000);
    tq::RealInterface::settle(*engine);
    EXPECT_EQ(menu->mMenus[sc_00_interface::MENU_TIP].state, 0);
    EXPECT_EQ(script->light.on, 1);
    EXPECT_TRUE(shown("01_01_game_light"));
    EXPECT_TRUE(position("01_01_game_light").positionEquals(downNode(3) - vec3(0, 0, 1), 1e-3f));
}

TEST_F(Board, ADamagedSavedBoardLosesTheLinksItCannotHold)
{
    saveBoard({}, identity(), {3, 12, 3, -7, -1, -1, -1, -1, -1, 0});
    load();
    start();
    const int expected[10] = {3, -1, -1, -1, -1, -1, -1, -1, -1, 0};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(script->state[80 + i], expected[i]) << i;
    EXPECT_NE(engine->log().find("\nWARNING: 01_minigame_01: saved link 12 of upper node 1 dropped"),
              std::string::npos);
    EXPECT_TRUE(lineShown(1));
    EXPECT_TRUE(lineShown(2));
    EXPECT_FALSE(lineShown(3));
}

TEST(BoardLines, BothBonesTurnAlongTheLine)
{
    struct Case
    {
        vec3 p1, p2;
        float angle;
    } cases[] = {
        {vec3(10, 0, 0), vec3(0, 0, 0), 180.0f},  // exactly along x: no turn, then the half turn
        {vec3(0, 0, 0), vec3(10, 0, 0), 180.0f},
        {vec3(0, 10, 0), vec3(0, 0, 0), 270.0f},
        {vec3(0, 0, 0), vec3(0, 10, 0), 90.0f},
        {vec3(10, 10, 0), vec3(0, 0, 0), 225.0f},
        {vec3(0, 0, 0), vec3(10, 10, 0), 45.0f},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(sc_01_minigame_01::lineAngle(c.p1, c.p2), c.angle, 1e-3f) << c.p1 << " " << c.p2;
}
} // namespace
