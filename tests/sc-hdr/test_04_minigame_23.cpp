// The darts panel on the headless engine: a new game's target, the panel
// opened and closed by its zone, the board's sectors and their points,
// darts dragged from the hand into free sectors (back to the hand when they
// miss or hit a taken sector), the counter, the solution once every dart is
// at rest, and a restored or damaged save.
#include "04_minigame_23.h"
#include "PuzzleFixture.h"

#include <OgreCamera.h>
#include <OgreTextureUnitState.h>

#include <cmath>
#include <vector>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
using tq::PuzzleFixture;
using tq::ScriptFixture;

using Darts = sc_04_minigame_23;
const vec3 kCentre(5.0f, 3.0f, -114.76f);

class DartsGame : public ::testing::Test
{
protected:
    DartsGame() : fx({"01_snd_00", "23_snd_00", "01_snd_01", "01_snd_03"}) {}

    void SetUp() override
    {
        // The darts in the hand lie nearer than the default near plane.
        gApp.mCamera->setNearClipDistance(1.0f);
        for (const char* spy : {"04_06_az_darts_npm", "interface"})
            fx.engine->addRecorder(spy);
        fx.engine->addObject("Camera");
        Ogre::SceneNode* panel = fx.piece("04_minigame_23.scene")->getNode();
        fx.piece("04_06_game_darts", panel)->getNode()->setPosition(kCentre);
        for (int i = 0; i < Darts::kDarts; ++i)
            fx.piece(name("04_06_game_drotik_", i), panel);
        for (const char* m : {"03_03_game_counter_border", "03_03_game_counter_num1", "03_03_game_counter_num2"})
            ScriptFixture::material(m);
    }

    static std::string name(const char* prefix, int i)
    {
        char text[64];
        std::snprintf(text, sizeof(text), "%s%02d", prefix, i);
        return text;
    }
    static void saveDarts(const std::vector<int>& sectors, int target, int over = 0)
    {
        int data[Darts::kSaved] = {};
        for (int i = 0; i < Darts::kDarts; ++i)
            data[i] = sectors[i];
        data[Darts::kTarget] = target;
        CVirtualScript::saveGameArray(Darts::kSaved, 4, 23, data, &over);
    }
    static int saved(int index) { return CVirtualScript::getVarI(CVirtualScript::makeGameArrayKey(4, 23, index)); }

    void create()
    {
        object = fx.engine->addObject("04_minigame_23", "04_minigame_23.sc");
        fx.engine->frame();
        game = tq::HeadlessEngine::scriptOf<Darts>(object);
        ASSERT_NE(game, nullptr);
    }
    void open()
    {
        create();
        send(1);
        fx.engine->frame(0.02f);
        tq::RecordingScript::calls().clear();
        PuzzleFixture::hush();
    }
    void send(int code)
    {
        fx.engine->notify(object, code);
        fx.engine->frame(0.002f);
        fx.engine->frame(0.002f); // what the game sent in answer arrives
    }
    /// A point of the hand's plane over sector s of the board, r from its
    /// centre line's foot.
    static vec3 over(int s, float r = 15.0f)
    {
        const float a = 36.0f * (s - 1) * 3.14159265f / 180.0f;
        return vec3(kCentre.x + r * std::sin(a), kCentre.y + r * std::cos(a), -85.399f);
    }
    /// Presses on dart i, drags it to point, lets go and lets it land.
    void drag(int i, const vec3& point)
    {
        send(10000 + i);
        PuzzleFixture::aim(game->darts[i].current, true);
        fx.engine->frame(0.02f);
        PuzzleFixture::aim(point, true);
        fx.engine->frame(0.02f);
        PuzzleFixture::aim(point, false);
        fx.engine->frame(0.02f);
        send(20000 + i);
    }
    static std::string counter()
    {
        // "05_02_score_0N.<ext>": the digit N of each.
        return ScriptFixture::unit("03_03_game_counter_num1")->getTextureName().substr(13, 1) +
               ScriptFixture::unit("03_03_game_counter_num2")->getTextureName().substr(13, 1);
    }
    static bool overlayShown(const char* o) { return ScriptFixture::overlay(o)->isVisible(); }

