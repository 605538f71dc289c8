// The sign-phrase puzzle on the headless engine: two rows of sign objects,
// sixteen tiles and four highlights under the board group, the rows'
// backgrounds that fix where the rows lie, and the plain-text rows in an
// overlay; the pointer drags the tiles, whose focus codes come as their
// pieces send them.
#include "02_minigame_02.h"
#include "BoardFixture.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>

#include <gtest/gtest.h>

#include <functional>

namespace
{
using tq::note;
using tq::notes;

const float kDepth = 99.4874f;
const int kTiles = 16;

const char* const kOverlays = R"(
template container Panel(Minigame02Textrow)
{
    metrics_mode relative
}
)";

// A fixed puzzle: the rows' signs, and the order in which each row is cut
// into its tiles.
const int kRows[40] = {2, 2, 1, 3, 1, 3, 0, 1, 2, 3, 0, 1, 2, 0, 3, 1, 0, 2, 1, 3,
                       3, 0, 2, 2, 1, 0, 3, 3, 1, 2, 0, 1, 3, 2, 2, 0, 1, 3, 0, 1};
const int kCut[2][8] = {{0, 1, 4, 5, 8, 9, 12, 13}, {2, 3, 6, 7, 10, 11, 14, 15}};

int lengthOf(int tile)
{
    return tile / 4 + 1;
}

/// The fixed puzzle with every tile on the table (tile i at x = 5 + 6 i,
/// y = 40); home[i] is the row place the cut gave tile i.
struct Layout
{
    std::vector<int> values = std::vector<int>(170);
    int home[kTiles] = {};
    Layout()
    {
        for (int s = 0; s < 40; ++s)
            values[s] = kRows[s];
        for (int row = 0; row < 2; ++row)
        {
            int p = 20 * row;
            for (int tile : kCut[row])
            {
                home[tile] = p;
                for (int k = 0; k < lengthOf(tile); ++k)
                    values[40 + 4 * tile + k] = kRows[p + k];
                p += lengthOf(tile);
            }
        }
        for (int i = 0; i < kTiles; ++i)
        {
            values[110 + 2 * i] = 5 + 6 * i;
            values[111 + 2 * i] = 40;
            values[150 + i] = -1;
        }
    }
    Layout& place(int tile, int p)
    {
        values[150 + tile] = p;
        return *this;
    }
    Layout& placeAllBut(std::initializer_list<int> onTable)
    {
        for (int i = 0; i < kTiles; ++i)
            if (std::find(onTable.begin(), onTable.end(), i) == onTable.end())
                place(i, home[i]);
        return *this;
    }
};

class Phrase : public ::testing::Test, public tq::BoardFixture
{
protected:
    Phrase() : BoardFixture("02_minigame_02") {}

    void SetUp() override
    {
        overlayScript(kOverlays);
        material("Fonts/Textrow");
        text(6050, "SUN");
        text(6051, "MOONRISE");
        for (const char* m : {"02_03_game_letter/sign_00", "02_03_game_letter/sign_01", "02_03_game_letter/sign_02",
                              "02_03_game_letter/sign_03", "02_03_game_letter/left_00", "02_03_game_letter/left_01",
                              "02_03_game_letter/right_00", "02_03_game_letter/right_01",
                              "02_03_game_phrase/sign_empty", "02_05_game_bonussvet2"})
            material(m);
        tq::makeSectionsMesh("one.mesh", 1);
        tq::makeSectionsMesh("four.mesh", 4);
        backgrounds(20.0f, 10.0f);
        for (int s = 0; s < 40; ++s)
            tq::giveEntity(piece("02_03_game_letter_", s, vec3(s % 20 * 4.75f - 45, s < 20 ? 20 : 10, -kDepth)),
                           "one.mesh");
        for (int i = 0; i < kTiles; ++i)
        {
            tiles.push_back(piece("02_03_game_word_", i, vec3::ZERO));
            tq::giveEntity(tiles.back(), "four.mesh");
        }
        for (int h = 0; h < 4; ++h)
            highlights.push_back(piece("02_05_game_bonussvet", h, vec3::ZERO));
    }

