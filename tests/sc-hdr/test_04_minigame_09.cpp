// The templates-and-boards puzzle on the headless engine: a new game's
// symbols, the boards' holes and the templates' symbols on their meshes,
// dragging templates onto boards (refused where a symbol is taken, away
// from every board, or by the decoy's theft of a hole), picking a template
// back up, the bar, the win, the frame's codes and a restored or damaged
// save.
#include "04_minigame_09.h"
#include "PuzzleFixture.h"

#include <OgreMaterialManager.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

#include <algorithm>
#include <set>
#include <vector>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
using tq::PuzzleFixture;
using tq::ScriptFixture;

using Templates = sc_04_minigame_09;
const float kDepth = 114.143f;

class TemplateGame : public ::testing::Test
{
protected:
    TemplateGame() : fx({"01_snd_00", "01_snd_01", "01_snd_02", "01_snd_03"}) {}

    void SetUp() override
    {
        PuzzleFixture::makeSectionsMesh("sections.mesh", 30);
        for (const char* spy : {"00_minigame_starter", "00_minigame_interf", "interface"})
            fx.engine->addRecorder(spy);
        fx.engine->addObject("Camera");
        Ogre::SceneNode* group = fx.piece("04_minigame_09.scene")->getNode();
        for (int p = 0; p < Templates::kBoards; ++p)
            fx.piece(name("04_06_game_element_", p), group, "sections.mesh")
                ->getNode()
                ->setPosition(boardAt(p));
        for (int t = 0; t < Templates::kTemplates; ++t)
        {
            fx.piece(name("04_06_game_template_", t), group, "sections.mesh");
            fx.piece(name("04_06_game_page_", t), group);
            ScriptFixture::material(name("04_06_game_page_", t));
        }
        for (const char* m : {"04_06_game_element", "04_06_game_element_empty", "04_06_game_template", "00_empty"})
            ScriptFixture::material(m);
        Ogre::MaterialPtr bar = Ogre::MaterialManager::getSingleton().create("04_06_game_fon_01", "General");
        Ogre::Pass* pass = bar->getTechnique(0)->createPass();
        for (int u = 0; u < 3; ++u)
            pass->createTextureUnitState();
    }

    static std::string name(const char* prefix, int i)
    {
        char text[64];
        std::snprintf(text, sizeof(text), "%s%02d", prefix, i);
        return text;
    }
    static vec3 boardAt(int p) { return vec3(-20.0f + 20.0f * p, -10.0f, -kDepth); }

