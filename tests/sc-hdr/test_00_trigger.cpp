// The trigger: it opens once (click or 100), closes once (200), hides itself,
// and shows the sparkle cursor and its hint under the cursor.
#include "00_trigger.h"
#include "ZoneFixture.h"

namespace
{
using tq::Told;

class Trigger00 : public tq::ZoneFixture
{
};

TEST_F(Trigger00, OpensAndClosesOnceEach)
{
    spies({"gate"});
    CObject* lever = prop("lever", "00_trigger.sc",
                          {{"anim_script", "gate"}, {"anim_open_msg", "100"}, {"anim_close_msg", "200"}});
    engine.frame();
    EXPECT_TRUE(visible(lever));

    engine.click(lever);
    engine.frames(2);
    EXPECT_EQ(told("gate"), (Told{"100"}));
    EXPECT_FALSE(visible(lever));

    // Open: a second click or 100 sends nothing.
    engine.click(lever);
    engine.notify(lever, 100);
    engine.frames(2);
    EXPECT_TRUE(told("gate").empty());

    engine.notify(lever, 200);
    engine.frames(2);
    EXPECT_EQ(told("gate"), (Told{"200"}));
    EXPECT_FALSE(visible(lever)); // stays hidden

    // Closed: 200 sends nothing; only a notification opens it again.
    engine.notify(lever, 200);
    engine.frames(2);
    EXPECT_TRUE(told("gate").empty());
    engine.notify(lever, 100);
    engine.frames(2);
    EXPECT_EQ(told("gate"), (Told{"100"}));
}

TEST_F(Trigger00, WithoutAnAnimationScriptTheCodesGoNowhere)
{
    CObject* bare = prop("bare", "00_trigger.sc", {{"anim_open_msg", "5"}});
    CObject* lost = prop("lost", "00_trigger.sc", {{"anim_script", "no_gate"}, {"anim_open_msg", "5"}});
    engine.frame();
    EXPECT_EQ(engine.log().find("[no_gate]") != std::string::npos, true);
    EXPECT_EQ(engine.log().find("WARNING: Can't find object [] by name!"), std::string::npos);
    engine.click(bare);
    engine.click(lost);
    engine.frames(2);
    EXPECT_FALSE(visible(bare));
    EXPECT_FALSE(visible(lost));
}

TEST_F(Trigger00, FocusShowsTheSparkleAndTheHint)
{
    spies({"00_hint"});
    CObject* lever = prop("lever", "00_trigger.sc", {{"hint", "33"}});
    engine.frame();
    struct Case
    {
        int sparkle;
        const char* focus;
    } cases[] = {{1, "hotspot"}, {0, ""}};
    for (const Case& c : cases)
    {
        CVirtualScript::setVarI("az_sparkle", c.sparkle);
        watchCursor();
        hover(lever);
        EXPECT_EQ(cursor(), c.focus);
        watchCursor();
        hover(nullptr);
        EXPECT_EQ(cursor(), "normal");
        EXPECT_EQ(told("00_hint"), (Told{"33 from lever", "100 from lever"}));
    }
}
} // namespace
