// A palette box of the symbol grid in room 05_02: the game hears its four
// mouse events as its number in the codes of focus, loss of focus, button
// down and up; without the game in the room the piece warns once and its
// reports go nowhere.
#include "05_02_game_box.h"
#include "PieceFixture.h"

namespace
{
using Piece0502gamebox = tq::PieceFixture;

TEST_F(Piece0502gamebox, ReportsItsSymbolToTheGrid)
{
    CObject* p = piece("05_02_game_box_07", "05_02_game_box.sc", "05_minigame_10");
    EXPECT_EQ(mouseEvents(p, "05_minigame_10"), reports(7));
}

TEST_F(Piece0502gamebox, WithoutItsGameTheRoomGoesOn)
{
    engine.clearLog();
    CObject* p = piece("05_02_game_box_01", "05_02_game_box.sc", nullptr);
    const std::string warning = "\nWARNING: Can't find object [05_minigame_10] by name!";
    const std::string log = engine.log();
    ASSERT_NE(log.find(warning), std::string::npos);
    EXPECT_EQ(log.find(warning, log.find(warning) + 1), std::string::npos);

    // A game that comes later is not found: the reports stay lost.
    spies({"05_minigame_10"});
    EXPECT_TRUE(mouseEvents(p, "05_minigame_10").empty());
    EXPECT_EQ(tq::HeadlessEngine::scriptOf<sc_05_02_game_box>(p)->target, 0u);
}
} // namespace