    /// The rows' lines: row 0 at y0, row 1 at y1 (both at x 0).
    void backgrounds(float y0, float y1)
    {
        const float ys[] = {y0, y0, y1, y1};
        for (int b = 0; b < 4; ++b)
        {
            char name[32];
            std::snprintf(name, sizeof(name), "02_03_game_fon_%02d", b);
            CObject* background = gApp.findObject(name);
            if (!background)
                background = piece("02_03_game_fon_", b, vec3::ZERO);
            background->getNode()->setPosition(0, ys[b], -kDepth);
        }
    }

    void startWith(const Layout& layout, int won = 0)
    {
        saveArray(2, 2, layout.values, won);
        start();
        script = tq::HeadlessEngine::scriptOf<sc_02_minigame_02>(game);
        ASSERT_NE(script, nullptr);
    }

    /// Where a tile of tile's length lies at slot of a row whose line is at y.
    static vec3 slotPlace(int tile, int slot, float y)
    {
        return vec3(lengthOf(tile) * 4.75f / 2 + slot * 4.75f - 47.5f, y, -kDepth);
    }

    /// Takes tile i where it lies, carries it to target and lets go.
    void drag(int i, const vec3& target)
    {
        const vec3 from = at(tiles[i]);
        engine->notify(game, 10000 + i);
        pointAt(from, kDepth, false);
        engine->frame();
        pointAt(from, kDepth, true);
        engine->frame();
        pointAt(target, kDepth, true);
        engine->frame();
        pointAt(target, kDepth, false);
        engine->frame();
        engine->notify(game, 20000 + i);
        engine->frame();
    }

    int rowPlace(int i) const { return script->saved[150 + i]; }
    void settle() { engine->frames(25); }

    static void expectNear(const vec3& actual, const vec3& expected)
    {
        EXPECT_NEAR(actual.x, expected.x, 1e-3f);
        EXPECT_NEAR(actual.y, expected.y, 1e-3f);
        EXPECT_NEAR(actual.z, expected.z, 1e-3f);
    }
    static float alpha(const char* material) { return unit(material)->getAlphaBlendMode().alphaArg2; }
    static bool shown(const CObject* object) { return object->getNode()->getAttachedObject(0)->getVisible(); }

    std::vector<CObject*> tiles;
    std::vector<CObject*> highlights;
    sc_02_minigame_02* script = nullptr;
};

/// Whether the tiles can cover the row's twenty signs exactly, each once.
bool covers(const std::vector<int>& saved, int row, std::vector<int> left, int p = 0)
{
    if (p == 20)
        return left.empty();
    for (size_t n = 0; n < left.size(); ++n)
    {
        const int tile = left[n];
        bool fits = p + lengthOf(tile) <= 20;
        for (int k = 0; fits && k < lengthOf(tile); ++k)
            fits = saved[40 + 4 * tile + k] == saved[20 * row + p + k];
        if (!fits)
            continue;
        std::vector<int> rest = left;
        rest.erase(rest.begin() + static_cast<long>(n));
        if (covers(saved, row, rest, p + lengthOf(tile)))
            return true;
    }
    return false;
}

TEST_F(Phrase, ANewGameCutsEachRowIntoItsHalfOfTheTiles)
{
    script = tq::HeadlessEngine::scriptOf<sc_02_minigame_02>(start());
    for (int round = 0; round < 20; ++round)
    {
        if (round > 0)
            script->genData();
        int won = -1;
        const std::vector<int> s = savedArray(2, 2, 170, &won);
        EXPECT_EQ(won, 0);
        for (int i = 0; i < 40; ++i)
            ASSERT_TRUE(s[i] >= 0 && s[i] < 4);
        ASSERT_TRUE(covers(s, 0, {0, 1, 4, 5, 8, 9, 12, 13})) << round;
        ASSERT_TRUE(covers(s, 1, {2, 3, 6, 7, 10, 11, 14, 15})) << round;
        for (int i = 0; i < kTiles; ++i)
        {
            for (int k = lengthOf(i); k < 4; ++k)
                EXPECT_EQ(s[40 + 4 * i + k], 0);
            EXPECT_TRUE(s[110 + 2 * i] >= 0 && s[110 + 2 * i] < 100);
            EXPECT_TRUE(s[111 + 2 * i] >= 0 && s[111 + 2 * i] < 100);
            EXPECT_EQ(s[150 + i], -1);
        }
        for (int unused : {104, 109, 142, 149, 166, 169})
            EXPECT_EQ(s[unused], 0);
    }
}

