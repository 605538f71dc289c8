// The light-mixing puzzle on the headless engine: its operations, the
// puzzles it draws, chips dragged into slots with the mouse, the panels lit
// along the chain of filled slots, the win, and the state kept across a
// close and a new start.  Slots lie above the table, at y = 10.
#include "03_minigame_04.h"
#include "GameBoardFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
typedef sc_03_minigame_04 Game;

const vec3 kSlots[4] = {vec3(-24, 10, -99), vec3(-8, 10, -99), vec3(8, 10, -99), vec3(24, 10, -99)};

class LightPuzzle : public ::testing::Test
{
protected:
    LightPuzzle() : b("03_minigame_04")
    {
        for (int i = 0; i < 4; ++i)
        {
            b.piece(tq::indexedName("03_01_game_scheme_", i), 1, kSlots[i]);
            b.piece(tq::indexedName("03_01_game_chip_", i), 3);
            tq::Board::material(tq::indexedName("03_01_game_chip_", i), 2);
        }
        for (int s = 0; s < 8; ++s)
            tq::Board::material(tq::indexedName("03_01_game_cmd_", s));
        for (int j = 0; j < 6; ++j)
        {
            b.piece(tq::indexedName("03_01_game_panel_", j), 9);
            for (const char* colour : {"green_", "red_", "blue_"})
                tq::Board::material(tq::indexedName(std::string("03_01_game_light_") + colour, j));
        }
        tq::Board::material("00_empty");
    }

    Game* create()
    {
        b.addGame();
        return tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
    }

    /// The frame starts the game.
    Game* start()
    {
        Game* game = tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
        if (!game)
            game = create();
        b.engine->notify(b.gameObject, 1200, gApp.findObject("00_minigame_starter"));
        b.engine->frames(2);
        return game;
    }

    void frames(int n) { b.engine->frames(n); }

    /// The cursor onto chip i (which reports its focus), a press, a move to
    /// to and a release; then the chip settles.
    void drag(int i, const vec3& to)
    {
        Game* game = tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
        const vec3 at(game->chips[i].current.x, game->chips[i].current.y, -99);
        b.engine->notify(b.gameObject, 10000 + i);
        tq::Board::cursorAt(at, false);
        frames(1);
        tq::Board::cursorAt(at, true);
        frames(1);
        tq::Board::cursorAt(to, true);
        frames(1);
        tq::Board::cursorAt(to, false);
        frames(1);
        b.engine->notify(b.gameObject, 20000 + i);
        frames(25);
    }

    /// Lamps of one colour (0 green, 1 red, 2 blue) lit on panel j.
    int lit(int j, int colour)
    {
        static const int subs[3][3] = {{3, 1, 2}, {4, 8, 0}, {5, 6, 7}};
        static const char* const names[3] = {"green_", "red_", "blue_"};
        const std::string material = tq::indexedName(std::string("03_01_game_light_") + names[colour], j);
        int n = 0;
        for (int sub : subs[colour])
        {
            const std::string shown = tq::Board::materialOf(tq::indexedName("03_01_game_panel_", j), sub);
            if (shown == material)
                ++n;
            else
                EXPECT_EQ(shown, "00_empty");
        }
        return n;
    }

    tq::Board b;
};

TEST_F(LightPuzzle, OperationsAddTakeAndPourAndRefuseWhatLeavesTheRange)
{
    struct Case
    {
        int light[3];
        int colour, operation;
        int result[3];
        int accepted;
    };
    const Case cases[] = {
        {{0, 1, 1}, 0, 0, {1, 1, 1}, 1},  {{1, 1, 1}, 1, 1, {1, 3, 1}, 0},  {{2, 0, 0}, 0, 0, {3, 0, 0}, 0},
        {{0, 2, 0}, 1, 2, {0, 1, 0}, 1},  {{0, 0, 1}, 2, 2, {0, 0, 0}, 0},  {{0, 0, 3}, 2, 3, {0, 0, 1}, 1},
        {{0, 0, 1}, 2, 3, {0, 0, 0}, 0},  {{1, 1, 0}, 0, 4, {0, 2, 0}, 1},  {{0, 2, 1}, 1, 4, {0, 0, 3}, 0},
        {{2, 0, 1}, 2, 4, {3, 0, 0}, 0},  {{1, 0, 3}, 0, 4, {0, 1, 3}, 0},  {{1, 2, 0}, 2, 4, {1, 2, 0}, 1},
    };
    for (const Case& c : cases)
    {
        int light[3] = {c.light[0], c.light[1], c.light[2]};
        EXPECT_EQ(Game::change(light, c.colour, c.operation), c.accepted) << c.colour << " " << c.operation;
        EXPECT_TRUE(std::equal(light, light + 3, c.result)) << c.colour << " " << c.operation;
    }
}

