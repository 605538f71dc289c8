// The stained-glass puzzle on the headless engine: a new game's scattered
// pieces, dragging a piece into its place (snapped in only when upright),
// drops beyond the board's edge, quarter turns by a click on the centre,
// the arrow over the hovered piece, fixed pieces, the win, the frame's codes
// and a restored or damaged save.
#include "04_minigame_35.h"
#include "PuzzleFixture.h"

#include <OgreTextureUnitState.h>

#include <array>
#include <vector>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
using tq::PuzzleFixture;
using tq::ScriptFixture;

using Glass = sc_04_minigame_35;
const char* const kArrow = "Minigame35Overlay";

/// Grid x, grid y, fixed, quarter turns.
typedef std::array<int, 4> Saved;

class GlassGame : public ::testing::Test
{
protected:
    GlassGame() : fx({"01_snd_00", "01_snd_01", "01_snd_02", "01_snd_03"}) {}

    void SetUp() override
    {
        for (const char* spy : {"00_minigame_starter", "00_minigame_interf", "interface"})
            fx.engine->addRecorder(spy);
        fx.engine->addObject("Camera");
        Ogre::SceneNode* group = fx.piece("04_minigame_35.scene")->getNode();
        for (int i = 0; i < Glass::kPieces; ++i)
            fx.piece(name(i), group)->getNode()->setPosition(place(i));
        ScriptFixture::material("minigame_35_arrow");
    }

    static std::string name(int i)
    {
        char text[64];
        std::snprintf(text, sizeof(text), "04_02_game_vitraj_%02d", i);
        return text;
    }
    static vec3 place(int i) { return vec3(-25.0f + 5.0f * i, -10.0f + 2.0f * i, -115.0f); }

    /// Every piece fixed but the ones given.
    static void saveLayout(const std::vector<std::pair<int, Saved>>& loose, int over = 0)
    {
        int data[Glass::kSaved] = {};
        for (int i = 0; i < Glass::kPieces; ++i)
            data[4 * i + 2] = 1;
        for (const auto& l : loose)
            for (int k = 0; k < 4; ++k)
                data[4 * l.first + k] = l.second[k];
        CVirtualScript::saveGameArray(Glass::kSaved, 2, 35, data, &over);
    }
    static void saveThreeLoose()
    {
        saveLayout({{0, {10, 50, 0, 0}}, {1, {80, 20, 0, 1}}, {2, {85, 90, 0, 3}}});
    }
    static int saved(int index) { return CVirtualScript::getVarI(CVirtualScript::makeGameArrayKey(2, 35, index)); }

    void create()
    {
        object = fx.engine->addObject("04_minigame_35", "04_minigame_35.sc");
        fx.engine->frame();
        game = tq::HeadlessEngine::scriptOf<Glass>(object);
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
        fx.engine->frame(0.002f);
        fx.engine->frame(0.002f); // what the game sent in answer arrives
    }
    vec3 at(int i) const { return game->pieces[i].current; }
    void press(const vec3& point, bool down)
    {
        PuzzleFixture::aim(point, down);
        fx.engine->frame(0.02f);
    }
    /// Presses on piece i, drags it to point, lets go and lets it settle.
    void drag(int i, const vec3& point)
    {
        send(10000 + i);
        press(at(i), true);
        press(point, true);
        press(point, false);
        send(20000 + i);
        fx.engine->frames(3, 0.2f);
    }
    /// A click on the centre of piece i, then time to turn.
    void turn(int i)
    {
        send(10000 + i);
        press(at(i), true);
        press(at(i), false);
        fx.engine->frames(3, 0.2f);
    }
    size_t wins() const
    {
        const std::string log = fx.engine->log();
        size_t count = 0;
        for (size_t at = log.find("\nYOU WIN !!!"); at != std::string::npos; at = log.find("\nYOU WIN !!!", at + 1))
            ++count;
        return count;
    }
    static bool arrowShown() { return ScriptFixture::overlay(kArrow)->isVisible(); }

    PuzzleFixture fx;
    tq::OverlayScope overlays;
    CObject* object = nullptr;
    Glass* game = nullptr;
};

TEST_F(GlassGame, ANewGameScattersTurnedPiecesInTheMargins)
{
    create();
    ASSERT_TRUE(CVirtualScript::isGameEndSet(2, 35));
    EXPECT_FALSE(CVirtualScript::isGameEndSet(4, 35));
    for (int i = 0; i < Glass::kPieces; ++i)
    {
        const int x = saved(4 * i);
        EXPECT_TRUE((x >= 0 && x < 30) || (x >= 70 && x < 100)) << x;
        EXPECT_GE(saved(4 * i + 1), 0);
        EXPECT_LE(saved(4 * i + 1), 99);
        EXPECT_EQ(saved(4 * i + 2), 0);
        EXPECT_GE(saved(4 * i + 3), 0);
        EXPECT_LE(saved(4 * i + 3), 3);
    }
    ASSERT_NE(ScriptFixture::element("Minigame35OverlayPan"), nullptr);
    EXPECT_FALSE(arrowShown());
    EXPECT_FALSE(PuzzleFixture::shown("04_minigame_35.scene"));
}

