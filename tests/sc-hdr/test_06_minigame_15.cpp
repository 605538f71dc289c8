// The four-colour boxes on the headless engine: new arrangements scrambled
// over the corner blocks, the board laid out from the save when the frame
// starts the game, boxes held with the mouse (through the real box pieces)
// that step only onto free orthogonal neighbours, the selection frame, the
// win once every group fills its block, shown by the frame's real result
// display and echoed on the player's click, the real starter that starts
// and closes the game, the frame's codes and a damaged save.
#include "06_minigame_15.h"
#include "RealStarter.h"
#include "ResultDisplay.h"
#include "SpyNotes.h"
#include "ZoneFixture.h"

#include <OgreMaterialManager.h>
#include <OgreSubEntity.h>

#include <set>
#include <utility>

namespace
{
using tq::Told;
typedef sc_06_minigame_15 Game;
typedef std::vector<std::pair<int, int>> Cells;

/// Every box in its group's block.
Cells ordered()
{
    Cells cells(16);
    for (int i = 0; i < 16; ++i)
        Game::getFieldPos(i, cells[i].first, cells[i].second);
    return cells;
}

class Boxes0615 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        overlays.reset(new tq::OverlayScope());
        spies({"00_loader", "interface"});
        tq::ResultDisplay::add(engine);
        camera = engine.addObject("Camera");
        board = engine.addObject("06_minigame_15.scene");
        Ogre::SceneNode* under = board->getNode();
        Ogre::MaterialManager::getSingleton().create("06_07_game_box_select", "General");
        for (int g = 0; g < 4; ++g)
            for (const std::string m : {"06_07_game_box_0", "06_07_game_box_select_0"})
                Ogre::MaterialManager::getSingleton().create(m + std::to_string(g), "General");
        prop("06_07_game_fon", "", {}, under);
        frame = prop("06_07_game_box_select", "", {}, under);
        for (int i = 0; i < 16; ++i)
            boxes[i] = prop(name(i), "06_07_game_box.sc", {}, under);
    }

    static std::string name(int i) { return std::string("06_07_game_box_") + (i < 10 ? "0" : "") + std::to_string(i); }

    static void save(const Cells& cells, int end = 0)
    {
        int values[32];
        for (int i = 0; i < 16; ++i)
        {
            values[2 * i] = cells[i].first;
            values[2 * i + 1] = cells[i].second;
        }
        CVirtualScript::saveGameArray(32, 6, 15, values, &end);
    }
    static Cells saved()
    {
        int values[32];
        int end = 0;
        CVirtualScript::loadGameArray(32, 6, 15, values, &end);
        Cells cells(16);
        for (int i = 0; i < 16; ++i)
            cells[i] = {values[2 * i], values[2 * i + 1]};
        return cells;
    }

    /// The game, and the starter that starts it (with start) as the menu's
    /// list does.
    void create(bool start = true)
    {
        game = prop("06_minigame_15", "06_minigame_15.sc");
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
            starter = tq::RealStarter::add(engine, 15);
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

    Game* script() { return tq::HeadlessEngine::scriptOf<Game>(game); }
    std::pair<int, int> cellOf(int i) { return {script()->cells[2 * i], script()->cells[2 * i + 1]}; }
    static vec3 pos(int x, int y) { return Game::cellPos(x, y); }

    /// The cursor over a point of the board, the button as given; one tick.
    void mouseAt(const vec3& p, bool down)
    {
        const Ogre::Vector2 s = CVirtualScript::projectPoint(p);
        mInput->mCursorX = s.x;
        mInput->mCursorY = s.y;
        mInput->mLeftDown = down;
        engine.frame();
    }

    /// A press on box i that holds it; the focus then leaves it.
    void take(int i)
    {
        hover(boxes[i]);
        mouseAt(boxes[i]->getNode()->getPosition(), true);
        hover(nullptr);
    }

    /// Frames until every move has ended.
    void settle() { engine.frames(25, 0.02f); }

    std::string material(CObject* object) { return object->getEntity()->getSubEntity(0)->getMaterialName(); }

    CObject* camera = nullptr;
    CObject* board = nullptr;
    CObject* frame = nullptr;
    CObject* boxes[16] = {};
    std::unique_ptr<tq::OverlayScope> overlays;
    CObject* starter = nullptr;
    CObject* game = nullptr;
};