TEST_F(LightPuzzle, NewPuzzlesPourThreeTimesLieOffTheMiddleAndAreSaved)
{
    Game* game = create();
    EXPECT_TRUE(CVirtualScript::isGameEndSet(3, 4));
    for (int round = 0; round < 30; ++round)
    {
        if (round > 0)
            game->genData();
        int pours = 0;
        int light[3] = {game->saved[0], game->saved[1], game->saved[2]};
        for (int k = 0; k < 4; ++k)
        {
            const int* cmd = game->command(k);
            EXPECT_NE(cmd[0], cmd[2]);
            EXPECT_EQ(Game::change(light, cmd[0], cmd[1]), 1);
            EXPECT_EQ(Game::change(light, cmd[2], cmd[3]), 1);
            pours += (cmd[1] == 4) + (cmd[3] == 4);
            vec3 p;
            game->getPos(k, p);
            EXPECT_TRUE((p.x >= -50 && p.x <= -21) || (p.x >= 20 && p.x <= 49)) << p.x;
            EXPECT_LE(p.y, -7.0f);
            EXPECT_GE(p.y, -29.78f);
            EXPECT_EQ(cmd[6], -1);
        }
        EXPECT_EQ(pours, 3);
        // The goal is the light of the commands in the order drawn.
        EXPECT_TRUE(std::equal(light, light + 3, &game->saved[45]));
        for (int i = 0; i < 50; ++i)
            ASSERT_EQ(CVirtualScript::getVarI(CVirtualScript::makeGameArrayKey(3, 4, i)), game->saved[i]) << i;
    }
}

TEST_F(LightPuzzle, ChipsDraggedIntoTheSlotsInTheirOrderWinAndTheFrameClosesTheGame)
{
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    Game* game = start();
    EXPECT_EQ(b.board->getNode()->getParent(), b.camera->getNode());
    EXPECT_EQ(notes("interface"), Calls{note(16004, nullptr)});
    for (int i = 0; i < 4; ++i)
        drag(i, kSlots[i]);
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(game->command(i)[6], i);
        EXPECT_NEAR(game->chips[i].current.x, kSlots[i].x, 0.01f);
    }
    EXPECT_EQ(game->won, 1);
    EXPECT_NE(b.engine->log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, b.gameObject)});

    // After a win the chips stay where they are.
    game->focused = 0;
    tq::Board::cursorAt(vec3(0, -20, -99), true);
    frames(3);
    EXPECT_EQ(game->dragState, 0);

    b.engine->notify(b.gameObject, 1100, gApp.findObject("00_minigame_interf"));
    b.engine->notify(b.gameObject, 1300);
    frames(2);
    EXPECT_EQ(notes("00_minigame_starter"), Calls{note(1200, b.gameObject)});
    EXPECT_EQ(game->timerId, 0);
    EXPECT_EQ(b.board->getNode()->getParent(), gApp.mSceneMgr->getRootSceneNode());
    EXPECT_FALSE(tq::Board::visible("03_01_game_chip_00"));
    EXPECT_EQ(CVirtualScript::getVarI("3_4_variable_9"), 0);   // chip 0's slot
    EXPECT_EQ(CVirtualScript::getVarI("3_4_variable_36"), 3);  // chip 3's slot
    EXPECT_EQ(CVirtualScript::getVarI("3_4_variable_game_end"), 1);
}