TEST_F(GlassGame, StartLaysOutTheSavedBoard)
{
    saveThreeLoose();
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    create();
    fx.engine->notify(object, 1200, gApp.findObject("00_minigame_starter"));
    fx.engine->frames(2);
    EXPECT_TRUE(PuzzleFixture::shown("04_minigame_35.scene"));
    EXPECT_EQ(notes("interface"), Calls{note(16046, nullptr)});
    EXPECT_EQ(PuzzleFixture::position(name(1)), vec3(30.0f, -30.0f * 0.7f, 0.03f - 114.76f));
    EXPECT_EQ(PuzzleFixture::position(name(5)), vec3(place(5).x, place(5).y, -116.5f));
    EXPECT_NEAR(gApp.mSceneMgr->getSceneNode(name(2))->getOrientation().getRoll().valueDegrees(), 90.0f, 1e-3f);
}

TEST_F(GlassGame, AnUprightPieceDroppedNearItsPlaceSnapsIn)
{
    saveThreeLoose();
    start();
    drag(0, place(0) + vec3(4.0f, -4.0f, 0.0f));
    EXPECT_TRUE(PuzzleFixture::played("01_snd_01"));
    EXPECT_TRUE(PuzzleFixture::played("01_snd_02"));
    EXPECT_EQ(game->data[2], 1);
    EXPECT_EQ(game->data[0], 25); // the grid place of the place
    EXPECT_EQ(game->data[1], 35);
    EXPECT_EQ(at(0), vec3(place(0).x, place(0).y, -116.5f));

    // Fixed pieces take no focus: no arrow, no lift, no pick-up.
    send(10000);
    press(at(0), false);
    EXPECT_FALSE(arrowShown());
    press(at(0), true);
    press(at(0) + vec3(10.0f, 0.0f, 0.0f), true);
    press(at(0) + vec3(10.0f, 0.0f, 0.0f), false);
    EXPECT_EQ(game->selected, -1);
    EXPECT_EQ(PuzzleFixture::position(name(0)), vec3(place(0).x, place(0).y, -116.5f));
}

TEST_F(GlassGame, TurnedOrOutsideTheBoardAPieceStaysLooseInside)
{
    saveThreeLoose();
    start();
    const vec3 near1 = place(1) + vec3(1.0f, 1.0f, 0.0f);
    drag(1, near1); // not upright
    EXPECT_TRUE(PuzzleFixture::played("01_snd_03"));
    EXPECT_EQ(game->data[6], 0);
    EXPECT_NEAR(at(1).x, near1.x, 0.05f);
    EXPECT_NEAR(at(1).y, near1.y, 0.05f);
    EXPECT_FLOAT_EQ(at(1).z, 0.01f - 114.76f);

    drag(0, vec3(60.0f, 40.0f, -114.76f));
    EXPECT_EQ(at(0), vec3(50.0f, 35.0f, -114.76f));
    EXPECT_EQ(game->data[0], 99); // and saved on the board
    EXPECT_EQ(game->data[1], 99);
}

TEST_F(GlassGame, ClicksOnTheCentreTurnAPieceOneWayRound)
{
    saveThreeLoose();
    start();
    turn(1);
    EXPECT_TRUE(PuzzleFixture::played("01_snd_01"));
    EXPECT_EQ(game->data[7], 2);
    EXPECT_FLOAT_EQ(game->pieces[1].angle, 180.0f);
    turn(1);
    // The fourth quarter turns on from 270 to upright.
    send(10001);
    press(at(1), true);
    press(at(1), false);
    fx.engine->frame(0.1f);
    EXPECT_GT(game->pieces[1].angle, -90.0f);
    EXPECT_LT(game->pieces[1].angle, 0.5f);
    fx.engine->frames(3, 0.2f);
    EXPECT_EQ(game->data[7], 0);
    EXPECT_FLOAT_EQ(game->pieces[1].angle, 0.0f);
    EXPECT_NEAR(gApp.mSceneMgr->getSceneNode(name(1))->getOrientation().getRoll().valueDegrees(), 0.0f, 1e-3f);

    // Upright now, it snaps into its place.
    drag(1, place(1));
    EXPECT_EQ(game->data[6], 1);
}