TEST_F(Boxes0615, NewArrangementsScrambleTheBlocksAndLeaveTheCrossFree)
{
    create(false);
    EXPECT_TRUE(CVirtualScript::isGameEndSet(6, 15));
    for (uint32_t seed : {1u, 2u, 17u, 99u, 4242u})
    {
        CVirtualScript::randomSeed(seed);
        script()->genData();
        const Cells cells = saved();
        EXPECT_EQ(CVirtualScript::getVarI("6_15_variable_game_end"), 0);
        std::set<std::pair<int, int>> distinct(cells.begin(), cells.end());
        EXPECT_EQ(distinct.size(), 16u) << seed;
        int home = 0;
        for (int i = 0; i < 16; ++i)
        {
            EXPECT_NE(Game::block(cells[i].first, cells[i].second), -1) << seed << " box " << i;
            home += Game::block(cells[i].first, cells[i].second) == i / 4;
        }
        EXPECT_LT(home, 16) << seed;
    }
}

TEST_F(Boxes0615, TheFrameStartsTheSavedBoardAndClosesItWithTheCellsSaved)
{
    Cells cells = ordered();
    std::swap(cells[0], cells[4]); // two groups out of their blocks
    save(cells);
    create(false);
    EXPECT_EQ(saved(), cells); // not made anew
    EXPECT_FALSE(visible(boxes[0]));
    // Saved and closed before any start: the save stays as it was.
    engine.notify(game, 2000);
    engine.notify(game, 1300);
    engine.frames(2);
    EXPECT_EQ(saved(), cells);
    forgetTold();

    startGame();
    EXPECT_EQ(board->getNode()->getParent(), camera->getNode());
    EXPECT_TRUE(visible(boxes[0]));
    EXPECT_EQ(boxes[0]->getNode()->getPosition(), pos(cells[0].first, cells[0].second));
    EXPECT_EQ(boxes[15]->getNode()->getPosition(), pos(4, 4));
    for (int i : {0, 5, 10, 15})
        EXPECT_EQ(material(boxes[i]), "06_07_game_box_0" + std::to_string(i / 4)) << i;
    EXPECT_FALSE(visible(frame));
    EXPECT_TRUE(told("interface").empty()); // no hint unless asked for
    EXPECT_FALSE(tq::ResultDisplay::showing());

    // The frame comes with the focus, in the colour of its box's group.
    hover(boxes[5]);
    engine.frames(3);
    EXPECT_TRUE(visible(frame));
    EXPECT_EQ(material(frame), "06_07_game_box_select_01");
    EXPECT_EQ(frame->getNode()->getPosition(), boxes[5]->getNode()->getPosition());
    hover(nullptr);
    engine.frames(10, 0.2f);
    EXPECT_FALSE(visible(frame));

    engine.notify(game, 2010);
    engine.frames(2);
    EXPECT_EQ(told("interface"), (Told{"16015"}));

    // A box taken from its block onto the cross is saved at the close.
    take(3);
    mouseAt(pos(1, 2), true);
    EXPECT_EQ(cellOf(3), std::make_pair(1, 2));
    engine.notify(game, 1300);
    engine.frames(2);
    EXPECT_FALSE(visible(boxes[0]));
    EXPECT_EQ(board->getNode()->getParent(), gApp.mSceneMgr->getRootSceneNode());
    EXPECT_EQ(script()->timer, 0);
    cells[3] = {1, 2};
    EXPECT_EQ(saved(), cells);

    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    startGame();
    EXPECT_EQ(told("interface"), (Told{"16015"}));
    EXPECT_EQ(boxes[3]->getNode()->getPosition(), pos(1, 2));
    EXPECT_EQ(script()->selected, -1); // closed with a box in hand, started with none
}

TEST_F(Boxes0615, AHeldBoxStepsOnlyOntoAFreeNeighbour)
{
    // Box 3 on the cross below its block; box 2 on the cross beside it, so
    // that (0, 1) and (1, 1) are free.
    Cells cells = ordered();
    cells[3] = {1, 2};
    cells[2] = {2, 1};
    save(cells);
    create();
    struct Case
    {
        int box;
        vec3 cursor;
        std::pair<int, int> after;
        const char* what;
    };
    const Case cases[] = {
        {3, pos(0, 2), {1, 2}, "a wall"},
        {3, pos(1, 3), {1, 2}, "an occupied cell"},
        {3, pos(0, 1), {1, 2}, "a free diagonal"},
        {1, pos(1, 1) + vec3(0.0f, -6.0f, 0.0f), {1, 1}, "a free neighbour, near the cell's edge"},
        {1, pos(0, 1) - vec3(17.4f, 0.0f, 0.0f), {1, 1}, "more than half a cell beyond the left edge"},
        {1, pos(1, 0) + vec3(0.0f, 12.0f, 0.0f), {1, 1}, "more than half a cell above the top edge"},
        {1, pos(0, 1), {0, 1}, "on again"},
        {3, pos(1, 1), {1, 1}, "the cell box 1 left"},
    };
    for (const Case& c : cases)
    {
        take(c.box);
        mouseAt(c.cursor, true);
        mouseAt(c.cursor, false);
        EXPECT_EQ(cellOf(c.box), c.after) << c.what;
        settle();
        EXPECT_EQ(boxes[c.box]->getNode()->getPosition(), pos(c.after.first, c.after.second)) << c.what;
        EXPECT_EQ(script()->pointer.dragState, 0) << c.what;
    }
    EXPECT_FALSE(tq::ResultDisplay::showing());
}