    PuzzleFixture fx;
    tq::OverlayScope overlays;
    CObject* object = nullptr;
    Darts* game = nullptr;
};

TEST_F(DartsGame, ANewGameHasATargetAndEveryDartInTheHand)
{
    create();
    ASSERT_TRUE(CVirtualScript::isGameEndSet(4, 23));
    EXPECT_GE(saved(5), 15);
    EXPECT_LE(saved(5), 40);
    for (int i = 0; i < Darts::kDarts; ++i)
        EXPECT_EQ(saved(i), 0);
    // The counter waits hidden for the panel.
    ASSERT_NE(ScriptFixture::element("NUM2"), nullptr);
    EXPECT_FALSE(overlayShown("Minigame31"));
    EXPECT_FALSE(overlayShown("Minigame31FX"));
    EXPECT_FALSE(PuzzleFixture::shown("04_minigame_23.scene"));
    EXPECT_EQ(gApp.mSceneMgr->getSceneNode("04_minigame_23.scene")->getParentSceneNode()->getName(), "Camera");
}

TEST_F(DartsGame, TheZoneOpensAndClosesThePanel)
{
    saveDarts({0, 0, 4, 0, 0}, 20);
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    create();
    send(1);
    fx.engine->frame(0.02f);
    EXPECT_TRUE(PuzzleFixture::shown("04_minigame_23.scene"));
    EXPECT_TRUE(overlayShown("Minigame31"));
    EXPECT_TRUE(overlayShown("Minigame31FX"));
    EXPECT_EQ(notes("interface"), Calls{note(16023, nullptr)});
    EXPECT_EQ(counter(), "09");
    EXPECT_EQ(PuzzleFixture::position("04_06_game_drotik_04"), vec3(-27.051f, 0.0f, -85.399f));
    EXPECT_NEAR(PuzzleFixture::position("04_06_game_drotik_00").y, -14.408f, 1e-4f);

    send(2010);
    EXPECT_EQ(notes("interface").size(), 2u);
    send(2);
    EXPECT_FALSE(PuzzleFixture::shown("04_minigame_23.scene"));
    EXPECT_FALSE(overlayShown("Minigame31"));
    EXPECT_FALSE(overlayShown("Minigame31FX"));
    EXPECT_EQ(game->timer, 0);
}

TEST_F(DartsGame, SectorsRunRoundFromTheTopWithTheirPoints)
{
    open();
    const int points[] = {0, 1, 10, 2, 9, 3, 8, 4, 7, 5, 6};
    for (int s = 1; s <= 10; ++s)
    {
        EXPECT_EQ(Darts::numbers(s), points[s]) << s;
        EXPECT_EQ(game->getNum(over(s)), s) << s;
        EXPECT_EQ(game->getNum(game->getPos(0, s)), s) << s; // a dart's place lies in its sector
    }
    struct Case
    {
        vec3 point;
        int sector;
    };
    for (const Case& c : {Case{over(1, 15.0f) + vec3(-3.0f, 0.0f, 0.0f), 1}, // just left of the top: still 1
                          Case{over(3, 28.9f), 3}, Case{over(3, 29.05f), 0}, Case{over(7, 40.0f), 0},
                          Case{kCentre, 1}})
        EXPECT_EQ(game->getNum(c.point), c.sector) << c.point;
}