TEST_F(GlassGame, AReleaseAwayFromTheCentreLeavesThePieceOnTheCursor)
{
    saveThreeLoose();
    start();
    send(10002);
    const vec3 side = at(2) + vec3(4.5f, 0.0f, 0.0f);
    press(side, true);
    press(side, false);
    EXPECT_EQ(game->selected, 2);
    EXPECT_EQ(game->data[11], 3); // not turned
    press(vec3(0.0f, 0.0f, -114.76f), false);
    EXPECT_NEAR(at(2).x, -4.5f, 0.05f);
    EXPECT_NEAR(at(2).z, 1.0f - 114.76f, 0.01f); // held above the board
    // The next press, drag and release drops it.
    press(vec3(0.0f, 0.0f, -114.76f), true);
    press(vec3(5.0f, 5.0f, -114.76f), true);
    press(vec3(5.0f, 5.0f, -114.76f), false);
    EXPECT_EQ(game->selected, -1);
    EXPECT_EQ(game->state, 0);
}

TEST_F(GlassGame, TheArrowShowsOverTheCentreOfTheHoveredPiece)
{
    saveThreeLoose();
    start();
    send(10000);
    EXPECT_FALSE(arrowShown());
    press(at(0) + vec3(1.0f, 1.0f, 0.0f), false);
    EXPECT_TRUE(arrowShown());
    fx.engine->frames(2, 0.2f);
    EXPECT_NEAR(ScriptFixture::unit("minigame_35_arrow")->getAlphaBlendMode().alphaArg2, 1.0f, 1e-5f);
    const Ogre::Vector2 centre = CVirtualScript::projectPoint(at(0));
    EXPECT_NEAR(ScriptFixture::element("Minigame35OverlayPan")->getLeft(), centre.x - 0.03125f, 1e-4f);
    EXPECT_NEAR(ScriptFixture::element("Minigame35OverlayPan")->getTop(), centre.y - 1.0f / 24.0f, 1e-4f);
    EXPECT_EQ(PuzzleFixture::position(name(0)).z, at(0).z + 1.0f); // the hovered piece lifts

    press(at(0) + vec3(6.0f, 0.0f, 0.0f), false); // off the centre: it fades
    fx.engine->frame(0.5f);
    EXPECT_TRUE(arrowShown());
    EXPECT_NEAR(ScriptFixture::unit("minigame_35_arrow")->getAlphaBlendMode().alphaArg2, 0.48f, 3e-3f);
    fx.engine->frame(0.6f);
    EXPECT_FALSE(arrowShown());
}

TEST_F(GlassGame, TheLastPieceInWinsAndThenNothingMoves)
{
    saveLayout({{3, {10, 10, 0, 0}}});
    start();
    drag(3, place(3));
    EXPECT_EQ(wins(), 1u);
    EXPECT_TRUE(PuzzleFixture::played("01_snd_00"));
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, object)});
    EXPECT_FALSE(arrowShown());

    send(2010);
    EXPECT_TRUE(notes("interface").empty());
    send(1100);
    EXPECT_EQ(notes("00_minigame_starter"), Calls{note(1200, object)});
    send(1300);
    EXPECT_FALSE(PuzzleFixture::shown("04_minigame_35.scene"));
    EXPECT_EQ(CVirtualScript::getVarI(CVirtualScript::makeGameArrayKey(2, 35, -1)), 1);
    EXPECT_EQ(game->timer, 0);
}

TEST_F(GlassGame, QuitSavesHidesTheArrowAndTheNextStartKnowsThePlaces)
{
    saveThreeLoose();
    start();
    drag(1, vec3(0.0f, 0.0f, -114.76f));
    send(10000);
    press(at(0), false);
    ASSERT_TRUE(arrowShown());
    send(1300);
    EXPECT_FALSE(arrowShown());
    EXPECT_NEAR(saved(4), 50, 1); // dropped about the board's middle
    EXPECT_NEAR(saved(5), 50, 1);

    fx.engine->notify(object, 1200, gApp.findObject("00_minigame_starter"));
    fx.engine->frames(2);
    EXPECT_EQ(game->pieces[1].place, place(1));
    EXPECT_NEAR(at(1).x, saved(4) - 50.0f, 1e-4f);
    drag(1, place(1) + vec3(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(game->data[6], 0); // still turned a quarter
}

TEST_F(GlassGame, ADamagedSaveIsMendedWithAWarning)
{
    saveLayout({{0, {150, 50, 0, 7}}, {1, {20, -4, 3, 0}}});
    start();
    const std::string log = fx.engine->log();
    EXPECT_NE(log.find("[2_35_variable_0] = 150 is out of range"), std::string::npos);
    EXPECT_NE(log.find("[2_35_variable_3] = 7 is out of range"), std::string::npos);
    EXPECT_NE(log.find("[2_35_variable_5] = -4 is out of range"), std::string::npos);
    EXPECT_NE(log.find("[2_35_variable_6] = 3 is out of range"), std::string::npos);
    EXPECT_EQ(at(0), vec3(0.0f, 0.0f, -114.76f));
    EXPECT_FLOAT_EQ(game->pieces[0].angle, 0.0f);
}
} // namespace
