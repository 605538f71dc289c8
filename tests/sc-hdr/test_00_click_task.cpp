// The click hot spot: its conditions, the plain and the once-only line, the
// line of a dropped item, the click sound, hiding, the animation script, the
// 777 to the interface at once or after the line, focus and the hint.
#include "00_click_task.h"
#include "ZoneFixture.h"

#include <OgreSceneNode.h>

namespace
{
using tq::Told;

class ClickTask00 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        spies({"00_game_interface", "02_dialogs", "tutorial", "00_movies", "00_hint"});
    }
};

TEST_F(ClickTask00, ConditionsLoadUpToTheFirstGapAndGateClicksAndFocus)
{
    CObject* spot = prop("spot", "00_click_task.sc",
                         {{"cond_00_param", "a"}, {"cond_00_val", "1"}, {"cond_01_param", "b"},
                          {"cond_01_val", "2"}, {"cond_03_param", "c"}, {"cond_03_val", "5"}, {"hint", "40"}});
    engine.frame();
    sc_00_click_task* script = tq::HeadlessEngine::scriptOf<sc_00_click_task>(spot);
    ASSERT_NE(script, nullptr);
    EXPECT_EQ(script->mConditions[0].used + script->mConditions[1].used + script->mConditions[2].used +
                  script->mConditions[3].used,
              2);

    CVirtualScript::setVarI("a", 1);
    CVirtualScript::setVarI("az_sparkle", 1);
    // b is not 2: no click, no focus.
    watchCursor();
    hover(spot);
    engine.click(spot);
    engine.frames(2);
    EXPECT_EQ(cursor(), "");
    EXPECT_TRUE(told("00_hint").empty());
    EXPECT_TRUE(told("00_game_interface").empty());

    // c (condition 03) is never loaded, so it need not hold.
    CVirtualScript::setVarI("b", 2);
    hover(nullptr);
    forgetTold();
    watchCursor();
    hover(spot);
    engine.click(spot);
    engine.frames(2);
    EXPECT_EQ(cursor(), "hotspot");
    EXPECT_EQ(told("00_hint"), (Told{"40 from spot"}));
    EXPECT_EQ(told("00_game_interface"), (Told{"777 from spot"}));
}

TEST_F(ClickTask00, AOnceOnlyLineIsSaidOnceThenTheClickReportsAtOnce)
{
    CObject* spot = prop("spot", "00_click_task.sc",
                         {{"dlg_id", "2001"}, {"dlg_param", "seen_line"}, {"sound_click", "3005"}});
    engine.frame();

    watchCursor();
    engine.click(spot);
    engine.frames(2);
    EXPECT_EQ(told("tutorial"), (Told{"100"}));
    EXPECT_EQ(told("02_dialogs"), (Told{"2001 from spot"}));
    EXPECT_EQ(told("00_movies"), (Told{"3005"}));
    EXPECT_TRUE(told("00_game_interface").empty()); // after the line
    EXPECT_EQ(cursor(), "off");
    EXPECT_EQ(CVirtualScript::getVarI("seen_line"), 1);

    watchCursor();
    engine.notify(spot, 2001, spy("02_dialogs"));
    engine.frames(2);
    EXPECT_EQ(cursor(), "on");
    EXPECT_EQ(told("00_game_interface"), (Told{"777 from spot"}));

    engine.click(spot);
    engine.frames(2);
    EXPECT_TRUE(told("02_dialogs").empty());
    EXPECT_TRUE(told("tutorial").empty());
    EXPECT_EQ(told("00_movies"), (Told{"3005"}));
    EXPECT_EQ(told("00_game_interface"), (Told{"777 from spot"}));
}

TEST_F(ClickTask00, APlainLineIsSaidOnEveryClick)
{
    CObject* spot = prop("spot", "00_click_task.sc", {{"dlg_id", "2002"}});
    engine.frame();
    for (int i = 0; i < 2; ++i)
    {
        engine.click(spot);
        engine.frames(2);
        EXPECT_EQ(told("02_dialogs"), (Told{"2002 from spot"}));
        EXPECT_TRUE(told("00_movies").empty());
        EXPECT_TRUE(told("00_game_interface").empty());
        engine.notify(spot, 2002, spy("02_dialogs"));
        engine.frames(2);
        EXPECT_EQ(told("00_game_interface"), (Told{"777 from spot"}));
    }
}

TEST_F(ClickTask00, ADroppedItemSaysTheUseLineWhenItFits)
{
    struct Case
    {
        const char* name;
        const char* useLine;
        const char* useItem;
        int dragged;
        bool said;
    } cases[] = {
        {"any_item", "2101", "0", 405, true},    {"right_item", "2101", "405", 405, true},
        {"wrong_item", "2101", "405", 406, false}, {"no_use_line", "0", "0", 405, false},
    };
    for (const Case& c : cases)
        prop(c.name, "00_click_task.sc", {{"dlg_id", "2001"}, {"dlg_id_use", c.useLine}, {"dlg_obj_use", c.useItem}});
    engine.frame();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CObject* spot = gApp.findObject(c.name);
        CVirtualScript::setConfigI("drag_item", c.dragged);
        watchCursor();
        engine.click(spot);
        engine.frames(2);
        // With an item the plain line is never said, and the click is
        // reported at once.
        EXPECT_EQ(told("02_dialogs"), c.said ? (Told{"2101 from " + std::string(c.name)}) : Told{});
        EXPECT_EQ(cursor(), c.said ? "off" : "");
        EXPECT_EQ(told("00_game_interface"), (Told{"777 from " + std::string(c.name)}));
        if (c.said)
        {
            engine.notify(spot, 2101, spy("02_dialogs"));
            engine.frames(2);
            EXPECT_EQ(told("00_game_interface"), (Told{"777 from " + std::string(c.name)}));
        }
    }
}

TEST_F(ClickTask00, HidingTheAnimationScriptAndAnswersWhileTheConditionFails)
{
    spies({"lid"});
    CObject* spot = prop("spot", "00_click_task.sc",
                         {{"hide_me", "1"}, {"anim_script", "lid"}, {"anim_msg", "77"}, {"dlg_id", "2003"},
                          {"dlg_param", "lid_line"}, {"cond_00_param", "lid_ready"}, {"cond_00_val", "1"}});
    engine.frame();
    CVirtualScript::setVarI("lid_ready", 1);
    engine.click(spot);
    engine.frames(2);
    EXPECT_FALSE(visible(spot));
    EXPECT_EQ(told("lid"), (Told{"77"}));

    // The line's answer is not gated by the conditions; a code 0 is no answer.
    CVirtualScript::setVarI("lid_ready", 0);
    engine.notify(spot, 0, spy("02_dialogs"));
    engine.notify(spot, 2003, spy("02_dialogs"));
    engine.frames(2);
    EXPECT_EQ(told("00_game_interface"), (Told{"777 from spot"}));
}

TEST_F(ClickTask00, AttachToMovesTheNodeAndTheHintIsReadAgainOnFocus)
{
    prop("shelf");
    CObject* spot = prop("spot", "00_click_task.sc", {{"attach_to", "shelf"}, {"hint", "41"}});
    engine.frame();
    EXPECT_EQ(spot->getNode()->getParentSceneNode()->getName(), "shelf");

    spot->mParams["hint"] = "42";
    hover(spot);
    hover(nullptr);
    EXPECT_EQ(told("00_hint"), (Told{"42 from spot", "100 from spot"}));
}
} // namespace