TEST_F(Phrase, TheBoardShowsTheSignsAndTheTilesWhereTheyLie)
{
    startWith(Layout().place(4, 2).place(3, 21));
    for (int s : {0, 3, 19, 20, 39})
        EXPECT_EQ(tq::subMaterial(gApp.findObject("02_03_game_letter_" + std::string(s < 10 ? "0" : "") +
                                                  std::to_string(s)),
                                  0),
                  "02_03_game_letter/sign_0" + std::to_string(kRows[s]));
    // Tile 12 carries four signs; a tile of one sign keeps its other
    // sub-entities as the scene made them.
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(tq::subMaterial(tiles[12], k), "02_03_game_letter/sign_0" + std::to_string(kRows[12 + k]));
    EXPECT_EQ(tq::subMaterial(tiles[0], 1), "BaseWhite");
    // On the table: x 5 + 6 i of 0..100 over -48..48, y 40 over -5..-35.
    expectNear(at(tiles[7]), vec3(0.47f * 96 - 48, -17, -kDepth));
    expectNear(at(tiles[4]), slotPlace(4, 2, 20));
    expectNear(at(tiles[3]), slotPlace(3, 1, 10));
    for (CObject* h : highlights)
        EXPECT_FALSE(shown(h));
    EXPECT_EQ(script->occupied[0][2] + script->occupied[0][3] + script->occupied[1][1], 3);
}

TEST_F(Phrase, ATileStaysOnlyWhereItsSignsMatchFreePlaces)
{
    startWith(Layout());
    // Tile 4 (signs 1 3) on its slot 2 of row 0.
    drag(4, slotPlace(4, 2, 20));
    EXPECT_EQ(rowPlace(4), 2);
    settle();
    expectNear(at(tiles[4]), slotPlace(4, 2, 20) + vec3(0, 0, 0.04f));

    // Tile 5 carries the same signs, but the places are taken: it falls
    // where it was dropped, pulled inside the table.
    drag(5, slotPlace(5, 2, 20));
    EXPECT_EQ(rowPlace(5), -1);
    EXPECT_EQ(script->saved[111 + 2 * 5], 0) << "pulled down to the table's top";
    settle();
    EXPECT_NEAR(at(tiles[5]).y, -5.0f, 1e-3f);
    EXPECT_NEAR(at(tiles[5]).x, slotPlace(5, 2, 20).x, 1e-3f);

    // Tile 0 (sign 2) does not fit slot 6 (sign 0); tile 12 would reach
    // past slot 19.
    drag(0, slotPlace(0, 6, 20));
    EXPECT_EQ(rowPlace(0), -1);
    drag(12, slotPlace(12, 17, 20));
    EXPECT_EQ(rowPlace(12), -1);

    // Picked up, tile 4 frees its places: tile 5 now fits there, and a
    // drop beside the rows lies on the table where it fell.
    drag(4, vec3(10, 0, 0));
    EXPECT_EQ(rowPlace(4), -1);
    EXPECT_EQ(script->saved[110 + 2 * 4], 60);
    EXPECT_EQ(script->saved[111 + 2 * 4], 0);
    drag(5, slotPlace(5, 2, 20));
    EXPECT_EQ(rowPlace(5), 2);
}