TEST_F(DartsGame, ADartSticksInAFreeSectorAndFliesHomeOtherwise)
{
    saveDarts({0, 0, 0, 0, 0}, 40);
    open();
    drag(0, over(2));
    EXPECT_TRUE(PuzzleFixture::played("01_snd_01"));
    EXPECT_TRUE(PuzzleFixture::played("23_snd_00"));
    EXPECT_EQ(saved(0), 2);
    EXPECT_EQ(counter(), "10"); // counted while it still flies
    fx.engine->frames(3, 0.2f);
    const vec3 stuck = game->darts[0].current;
    EXPECT_NEAR(stuck.x, over(2).x, 0.05f);
    EXPECT_FLOAT_EQ(stuck.z, -114.76f);
    EXPECT_EQ(PuzzleFixture::position("04_06_game_drotik_00"), stuck);

    struct Miss
    {
        int dart;
        vec3 point;
    };
    for (const Miss& m : {Miss{1, over(2, 10.0f)}, Miss{2, over(5, 35.0f)}})
    {
        PuzzleFixture::hush();
        drag(m.dart, m.point);
        EXPECT_TRUE(PuzzleFixture::played("01_snd_03")) << m.dart;
        EXPECT_EQ(saved(m.dart), 0);
        fx.engine->frames(3, 0.2f);
        EXPECT_EQ(game->darts[m.dart].current, game->getPos(m.dart, 0));
    }
    EXPECT_EQ(counter(), "10");

    // A dart taken out of the board frees its sector at once.
    send(10000);
    PuzzleFixture::aim(stuck, true);
    fx.engine->frame(0.02f);
    EXPECT_EQ(saved(0), 2); // saved again only when dropped
    EXPECT_EQ(game->occupied[2], 0);
    EXPECT_EQ(counter(), "00");
}

TEST_F(DartsGame, TheRightSumSolvesThePanelOnceEveryDartIsAtRest)
{
    saveDarts({1, 3, 5, 7, 0}, 15);
    open();
    EXPECT_EQ(counter(), "10");
    drag(4, over(2)); // 1 + 2 + 3 + 4 + 10: too much
    fx.engine->frames(3, 0.2f);
    EXPECT_EQ(counter(), "20");
    EXPECT_TRUE(notes("04_06_az_darts_npm").empty());
    EXPECT_EQ(game->gameOver, 0);

    send(10004);
    PuzzleFixture::aim(game->darts[4].current, true);
    fx.engine->frame(0.02f);
    fx.engine->frames(10, 0.2f); // held still: the dart glides onto the cursor
    PuzzleFixture::aim(over(9), true);
    fx.engine->frame(0.02f);
    PuzzleFixture::aim(over(9), false);
    fx.engine->frame(0.02f);
    EXPECT_EQ(counter(), "15");
    EXPECT_TRUE(notes("04_06_az_darts_npm").empty()); // still in flight
    fx.engine->frames(3, 0.2f);
    EXPECT_EQ(notes("04_06_az_darts_npm"), Calls{note(555, object)});
    EXPECT_TRUE(PuzzleFixture::played("01_snd_00"));
    EXPECT_EQ(CVirtualScript::getVarI(CVirtualScript::makeGameArrayKey(4, 23, -1)), 1);

    // Solved: presses do nothing.
    const vec3 before = game->darts[0].current;
    drag(0, over(10));
    fx.engine->frames(3, 0.2f);
    EXPECT_EQ(game->darts[0].current, before);
    EXPECT_EQ(notes("04_06_az_darts_npm").size(), 1u);
}

TEST_F(DartsGame, ASavedGamePutsDartsOnTheirSectorsAndADamagedOneIsMended)
{
    saveDarts({6, 0, 14, 10, -3}, 99);
    open();
    const std::string log = fx.engine->log();
    EXPECT_NE(log.find("[4_23_variable_2] = 14 is out of range"), std::string::npos);
    EXPECT_NE(log.find("[4_23_variable_5] = 99 is out of range"), std::string::npos);
    // Six degrees past the sector's centre line, 23.2 from the centre.
    const float a = (36.0f * 6 - 30.0f) * 3.14f / 180.0f;
    const vec3 place = PuzzleFixture::position("04_06_game_drotik_00");
    EXPECT_NEAR(place.x, kCentre.x + 23.2f * std::sin(a), 1e-4f);
    EXPECT_NEAR(place.y, kCentre.y + 23.2f * std::cos(a), 1e-4f);
    EXPECT_FLOAT_EQ(place.z, -114.76f);
    EXPECT_EQ(PuzzleFixture::position("04_06_game_drotik_02"), game->getPos(2, 0));
    EXPECT_EQ(PuzzleFixture::position("04_06_game_drotik_04"), game->getPos(4, 0));
    EXPECT_EQ(counter(), "14");
}
} // namespace
