// The play plan of location 1 on a fixture that holds the objects the plan
// names: the set-up of visibility and scene groups, the threads and their
// tasks in the order the saved games rely on, the objects, conditions and
// after-use actions of the object tasks, the item pictures, and the story
// opening with its journal entry and first cut scene.
#include "GInterfaceFixture.h"

#include <OgreEntity.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
using tq::Told;
using GI = sc_00_ginterface;

class Location1 : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        CVirtualScript::setVarI("cur_loc", 1);
        spies({"00_loader", "journal", "07_01_scene", "interface", "00_hint", "02_dialogs", "01_cam_move"});
        group = prop("01_az.scene");
        inGroup = prop("01_az_lamp", "", {}, group->getNode());
        for (const char* name : {"01_az_pult", "01_generator_detal_01", "01_lestnica01", "01_hero.scene",
                                 "07_01_room_tree.scene", "01_az_keis", "01_az_luck_reshetka", "01_az_gazeta_luck"})
            objects[name] = prop(name);
        for (int i = 1; i <= 4; ++i)
        {
            objects["01_az_vint_0" + std::to_string(i)] = prop("01_az_vint_0" + std::to_string(i));
            objects["01_vint_0" + std::to_string(i)] = prop("01_vint_0" + std::to_string(i));
        }
        for (int i = 1; i <= 5; ++i)
            prop("01_az_detal_0" + std::to_string(i));
        for (int i = 1; i <= 10; ++i)
            prop(std::string("01_az_moneta_") + (i < 10 ? "0" : "") + std::to_string(i));
        objects["inv_keis"] = prop("inv_keis");
        start();
    }
    const GI::__TASK& task(int thread, int index) { return gi->threads[thread].tasks[index]; }
    OBJECT_HANDLE of(const std::string& name) { return h(gApp.findObject(name)); }

    CObject* group = nullptr;
    CObject* inGroup = nullptr;
    std::map<std::string, CObject*> objects;
};

TEST_F(Location1, ThePlanBuildsTenThreadsInTheirSavedOrder)
{
    ASSERT_EQ(gi->threads.size(), 10u);
    const struct
    {
        const char* name;
        int tasks, help, room, bonus;
    } threads[] = {{"main", 86, 1, -1, 0}, {"", 3, 1, -1, 0},        {"", 2, 1, -1, 0},      {"screw_driver", 1, 1, -1, 0},
                   {"detal", 1, 1, -1, 0}, {"fomka", 1, 1, -1, 0},  {"luck", 4, 1, -1, 0}, {"keis", 13, 1, -1, 0},
                   {"", 2, 0, 1, 180},     {"lestnica", 1, 1, -1, 0}};
    int total = 0;
    for (int i = 0; i < 10; ++i)
    {
        SCOPED_TRACE(i);
        const GI::_PLAY_THREAD& t = gi->threads[i];
        EXPECT_EQ(t.name, threads[i].name);
        EXPECT_EQ(t.task_count(), threads[i].tasks);
        EXPECT_EQ(t.help_state, threads[i].help);
        EXPECT_EQ(t.room, threads[i].room);
        EXPECT_EQ(t.bonus_time, threads[i].bonus);
        total += t.task_count();
    }
    EXPECT_EQ(total, 114);

    // Landmarks of the main thread: where its story turns.
    const struct
    {
        int index, type, param;
    } main[] = {{0, GI::TT_NOTIFY, 13000},   {1, GI::TT_CUTSCENE, 100},     {5, GI::TT_NOTIFY, 1100},
                {14, GI::TT_NOTIFY, 1101},   {22, GI::TT_HELP, 1},          {24, GI::TT_USE, 101},
                {28, GI::TT_SHOW_TASK, 102}, {34, GI::TT_MINIGAME, 1032},   {36, GI::TT_SET_PARAM, 1},
                {58, GI::TT_CLICK, -1},      {60, GI::TT_MINIGAME, 1001},   {75, GI::TT_MINIGAME, 1033},
                {81, GI::TT_USE, 105},       {85, GI::TT_NOTIFY, 100}};
    for (const auto& m : main)
    {
        SCOPED_TRACE(m.index);
        EXPECT_EQ(task(0, m.index).type, m.type);
        EXPECT_EQ(task(0, m.index).param, m.param);
    }
    EXPECT_EQ(task(0, 3).param, 104); // the slow fade back of the opening
    EXPECT_EQ(task(0, 22).str, "key");
    EXPECT_EQ(task(0, 36).str, "generator@on");
    EXPECT_EQ(task(7, 2).type, GI::TT_WAIT_BONUS);
    EXPECT_EQ(task(7, 12).param, 5002); // the next location
    EXPECT_EQ(task(8, 1).str, "all_bonus_picked");
}