TEST_F(Phrase, EachRowCapturesInItsOwnBandAndRowOneWinsWhereBothDo)
{
    startWith(Layout());
    // Tile 2 (sign 3) fits slot 3 of row 0 and slot 0 of row 1.
    drag(2, slotPlace(2, 3, 20) + vec3(0, 2.4f, 0));
    EXPECT_EQ(rowPlace(2), -1) << "outside row 0's band";
    drag(2, slotPlace(2, 3, 20) + vec3(0, 2.25f, 0));
    EXPECT_EQ(rowPlace(2), 3);
    drag(2, slotPlace(2, 0, 10) - vec3(0, 2.35f, 0));
    EXPECT_EQ(rowPlace(2), 20) << "inside row 1's wider band";

    // Rows 4 units apart: between them both capture, and row 1 takes tile
    // 3 (sign 0, which both rows have at slot 10).
    engine->notify(game, 1300);
    engine->frame();
    backgrounds(20.0f, 16.0f);
    engine->notify(game, 1200, starter());
    engine->frames(2);
    drag(3, slotPlace(3, 10, 18));
    EXPECT_EQ(rowPlace(3), 30);
}

TEST_F(Phrase, CoveringBothRowsWinsAndThePlainTextFadesIn)
{
    // Tiles 0 and 1 carry the same sign: either fits either place.
    Layout layout;
    startWith(layout.placeAllBut({0, 1}));
    EXPECT_FALSE(ScriptFixture::overlay("Textrows")->isVisible());
    drag(1, slotPlace(1, 0, 20));
    EXPECT_EQ(script->won, 0);
    drag(0, slotPlace(0, 1, 20));
    EXPECT_EQ(script->won, 1);
    EXPECT_EQ(notes("00_minigame_interf"), std::vector<std::string>{note(1100, game)});
    EXPECT_NE(engine->log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_TRUE(ScriptFixture::overlay("Textrows")->isVisible());

    // Over three seconds the text comes and the signs go.
    engine->frames(15, 0.1f);
    EXPECT_NEAR(alpha("Fonts/Textrow"), 0.5f, 0.05f);
    EXPECT_NEAR(alpha("02_03_game_letter/right_01"), 0.5f, 0.05f);
    engine->frames(20, 0.1f);
    EXPECT_FLOAT_EQ(alpha("Fonts/Textrow"), 1.0f);
    EXPECT_FLOAT_EQ(alpha("02_03_game_letter/sign_02"), 0.0f);

    // Won, tiles are no longer taken.
    drag(2, vec3(0, -20, 0));
    EXPECT_EQ(rowPlace(2), layout.home[2]);
    EXPECT_EQ(notes("00_minigame_interf").size(), 1u);

    // Closing hides the text again.
    engine->notify(game, 1300);
    engine->frame();
    EXPECT_FALSE(ScriptFixture::overlay("Textrows")->isVisible());
    EXPECT_FALSE(boardShown());
    EXPECT_EQ(game->mTimers.live, 0);
}

TEST_F(Phrase, ASavedFullCoveringWinsAgainAtTheStart)
{
    startWith(Layout().placeAllBut({}), 1);
    engine->frame();
    EXPECT_EQ(notes("00_minigame_interf"), std::vector<std::string>{note(1100, game)});
}

TEST_F(Phrase, ThePlainTextStandsCentredInTheRowsCells)
{
    script = tq::HeadlessEngine::scriptOf<sc_02_minigame_02>(start());
    // "SUN" in cells 9..11 of row 0, "MOONRISE" in cells 6..13 of row 1.
    EXPECT_EQ(caption("Row0009"), "S");
    EXPECT_EQ(caption("Row0011"), "N");
    EXPECT_EQ(element("Row0008"), nullptr);
    EXPECT_EQ(element("Row0012"), nullptr);
    EXPECT_EQ(caption("Row0106"), "M");
    EXPECT_EQ(caption("Row0113"), "E");
    EXPECT_EQ(element("Row0114"), nullptr);
    EXPECT_NEAR(element("Row0010")->getLeft(), 0.125f + 10 * 0.0394f, 1e-5f);
    EXPECT_NEAR(element("Row0110")->getTop(), 0.45f, 1e-5f);
    EXPECT_EQ(element("Row0010")->getMaterialName(), "Fonts/Textrow");
    EXPECT_TRUE(script->textRows[1].letters[13].shown);
    EXPECT_FALSE(script->textRows[1].letters[14].shown);

    // The game's end takes the overlay with it.
    CMessage destroy;
    destroy.target = game;
    destroy.type = MSG_DESTROY;
    gApp.postMessage(destroy);
    engine->frame();
    EXPECT_EQ(ScriptFixture::overlay("Textrows"), nullptr);
    EXPECT_EQ(element("Row0009"), nullptr);
}

TEST_F(Phrase, TheHighlightFollowsTheFocusedTileAndFadesOut)
{
    startWith(Layout());
    const auto value = [] { return unit("02_05_game_bonussvet2")->getColourBlendMode().colourArg2.r; };
    // Tile 9 carries three signs: highlight 2.
    engine->notify(game, 10009);
    engine->frame(0.1f);
    EXPECT_TRUE(shown(highlights[2]));
    EXPECT_NEAR(value(), 0.3f, 1e-4f);
    engine->frame(0.1f);
    expectNear(at(highlights[2]), at(tiles[9]));
    EXPECT_NEAR(value(), 0.6f, 1e-4f);

    // Another tile switches at once; the brightness goes on.
    engine->notify(game, 10013);
    engine->frames(2, 0.1f);
    EXPECT_FALSE(shown(highlights[2]));
    EXPECT_TRUE(shown(highlights[3]));
    expectNear(at(highlights[3]), at(tiles[13]));
    EXPECT_FLOAT_EQ(value(), 1.0f);

    // Left, it fades at one unit a second and hides at 0.
    engine->notify(game, 20013);
    engine->frames(5, 0.1f);
    EXPECT_NEAR(value(), 0.5f, 1e-4f);
    EXPECT_TRUE(shown(highlights[3]));
    engine->frames(6, 0.1f);
    EXPECT_FLOAT_EQ(value(), 0.0f);
    EXPECT_FALSE(shown(highlights[3]));
}

TEST_F(Phrase, PauseHintSaveAndDamagedRowPlaces)
{
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    // Tile 12 would reach past the row's end, tile 6 past the second row.
    startWith(Layout().place(12, 18).place(6, 40).place(4, 2));
    EXPECT_NE(engine->log().find("saved row place 18 of tile 12"), std::string::npos);
    EXPECT_NE(engine->log().find("saved row place 40 of tile 6"), std::string::npos);
    EXPECT_EQ(rowPlace(12), -1);
    EXPECT_EQ(rowPlace(6), -1);
    EXPECT_EQ(rowPlace(4), 2);
    expectNear(at(tiles[12]), vec3(0.77f * 96 - 48, -17, -kDepth));
    engine->frame();
    EXPECT_EQ(notes("interface"), std::vector<std::string>{note(16002, nullptr)});

    engine->notify(game, 1400);
    drag(0, slotPlace(0, 0, 20));
    EXPECT_EQ(rowPlace(0), -1);
    engine->notify(game, 1500);
    drag(0, slotPlace(0, 0, 20));
    EXPECT_EQ(rowPlace(0), 0);

    engine->notify(game, 2000);
    engine->frames(2);
    EXPECT_EQ(savedArray(2, 2, 170)[150], 0);
    EXPECT_EQ(savedArray(2, 2, 170)[150 + 12], -1);
    EXPECT_EQ(notes("interface").back(), note(100, nullptr));
}

TEST_F(Phrase, ASecondStartKeepsOneTick)
{
    start();
    // The starter's start code again (a game opened twice): still one tick.
    engine->notify(game, 1200, starter());
    engine->frame();
    EXPECT_EQ(game->mTimers.live, 1);
}
} // namespace