    /// A saved game: symbol v on sub-entity v + 1, template t for pair t;
    /// board 0 holds 0 1 2 3, board 1 4 5 6 7 0 1, board 2 all eight; the
    /// templates carry (0 1) (2 3) | (4 5) (6 7) (0 1) | (0 1) (2 3) (4 5)
    /// (6 7) and the decoy (1 2).  placed: the board of each template.
    static void saveBoard(const std::vector<int>& placed = std::vector<int>(10, -1), int over = 0)
    {
        int data[Templates::kSaved] = {};
        const int boards[3][8] = {{0, 1, 2, 3}, {4, 5, 6, 7, 0, 1}, {0, 1, 2, 3, 4, 5, 6, 7}};
        const int pairs[10][2] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {0, 1},
                                  {0, 1}, {2, 3}, {4, 5}, {6, 7}, {1, 2}};
        for (int v = 0; v < 8; ++v)
            data[v] = v + 1;
        for (int t = 0; t < 10; ++t)
        {
            data[Templates::kOrder + t] = t;
            data[Templates::kTemplateData + 2 * t] = pairs[t][0];
            data[Templates::kTemplateData + 2 * t + 1] = pairs[t][1];
            data[Templates::kPlaced + t] = placed[t];
        }
        for (int p = 0; p < 3; ++p)
            for (int k = 0; k < 8; ++k)
                data[Templates::kBoardData + 10 * p + k] = boards[p][k];
        CVirtualScript::saveGameArray(Templates::kSaved, 4, 9, data, &over);
    }

    void create()
    {
        object = fx.engine->addObject("04_minigame_09", "04_minigame_09.sc");
        fx.engine->frame();
        game = tq::HeadlessEngine::scriptOf<Templates>(object);
        ASSERT_NE(game, nullptr);
    }
    void start()
    {
        create();
        fx.engine->notify(object, 1200, gApp.findObject("00_minigame_starter"));
        fx.engine->frames(2);
        tq::RecordingScript::calls().clear();
        PuzzleFixture::hush();
    }
    void send(int code)
    {
        fx.engine->notify(object, code);
        fx.engine->frame(0.02f);
        fx.engine->frame(0.002f); // what the game sent in answer arrives
    }
    vec3 at(int t) const { return game->temps[t].current; }

    /// Presses on template t, drags it to point and lets go; then lets it
    /// finish its slide.
    void drag(int t, const vec3& point)
    {
        send(10000 + t);
        PuzzleFixture::aim(at(t), true);
        fx.engine->frame(0.02f);
        PuzzleFixture::aim(point, true);
        fx.engine->frame(0.02f);
        PuzzleFixture::aim(point, false);
        fx.engine->frame(0.02f);
        send(20000 + t);
        fx.engine->frames(3, 0.2f);
    }
    void dragToBoard(int t, int p) { drag(t, boardAt(p) + vec3(0.3f, -0.3f, 0.0f)); }

    std::vector<int> placed() const
    {
        return std::vector<int>(game->data + Templates::kPlaced, game->data + Templates::kPlaced + 10);
    }
    size_t wins() const
    {
        const std::string log = fx.engine->log();
        size_t count = 0;
        for (size_t at = log.find("\nYOU WIN !!!"); at != std::string::npos; at = log.find("\nYOU WIN !!!", at + 1))
            ++count;
        return count;
    }

    PuzzleFixture fx;
    CObject* object = nullptr;
    Templates* game = nullptr;
};

