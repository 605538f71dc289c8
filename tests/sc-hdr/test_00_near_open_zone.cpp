// The near view with opening: the flight in with the opening animation, the
// picks on arrival driven by the counters that all such zones share, the
// dialog after a pick, the wait for a release of the left button, and the
// flight back.
#include "00_near_open_zone.h"
#include "ZoneFixture.h"

namespace
{
using tq::Told;
typedef sc_00_near_open_zone Zone;

class NearOpenZone00 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        Zone::script_values().clear();
        spies({"01_cam_move", "00_game_interface", "02_dialogs"});
        item = prop("item");
        item2 = prop("item2");
    }

    CObject* zone(const std::string& name, const Params& extra = {})
    {
        Params params = {{"cam_in", "5"}, {"cam_out", "1"}, {"picked_obj", "item"}};
        params.insert(params.end(), extra.begin(), extra.end());
        return prop(name, "00_near_open_zone.sc", params);
    }

    static Zone* script(CObject* z) { return tq::HeadlessEngine::scriptOf<Zone>(z); }

    void cameraAnswers(CObject* z, int code)
    {
        engine.notify(z, code, spy("01_cam_move"));
        engine.frames(2);
    }
    /// A click anywhere: the left button down for a frame, then up.
    void clickAnywhere()
    {
        mInput->mLeftDown = true;
        engine.frame();
        mInput->mLeftDown = false;
        engine.frames(2);
    }
    /// Click, arrival; returns what the interface was told on arrival.
    Told visit(CObject* z)
    {
        engine.click(z);
        engine.frames(2);
        forgetTold();
        cameraAnswers(z, 6105);
        return told("00_game_interface");
    }

    CObject* item = nullptr;
    CObject* item2 = nullptr;
};

TEST_F(NearOpenZone00, AVisitTakesTheItemSaysTheLineAndWaitsForAClick)
{
    CObject* z = zone("chest", {{"update_mission_id", "12"}, {"dialog_id_after_pick", "2050"}});
    engine.frame();

    watchCursor();
    hover(z);
    EXPECT_EQ(cursor(), "hotspot"); // with no further test
    engine.click(z);
    engine.frame();
    EXPECT_EQ(told("01_cam_move"), (Told{"6105 from chest"}));
    EXPECT_EQ(script(z)->state, 1);
    engine.frame();
    EXPECT_EQ(told("00_game_interface"), (Told{"101"}));
    engine.click(z); // in flight: nothing
    engine.frames(2);
    EXPECT_TRUE(told("01_cam_move").empty());

    cameraAnswers(z, 6105);
    EXPECT_EQ(script(z)->state, 2);
    EXPECT_FALSE(visible(item));
    EXPECT_EQ(Zone::script_values()[0], 1);
    EXPECT_EQ(told("00_game_interface"), (Told{"7012"}));
    EXPECT_EQ(told("02_dialogs"), (Told{"2050 from chest"}));

    // No way out before the line has ended.
    clickAnywhere();
    EXPECT_TRUE(told("01_cam_move").empty());
    engine.notify(z, 2050, spy("02_dialogs"));
    engine.frames(2);
    clickAnywhere();
    EXPECT_EQ(told("01_cam_move"), (Told{"6101 from chest"}));
    EXPECT_EQ(script(z)->state, 3);
    EXPECT_EQ(z->mTimers.live, 0);

    cameraAnswers(z, 6101);
    EXPECT_EQ(script(z)->state, 0);
    EXPECT_EQ(told("00_game_interface"), (Told{"100"}));
}

TEST_F(NearOpenZone00, AClickHeldWhenTheWaitStartsCountsOnItsRelease)
{
    CObject* z = zone("chest");
    engine.frame();
    engine.click(z);
    engine.frames(2);
    forgetTold();
    mInput->mLeftDown = true;
    cameraAnswers(z, 6105); // no dialog: the wait starts at once
    engine.frame();
    EXPECT_TRUE(told("01_cam_move").empty());
    mInput->mLeftDown = false;
    engine.frames(2);
    EXPECT_EQ(told("01_cam_move"), (Told{"6101 from chest"}));
}

TEST_F(NearOpenZone00, TheSharedCountersHandTheItemToTheFirstZoneVisited)
{
    CObject* first = zone("chest_a", {{"picked_script_id", "7"}, {"start_mission_id", "3"}});
    CObject* second = zone("chest_b", {{"picked_script_id", "7"}, {"picked_obj", "item2"}});
    engine.frame();

    EXPECT_EQ(visit(first), (Told{"8003"}));
    EXPECT_EQ(Zone::script_values()[7], 1);
    clickAnywhere();
    cameraAnswers(first, 6101);

    EXPECT_TRUE(visit(second).empty());
    EXPECT_TRUE(visible(item2));
    EXPECT_EQ(Zone::script_values()[7], 1);
}

TEST_F(NearOpenZone00, TheSecondPickFollowsTheFirstAndOnlyOneTaskCodeGoes)
{
    CObject* z = zone("chest", {{"picked_script_id", "4"},
                                {"picked_obj_02", "item2"},
                                {"picked_script_id_02", "4"},
                                {"picked_script_value_02", "1"},
                                {"update_mission_id_02", "0"},
                                {"start_mission_id_02", "6"},
                                {"finish_mission_id_02", "9"}});
    engine.frame();

    EXPECT_TRUE(visit(z).empty()); // the first pick has no task code
    EXPECT_FALSE(visible(item));
    EXPECT_TRUE(visible(item2));
    clickAnywhere();
    cameraAnswers(z, 6101);

    EXPECT_EQ(visit(z), (Told{"8006"}));
    EXPECT_FALSE(visible(item2));
    EXPECT_EQ(Zone::script_values()[4], 2);
    clickAnywhere();
    cameraAnswers(z, 6101);

    // Neither pick applies any more: only the wait.
    EXPECT_TRUE(visit(z).empty());
    clickAnywhere();
    EXPECT_EQ(told("01_cam_move"), (Told{"6101 from chest"}));
}

TEST_F(NearOpenZone00, WithoutASecondPickCounterZeroIsLeftAlone)
{
    CObject* z = zone("chest", {{"picked_script_id", "3"}, {"picked_script_value", "1"}});
    engine.frame();
    visit(z);
    EXPECT_TRUE(visible(item));
    EXPECT_EQ(Zone::script_values()[0], 0);
    EXPECT_EQ(Zone::script_values()[3], 0);
}

TEST_F(NearOpenZone00, AnswersFromOthersAndACodeZeroChangeNothing)
{
    CObject* z = zone("chest", {{"dialog_id_after_pick", "2050"}});
    engine.frame();
    engine.click(z);
    engine.frames(2);
    engine.notify(z, 6105); // no sender: not the camera
    engine.frames(2);
    EXPECT_EQ(script(z)->state, 1);
    cameraAnswers(z, 6105);
    engine.notify(z, 0, spy("02_dialogs"));
    engine.frames(2);
    EXPECT_EQ(z->mTimers.live, 0); // still waiting for the line
}
} // namespace