TEST_F(Boxes0615, APressWithoutMovingKeepsTheBoxHeldUntilADragEnds)
{
    Cells cells = ordered();
    cells[3] = {1, 2};
    save(cells);
    create();
    take(3);
    mouseAt(pos(1, 2), false);
    EXPECT_EQ(script()->pointer.dragState, 1);
    EXPECT_EQ(script()->selected, 3);
    // Held, the box follows the cursor with the button up.
    mouseAt(pos(2, 1), false); // a diagonal: stays
    mouseAt(pos(1, 1), false);
    EXPECT_EQ(cellOf(3), std::make_pair(1, 1));
    // The win waits for the box to come to rest.
    EXPECT_FALSE(tq::ResultDisplay::showing());
    engine.clearLog();
    settle();
    EXPECT_TRUE(tq::ResultDisplay::showing());
    EXPECT_NE(engine.log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_EQ(script()->gameOver, 1);
    EXPECT_FALSE(visible(frame));

    // Won: the box no longer moves, focus shows no frame.
    mouseAt(pos(1, 2), false);
    settle();
    EXPECT_EQ(cellOf(3), std::make_pair(1, 1));
    hover(boxes[3]);
    EXPECT_FALSE(visible(frame));

    // The player's click on the result: the display's echo ends the game,
    // the starter sends the loader back to the menu and closes the game.
    clickResult();
    engine.notify(game, 2000);
    engine.frames(2);
    EXPECT_EQ(told("00_loader"), (Told{"1200 from 00_minigame_starter"}));
    EXPECT_EQ(board->getNode()->getParent(), gApp.mSceneMgr->getRootSceneNode());
    EXPECT_EQ(told("interface"), (Told{"100"}));
    EXPECT_EQ(CVirtualScript::getVarI("6_15_variable_game_end"), 1);
    EXPECT_EQ(saved(), ordered());
}

TEST_F(Boxes0615, ADragThatEndsLetsTheBoxGo)
{
    Cells cells = ordered();
    cells[3] = {1, 2};
    cells[2] = {2, 1};
    save(cells);
    create();
    take(3);
    mouseAt(pos(1, 1), true);
    mouseAt(pos(1, 1), false);
    EXPECT_EQ(script()->selected, -1);
    mouseAt(pos(0, 1), false);
    settle();
    EXPECT_EQ(cellOf(3), std::make_pair(1, 1));
}

TEST_F(Boxes0615, PausedTheBoardStandsStill)
{
    Cells cells = ordered();
    cells[3] = {1, 2};
    cells[2] = {2, 1};
    save(cells);
    create();
    take(3);
    engine.notify(game, 1400);
    engine.frame();
    mouseAt(pos(1, 1), true);
    EXPECT_EQ(cellOf(3), std::make_pair(1, 2));
    engine.notify(game, 1500);
    engine.frame();
    mouseAt(pos(1, 1), true);
    EXPECT_EQ(cellOf(3), std::make_pair(1, 1));
}

TEST_F(Boxes0615, ADamagedSaveGivesANewArrangement)
{
    struct Case
    {
        int box;
        std::pair<int, int> cell;
    };
    create();
    for (const Case& c : {Case{4, {5, 0}}, Case{4, {-1, 1}}, Case{7, {2, 2}}, Case{9, {0, 0}}})
    {
        engine.notify(game, 1300);
        engine.frames(2);
        Cells cells = ordered();
        cells[c.box] = c.cell;
        save(cells);
        engine.clearLog();
        startGame();
        EXPECT_NE(engine.log().find("\nWARNING: 06_minigame_15: damaged saved state"), std::string::npos)
            << c.box;
        EXPECT_TRUE(script()->stateValid()) << c.box;
        EXPECT_NE(saved(), cells) << c.box;
    }
}
} // namespace
