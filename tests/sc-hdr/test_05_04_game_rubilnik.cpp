// A lever of the wagon ride: numbered from 0 though the room numbers it from
// 1, its release names the lever, and the cursor shows the hot spot only
// while the sparkle help is on but turns normal on leaving in any case.
#include "PieceFixture.h"

namespace
{
using tq::Told;
using Piece0504gamerubilnik = tq::PieceFixture;

TEST_F(Piece0504gamerubilnik, TheFirstLeverIsNumberZeroAndNamesItselfOnRelease)
{
    CObject* p = piece("05_04_az_Rubilnik_1", "05_04_game_rubilnik.sc", "05_minigame_25");
    EXPECT_EQ(mouseEvents(p, "05_minigame_25"),
              (Told{"10000", "20000", "30000", "40000 from 05_04_az_Rubilnik_1"}));
}

TEST_F(Piece0504gamerubilnik, TheHotSpotCursorOnlyWithTheSparkle)
{
    CObject* p = piece("05_04_az_Rubilnik_3", "05_04_game_rubilnik.sc", "05_minigame_25");
    watchCursor();
    hover(p);
    EXPECT_EQ(cursor(), ""); // no sparkle: nothing changes
    hover(nullptr);
    EXPECT_EQ(cursor(), "normal");

    CVirtualScript::setVarI("az_sparkle", 1);
    watchCursor();
    hover(p);
    EXPECT_EQ(cursor(), "hotspot");
    hover(nullptr);
    EXPECT_EQ(cursor(), "normal");
    EXPECT_EQ(told("05_minigame_25"), (Told{"10002", "20002", "10002", "20002"}));
}
} // namespace