TEST_F(TemplateGame, ANewGameSplitsEachBoardsSymbolsIntoPairsOnTemplatesAndAddsADecoy)
{
    create();
    ASSERT_TRUE(CVirtualScript::isGameEndSet(4, 9));
    for (uint32_t seed : {0u, 3u, 4242u})
    {
        SCOPED_TRACE(seed);
        if (seed)
        {
            CVirtualScript::randomSeed(seed);
            game->genData();
        }
        const int* d = game->data;
        std::set<int> slots(d, d + 8);
        EXPECT_EQ(slots.size(), 8u);
        EXPECT_GE(*slots.begin(), 1);
        EXPECT_LE(*slots.rbegin(), 28);
        EXPECT_EQ(std::set<int>(d + 10, d + 20), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        const int first[3] = {0, 2, 5};
        for (int p = 0; p < 3; ++p)
        {
            const int n = 4 + 2 * p;
            std::multiset<int> board(d + 20 + 10 * p, d + 20 + 10 * p + n), fromTemplates;
            EXPECT_EQ(std::set<int>(board.begin(), board.end()).size(), static_cast<size_t>(n));
            for (int k = 0; k < n / 2; ++k)
            {
                const int t = d[10 + first[p] + k];
                fromTemplates.insert(d[50 + 2 * t]);
                fromTemplates.insert(d[51 + 2 * t]);
            }
            EXPECT_EQ(board, fromTemplates);
        }
        const int decoy = d[19];
        EXPECT_NE(d[50 + 2 * decoy], d[51 + 2 * decoy]);
        for (int t = 0; t < 10; ++t)
            EXPECT_EQ(d[70 + t], -1);
        EXPECT_EQ(CVirtualScript::getVarI("4_9_variable_19"), decoy);
    }
}

TEST_F(TemplateGame, StartShowsHolesAndSymbolsAndQuitPutsTheBoardAway)
{
    saveBoard();
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    create();
    EXPECT_FALSE(PuzzleFixture::shown("04_minigame_09.scene"));
    fx.engine->notify(object, 1200, gApp.findObject("00_minigame_starter"));
    fx.engine->frames(2);
    EXPECT_TRUE(PuzzleFixture::shown("04_minigame_09.scene"));
    EXPECT_EQ(gApp.mSceneMgr->getSceneNode("04_minigame_09.scene")->getParentSceneNode()->getName(), "Camera");
    EXPECT_EQ(notes("interface"), Calls{note(16009, nullptr)});

    // Board 0 has holes at the sub-entities of symbols 0..3, that is 1..4.
    for (int sub : {0, 1, 4, 5, 29})
        EXPECT_EQ(PuzzleFixture::materialOf("04_06_game_element_00", sub),
                  sub >= 1 && sub <= 4 ? "04_06_game_element_empty" : "04_06_game_element")
            << sub;
    // The decoy shows symbols 1 and 2 on sub-entities 2 and 3.
    for (int sub : {1, 2, 3, 4})
        EXPECT_EQ(PuzzleFixture::materialOf("04_06_game_template_09", sub),
                  sub == 2 || sub == 3 ? "04_06_game_template" : "00_empty")
            << sub;
    EXPECT_EQ(PuzzleFixture::materialOf("04_06_game_page_07", 0), "04_06_game_page_07");
    // Two columns of five at home.
    EXPECT_EQ(PuzzleFixture::position("04_06_game_template_00"), vec3(-45.0f, 37.0f, -kDepth));
    EXPECT_EQ(PuzzleFixture::position("04_06_game_template_07"), vec3(45.0f, 37.0f - 28.0f, 0.07f - kDepth));
    EXPECT_EQ(PuzzleFixture::position("04_06_game_page_07"), PuzzleFixture::position("04_06_game_template_07"));

    dragToBoard(0, 0);
    send(1300);
    EXPECT_FALSE(PuzzleFixture::shown("04_minigame_09.scene"));
    EXPECT_EQ(gApp.mSceneMgr->getSceneNode("04_minigame_09.scene")->getParentSceneNode(),
              gApp.mSceneMgr->getRootSceneNode());
    EXPECT_EQ(CVirtualScript::getVarI("4_9_variable_70"), 0);
    EXPECT_EQ(game->timer, 0);
}

TEST_F(TemplateGame, ATemplateStaysOnlyWhereBothItsSymbolsAreOpen)
{
    saveBoard();
    start();
    dragToBoard(0, 0);
    EXPECT_TRUE(PuzzleFixture::played("01_snd_02"));
    EXPECT_EQ(placed()[0], 0);
    EXPECT_NEAR((at(0) - boardAt(0)).length(), 0.0f, 1e-4f);
    EXPECT_FLOAT_EQ(game->barTarget, 1.0f / 9.0f);

    // (0 1) again on board 0: both taken; dropped beside every board: home.
    struct Drop
    {
        int t;
        vec3 point;
    };
    for (const Drop& drop : {Drop{5, boardAt(0)}, Drop{3, boardAt(0)}, Drop{2, vec3(10.0f, 10.0f, -kDepth)}})
    {
        PuzzleFixture::hush();
        drag(drop.t, drop.point);
        EXPECT_TRUE(PuzzleFixture::played("01_snd_03")) << drop.t;
        EXPECT_EQ(placed()[drop.t], -1);
        EXPECT_NEAR((at(drop.t) - Templates::home(drop.t)).length(), drop.t * 0.01f, 1e-4f);
    }

    // Picking a placed template up uncovers its holes at once.
    send(10000);
    PuzzleFixture::aim(at(0), true);
    fx.engine->frame(0.02f);
    EXPECT_EQ(placed()[0], -1);
    EXPECT_FLOAT_EQ(game->barTarget, 0.0f);
    EXPECT_EQ(game->boards[0].covered[0], 0);
}

TEST_F(TemplateGame, ThePressPicksUpTheFocusedTemplateOnly)
{
    saveBoard();
    start();
    PuzzleFixture::aim(at(4), true); // no focus: nothing happens
    fx.engine->frame(0.02f);
    EXPECT_EQ(game->state, 0);
    EXPECT_EQ(game->selected, -1);
    PuzzleFixture::aim(at(4), false);
    fx.engine->frame(0.02f);

    // A click without a drag keeps the template on the cursor.
    send(10004);
    PuzzleFixture::aim(at(4), true);
    fx.engine->frame(0.02f);
    EXPECT_TRUE(PuzzleFixture::played("01_snd_01"));
    PuzzleFixture::aim(at(4), false);
    fx.engine->frame(0.02f);
    EXPECT_EQ(game->selected, 4);
    const vec3 point = boardAt(1) + vec3(0.2f, 0.2f, 0.0f);
    PuzzleFixture::aim(point, false);
    fx.engine->frame(0.02f);
    EXPECT_NEAR(at(4).x, point.x, 0.05f); // picked up off its centre by its lift
    EXPECT_NEAR(at(4).z, point.z + 1.0f + 0.04f, 1e-3f); // held up above the boards
    // The next press, drag and release drops it.
    PuzzleFixture::aim(point, true);
    fx.engine->frame(0.02f);
    PuzzleFixture::aim(boardAt(1), true);
    fx.engine->frame(0.02f);
    PuzzleFixture::aim(boardAt(1), false);
    fx.engine->frame(0.02f);
    EXPECT_EQ(placed()[4], 1);
}

TEST_F(TemplateGame, TheDecoyTakesHolesUntilItIsTakenOffAgain)
{
    saveBoard();
    start();
    dragToBoard(9, 0); // (1 2) fits board 0
    EXPECT_EQ(placed()[9], 0);
    dragToBoard(0, 0); // (0 1): 1 is taken
    dragToBoard(1, 0); // (2 3): 2 is taken
    EXPECT_EQ(placed()[0], -1);
    EXPECT_EQ(placed()[1], -1);
    drag(9, vec3(0.0f, 30.0f, -kDepth));
    EXPECT_EQ(placed()[9], -1);
    dragToBoard(0, 0);
    dragToBoard(1, 0);
    EXPECT_EQ(placed()[0], 0);
    EXPECT_EQ(placed()[1], 0);
}

TEST_F(TemplateGame, FullBoardsWinOnceAndLaterPressesAreIgnored)
{
    saveBoard({0, 0, 1, 1, 1, 2, 2, 2, -1, -1});
    start();
    EXPECT_EQ(wins(), 0u);
    fx.engine->frames(3, 0.1f);
    EXPECT_GT(game->barShown, 0.0f); // the bar rises from 0 to the saved share
    EXPECT_LT(game->barShown, 8.0f / 9.0f);
    EXPECT_FLOAT_EQ(game->barTarget, 8.0f / 9.0f);
    dragToBoard(8, 2);
    EXPECT_EQ(wins(), 1u);
    EXPECT_TRUE(PuzzleFixture::played("01_snd_00"));
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, object)});
    EXPECT_EQ(game->gameOver, 1);

    const vec3 before = at(9);
    drag(9, boardAt(0));
    EXPECT_EQ(at(9), before);
    // The hover glow still follows the focus.
    send(10003);
    fx.engine->frames(2, 0.2f);
    EXPECT_GT(ScriptFixture::unit("04_06_game_page_03")->getColourBlendMode().colourArg2.r, 0.5f);

    send(1100);
    EXPECT_EQ(notes("00_minigame_starter"), Calls{note(1200, object)});
    send(1300);
    // Saved and started again: the win is not told twice.
    fx.engine->notify(object, 1200, gApp.findObject("00_minigame_starter"));
    fx.engine->frames(2);
    EXPECT_EQ(wins(), 1u);
}

TEST_F(TemplateGame, ADamagedSaveIsMendedWithAWarning)
{
    saveBoard({0, 7, -1, -1, -1, -1, -1, -1, -1, -1});
    CVirtualScript::setVarI("4_9_variable_3", 40);
    CVirtualScript::setVarI("4_9_variable_55", 9);
    start();
    const std::string log = fx.engine->log();
    EXPECT_NE(log.find("[4_9_variable_71] = 7 is out of range"), std::string::npos);
    EXPECT_NE(log.find("[4_9_variable_3] = 40 is out of range"), std::string::npos);
    EXPECT_NE(log.find("[4_9_variable_55] = 9 is out of range"), std::string::npos);
    EXPECT_EQ(placed()[1], -1);
    EXPECT_EQ(placed()[0], 0);
    fx.engine->frames(2);
}
} // namespace