TEST_F(Location1, ObjectTasksCarryTheirPiecesConditionsAndAfterUse)
{
    // The four screws, each turning its animated screw when used.
    const GI::__TASK& screws = task(0, 24);
    ASSERT_EQ(screws.obj_count, 4);
    for (int i = 0; i < 4; ++i)
    {
        SCOPED_TRACE(i);
        const std::string nn = "0" + std::to_string(i + 1);
        EXPECT_EQ(screws.objs[i].obj, of("01_az_vint_" + nn));
        EXPECT_EQ(screws.objs[i].anim_obj_after_use, of("01_vint_" + nn));
        EXPECT_EQ(screws.objs[i].msg_obj_after_use, 100);
        EXPECT_EQ(screws.objs[i].cam, 9);
        EXPECT_EQ(screws.objs[i].show_on_start, 0);
    }
    EXPECT_EQ(task(0, 29).objs[0].help_param, "01_kryshka@cur_anim");
    EXPECT_EQ(task(0, 29).objs[0].help_value, 2);

    // The generator parts: two are not shown at first, one hinted only
    // once the hatch is open.
    const GI::__TASK& parts = task(4, 0);
    const int shown[] = {0, 0, 1, 1, 1};
    const int cams[] = {3, 5, 1, 2, 4};
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(parts.objs[i].show_on_start, shown[i]) << i;
        EXPECT_EQ(parts.objs[i].cam, cams[i]) << i;
    }
    EXPECT_EQ(parts.objs[1].help_param, "01_az_luck_reshetka@used");
    EXPECT_EQ(parts.start_pick_without_image, 1);
    EXPECT_EQ(task(6, 0).objs[0].help_obj, of("01_az_gazeta_luck"));

    // The coins of the bonus.
    const GI::__TASK& coins = task(8, 0);
    ASSERT_EQ(coins.obj_count, 10);
    const int coinShown[] = {1, 0, 1, 1, 0, 1, 1, 1, 1, 0};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(coins.objs[i].show_on_start, coinShown[i]) << i;
    EXPECT_EQ(coins.objs[9].cam, 8);
    EXPECT_EQ(task(7, 0).objs[0].show_on_start, 0);

    // One picture pair per item, the case's of its object.
    ASSERT_EQ(gi->rttCount, 12);
    const char* const pictures[] = {"00_inv_101_00_rtt", "00_inv_101_01_rtt", "00_inv_102_00_rtt",
                                    "00_inv_102_01_rtt", "00_inv_104_00_rtt", "00_inv_104_01_rtt",
                                    "00_inv_105_00_rtt", "00_inv_105_01_rtt", "00_inv_106_00_rtt",
                                    "00_inv_106_01_rtt", "00_inv_107_00_rtt", "00_inv_107_01_rtt"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(gi->pictures[i].name, pictures[i]);
    EXPECT_EQ(gi->pictures[11].obj, h(objects["inv_keis"]));
    EXPECT_EQ(gi->pictures[10].mat, "inv_keis_black");
}

TEST_F(Location1, TheSetUpHidesTheHotSpotsAndShowsTheFirstOnes)
{
    EXPECT_FALSE(visible(inGroup));
    EXPECT_TRUE(visible(objects["01_az_pult"]));
    EXPECT_TRUE(visible(objects["01_az_luck_reshetka"]));
    EXPECT_FALSE(visible(objects["01_generator_detal_01"]));
    EXPECT_FALSE(visible(objects["01_lestnica01"]));
    EXPECT_EQ(objects["01_hero.scene"]->getEntity()->getVisibilityFlags(), 1u);
    EXPECT_EQ(objects["07_01_room_tree.scene"]->getEntity()->getVisibilityFlags(), 2u);
}

TEST_F(Location1, TheStoryOpensWithTheJournalAndTheFirstCutScene)
{
    notify(555);
    EXPECT_EQ(told("journal"), (Told{"13000"}));
    EXPECT_EQ(told("07_01_scene"), (Told{"100 from 00_game_interface"}));
    EXPECT_EQ(gi->playMode, 3);
    EXPECT_EQ(var("thread_00_cur__TASK"), 1);
    // The case is wanted from the start: its picture waits in the bar.
    EXPECT_EQ(gi->existItem(107), 1);
    EXPECT_EQ(gi->readyItem2(107), 0);
    EXPECT_EQ(var("thread_00_active_for_help"), 1);

    notify(100, spy("07_01_scene"));
    const Told loader = told("00_loader"); // besides the pictures' 1111
    EXPECT_NE(std::find(loader.begin(), loader.end(), "101 from 00_game_interface"), loader.end());
    EXPECT_EQ(gi->playMode, 4);
}
} // namespace

