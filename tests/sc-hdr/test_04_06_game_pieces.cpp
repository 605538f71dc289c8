// The clickable pieces of room 04_06: darts, template cards, templates and
// the levers of the code generator each report their four mouse events to
// the game that owns them, numbered by their node name; a lever also shows
// the hot-spot cursor while the sparkle help is on.
#include "04_06_game_drotik_00.h"
#include "04_06_game_page.h"
#include "04_06_game_rubilnik.h"
#include "04_06_game_template.h"
#include "PieceFixture.h"

#include <set>
#include <string>

namespace
{
using tq::Told;
using Pieces0406 = tq::PieceFixture;

struct PieceCase
{
    const char* object;
    const char* script;
    const char* game;
    int number;
};

const PieceCase kPieces[] = {
    {"04_06_game_drotik_03", "04_06_game_drotik_00.sc", "04_minigame_23", 3},
    {"04_06_game_page_07", "04_06_game_page.sc", "04_minigame_09", 7},
    {"04_06_game_template_09", "04_06_game_template.sc", "04_minigame_09", 9},
    {"04_06_az_generator_koda_04", "04_06_game_rubilnik.sc", "04_06_az_generator_koda_mg", 4},
    // Without a number after the prefix the piece is number 0.
    {"04_06_game_page_", "04_06_game_page.sc", "04_minigame_09", 0},
};

TEST_F(Pieces0406, EachPieceReportsItsNumberToItsGame)
{
    std::set<std::string> spied;
    for (const PieceCase& c : kPieces)
    {
        SCOPED_TRACE(c.object);
        CObject* p = piece(c.object, c.script, spied.insert(c.game).second ? c.game : nullptr);
        EXPECT_EQ(mouseEvents(p, c.game), reports(c.number));
    }
}

TEST_F(Pieces0406, WithoutItsGameAPieceWarnsOnceAndDropsItsEvents)
{
    CObject* p = piece("04_06_game_drotik_01", "04_06_game_drotik_00.sc", nullptr);
    const std::string log = engine.log();
    const std::string warning = "\nWARNING: Can't find object [04_minigame_23] by name!";
    ASSERT_NE(log.find(warning), std::string::npos);
    EXPECT_EQ(log.find(warning, log.find(warning) + 1), std::string::npos);
    spies({"04_minigame_23"}); // appears too late: the piece keeps its 0
    EXPECT_TRUE(mouseEvents(p, "04_minigame_23").empty());
}

TEST_F(Pieces0406, TheLeverShowsTheHotSpotCursorOnlyWithTheSparkle)
{
    CObject* p = piece("04_06_az_generator_koda_02", "04_06_game_rubilnik.sc", "04_06_az_generator_koda_mg");
    watchCursor();
    hover(p);
    EXPECT_EQ(cursor(), "");
    hover(nullptr);
    EXPECT_EQ(cursor(), "normal"); // left: the plain cursor even without the sparkle

    CVirtualScript::setVarI("az_sparkle", 1);
    watchCursor();
    hover(p);
    EXPECT_EQ(cursor(), "hotspot");
    hover(nullptr);
    EXPECT_EQ(cursor(), "normal");
    EXPECT_EQ(told("04_06_az_generator_koda_mg"), (Told{"10002", "20002", "10002", "20002"}));
}
} // namespace