TEST_F(LightPuzzle, AChipDroppedOnAHeldSlotLandsOnTheTableOffTheMiddle)
{
    Game* game = start();
    drag(0, kSlots[1]);
    drag(1, kSlots[1]);
    EXPECT_EQ(game->command(0)[6], 1);
    EXPECT_EQ(game->command(1)[6], -1);
    // Dropped at (-8, 10): held within the table, x beyond the middle band.
    EXPECT_EQ(game->command(1)[4], 33);
    EXPECT_EQ(game->command(1)[5], 0);
    EXPECT_NEAR(game->chips[1].current.x, -17.0f, 1e-3f);
    EXPECT_NEAR(game->chips[1].current.y, -7.0f, 1e-3f);

    drag(1, vec3(5, -60, -99));
    EXPECT_EQ(game->command(1)[4], 67);
    EXPECT_EQ(game->command(1)[5], 100);
    EXPECT_NEAR(game->chips[1].current.x, 17.0f, 1e-3f);
    EXPECT_NEAR(game->chips[1].current.y, -30.0f, 1e-3f);
}

TEST_F(LightPuzzle, PanelsLightAlongFilledSlotsAndDarkenBeforeTheirLampsChange)
{
    Game* game = start();
    for (int j : {0, 5})
        for (int colour = 0; colour < 3; ++colour)
            EXPECT_EQ(lit(j, colour), game->panels[j].light[colour]);

    drag(2, kSlots[2]);
    for (int j = 1; j <= 4; ++j)
        EXPECT_EQ(game->panels[j].active, 0) << j;
    drag(0, kSlots[0]);
    drag(1, kSlots[1]);
    for (int j = 1; j <= 4; ++j)
        EXPECT_EQ(game->panels[j].active, j <= 3 ? 1 : 0) << j;
    for (int colour = 0; colour < 3; ++colour)
        EXPECT_EQ(lit(3, colour), game->panels[3].light[colour]);
    frames(10);
    EXPECT_FLOAT_EQ(game->panels[3].brightness, 1.0f);
    EXPECT_FLOAT_EQ(tq::Board::grey("03_01_game_light_red_03"), 1.0f);

    // Chip 0 out of its slot: panels 1 to 3 fade with the lamps they had.
    const int before = lit(3, 0) * 100 + lit(3, 1) * 10 + lit(3, 2);
    const vec3 at(game->chips[0].current.x, game->chips[0].current.y, -99);
    b.engine->notify(b.gameObject, 10000);
    tq::Board::cursorAt(at, true);
    frames(3);
    EXPECT_EQ(game->dragState, 1);
    for (int j = 1; j <= 3; ++j)
        EXPECT_EQ(game->panels[j].active, 0);
    EXPECT_GT(game->panels[3].brightness, 0.5f);
    EXPECT_EQ(lit(3, 0) * 100 + lit(3, 1) * 10 + lit(3, 2), before);
    frames(40);
    EXPECT_FLOAT_EQ(game->panels[3].brightness, 0.0f);
    EXPECT_FLOAT_EQ(tq::Board::grey("03_01_game_light_red_03"), 0.0f);
    // Dropped on the table: the dark panels take their empty light.
    tq::Board::cursorAt(vec3(30, -20, -99), true);
    frames(1);
    tq::Board::cursorAt(vec3(30, -20, -99), false);
    frames(1);
    EXPECT_EQ(game->command(0)[6], -1);
    EXPECT_EQ(lit(3, 0) + lit(3, 1) + lit(3, 2), 0);
}

TEST_F(LightPuzzle, APressOverNothingGrabsNothingAndAClickWithoutMoveCarriesTheChip)
{
    Game* game = start();
    tq::Board::cursorAt(vec3(0, 0, -99), true);
    frames(2);
    EXPECT_EQ(game->dragState, 0);
    EXPECT_EQ(game->selected, -1);
    tq::Board::cursorAt(vec3(0, 0, -99), false);
    frames(1);

    const vec3 at(game->chips[2].current.x, game->chips[2].current.y, -99);
    b.engine->notify(b.gameObject, 10002);
    tq::Board::cursorAt(at, true);
    frames(2);
    tq::Board::cursorAt(at, false);
    frames(2);
    EXPECT_EQ(game->dragState, 1);
    // Carried a unit in front of the table, after the cursor.
    tq::Board::cursorAt(at + vec3(3, 2, 0), false);
    frames(1);
    EXPECT_NEAR(game->chips[2].current.x, at.x + 3, 0.01f);
    EXPECT_NEAR(game->chips[2].current.y, at.y + 2, 0.01f);
    EXPECT_NEAR(game->chips[2].current.z, -98.0f + 0.02f, 0.01f);
}

TEST_F(LightPuzzle, ChipsKeepTheirPlacesAcrossACloseAndASolvedStateWinsAgain)
{
    Game* game = start();
    drag(2, kSlots[1]);
    drag(0, vec3(-40, -20, -99));
    // Left with chip 3 in hand: it is down again at the next start.
    b.engine->notify(b.gameObject, 10003);
    tq::Board::cursorAt(vec3(game->chips[3].current.x, game->chips[3].current.y, -99), true);
    frames(2);
    ASSERT_EQ(game->selected, 3);
    b.engine->notify(b.gameObject, 20003);
    b.engine->notify(b.gameObject, 1300);
    frames(2);
    const vec3 chip0 = game->chips[0].to;
    start();
    EXPECT_EQ(game->command(2)[6], 1);
    EXPECT_NEAR(game->chips[2].current.x, kSlots[1].x, 1e-3f);
    EXPECT_NEAR(game->chips[0].to.x, chip0.x, 1.0f);
    EXPECT_NEAR(game->chips[0].to.y, chip0.y, 0.23f);
    EXPECT_EQ(game->won, 0);
    EXPECT_EQ(game->selected, -1);
    EXPECT_EQ(game->dragState, 0);

    // Slots filled in the drawn order by the saved state alone.
    b.engine->notify(b.gameObject, 1300);
    frames(2);
    for (int k = 0; k < 4; ++k)
        CVirtualScript::setVarI(CVirtualScript::makeGameArrayKey(3, 4, 3 + 9 * k + 6), k);
    b.engine->clearLog();
    start();
    EXPECT_EQ(game->won, 1);
    EXPECT_NE(b.engine->log().find("\nYOU WIN !!!"), std::string::npos);
}

TEST_F(LightPuzzle, PauseHoldsTheChipsAndSaveAndHintAnswerTheFrame)
{
    Game* game = start();
    const vec3 at(game->chips[1].current.x, game->chips[1].current.y, -99);
    b.engine->notify(b.gameObject, 10001);
    tq::Board::cursorAt(at, true);
    frames(2);
    b.engine->notify(b.gameObject, 1400);
    frames(1);
    tq::Board::cursorAt(at + vec3(5, 0, 0), true);
    frames(2);
    EXPECT_NEAR(game->chips[1].current.x, at.x, 1e-3f);
    b.engine->notify(b.gameObject, 1500);
    frames(2);
    EXPECT_NEAR(game->chips[1].current.x, at.x + 5, 0.01f);

    b.engine->notify(b.gameObject, 2010);
    b.engine->notify(b.gameObject, 2000);
    frames(2);
    EXPECT_EQ(notes("interface"), (Calls{note(16004, nullptr), note(100, nullptr)}));
}

TEST_F(LightPuzzle, ADamagedSavedStateIsReplacedByANewPuzzle)
{
    CVirtualScript::setVarI("3_4_variable_game_end", 0);
    CVirtualScript::setVarI("3_4_variable_4", 9); // chip 0's first operation
    CVirtualScript::setVarI("3_4_variable_9", 7); // its slot
    Game* game = start();
    EXPECT_NE(b.engine->log().find("\nWARNING: saved state 3_4 of the mini-game is damaged"), std::string::npos);
    EXPECT_TRUE(game->stateValid());
    EXPECT_LE(CVirtualScript::getVarI("3_4_variable_4"), 4);
    EXPECT_EQ(CVirtualScript::getVarI("3_4_variable_9"), -1);
}
} // namespace
