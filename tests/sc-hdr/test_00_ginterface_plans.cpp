// The play plans of locations 1 to 3 on fixtures that hold the objects the
// plans name: the set-up of visibility and scene groups, the threads and their
// tasks in the order the saved games rely on, the objects, conditions and
// after-use actions of the object tasks, the item pictures, and the story
// opening with its journal entry and first cut scene.
#include "GInterfaceFixture.h"

#include <OgreEntity.h>
#include <OgreResourceGroupManager.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

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

namespace
{
// Location 2 on a fixture of the objects its checks name; the survey branch
// needs the configuration key and the resource "url.url" both.
class Location2 : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        CVirtualScript::setVarI("cur_loc", 2);
        CVirtualScript::setConfigI("survey", 0);
        spies({"00_loader", "journal", "interface", "00_hint", "02_dialogs", "01_cam_move", "00_sfx_env"});
        group = prop("02_az.scene");
        inGroup = prop("02_02_az_lamp", "", {}, group->getNode());
        for (const char* name : {"02_01_az_kovrik", "02_03_az_exit_to_04_ct0", "02_pokrivalo2", "02_02_Konvert_05",
                                 "01_hero.scene", "09_girl.scene", "02_03_az_exit_to_04_ct3", "02_01_az_Key1",
                                 "02_01_az_Key2", "02_02_az_door2", "02_04_az_komod", "02_04_az_artefact5_07",
                                 "inv_taburetka01", "inv_taburetka05", "02_03_az_Fonarik"})
            objects[name] = prop(name);
    }
    const GI::__TASK& task(int thread, int index) { return gi->threads[thread].tasks[index]; }
    OBJECT_HANDLE of(const std::string& name) { return h(gApp.findObject(name)); }

    CObject* group = nullptr;
    CObject* inGroup = nullptr;
    std::map<std::string, CObject*> objects;
};

TEST_F(Location2, ThePlanBuildsThirtyThreeThreadsInTheirSavedOrder)
{
    start();
    ASSERT_EQ(gi->threads.size(), 33u);
    const struct
    {
        const char* name;
        int tasks, help, room, bonus;
    } threads[] = {
        {"main", 51, 1, -1, 0}, {"ekran", 2, 1, -1, 0},  {"window", 5, 1, -1, 0},
        {"", 6, 1, 3, 0},       {"", 1, 1, 3, 0},        {"", 9, 1, -1, 0},
        {"professor_stol", 19, 1, -1, 0}, {"", 1, 1, 1, 0}, {"exit", 14, 1, -1, 0},
        {"", 2, 1, 3, 0},       {"", 2, 1, 3, 0},        {"", 4, 1, -1, 0},
        {"", 3, 1, -1, 0},      {"", 8, 1, 2, 0},        {"", 3, 1, -1, 0},
        {"tabur", 4, 1, -1, 0}, {"", 3, 1, -1, 0},       {"", 3, 1, -1, 0},
        {"", 2, 1, -1, 0},      {"", 1, 1, 1, 0},        {"", 2, 1, 1, 0},
        {"", 1, 1, 2, 0},       {"", 3, 1, 2, 0},        {"", 1, 1, 2, 0},
        {"", 3, 1, -1, 0},      {"", 7, 1, 2, 0},        {"", 1, 1, 3, 0},
        {"", 5, 1, 3, 0},       {"", 1, 1, -1, 0},       {"", 1, 1, 3, 0},
        {"", 1, 1, 3, 0},       {"", 1, 0, 4, 180},      {"", 3, 1, -1, 0},
    };
    for (int i = 0; i < 33; ++i)
    {
        SCOPED_TRACE(i);
        const GI::_PLAY_THREAD& t = gi->threads[i];
        EXPECT_EQ(t.name, threads[i].name);
        EXPECT_EQ(t.task_count(), threads[i].tasks);
        EXPECT_EQ(t.help_state, threads[i].help);
        EXPECT_EQ(t.room, threads[i].room);
        EXPECT_EQ(t.bonus_time, threads[i].bonus);
    }

    // Landmarks of the three threads told task by task.
    const struct
    {
        int thread, index, type, param;
    } marks[] = {{0, 2, GI::TT_CUTSCENE, 20101}, {0, 6, GI::TT_USE, 201},       {0, 14, GI::TT_FIND, 203},
                 {0, 16, GI::TT_MINIGAME, 1034}, {0, 18, GI::TT_DEACTIVATE, 100}, {0, 26, GI::TT_FIND, 206},
                 {0, 32, GI::TT_GET_PARAM, 1},   {0, 37, GI::TT_USE, 206},      {0, 39, GI::TT_MINIGAME, 1002},
                 {0, 44, GI::TT_NOTIFY, 102},    {0, 50, GI::TT_DIALOG, 2014},  {6, 0, GI::TT_NEAR_PLANE_MINI, 111},
                 {6, 12, GI::TT_FIND, 211},      {6, 16, GI::TT_WAIT_BONUS, 214}, {6, 18, GI::TT_NOTIFY, 5003},
                 {8, 2, GI::TT_MINIGAME, 1003},  {8, 8, GI::TT_USE, 215},       {8, 13, GI::TT_NOTIFY, 13106},
                 {11, 3, GI::TT_CHANGE_ITEM, 212}, {20, 1, GI::TT_PICK, -1}};
    for (const auto& m : marks)
    {
        SCOPED_TRACE(std::to_string(m.thread) + "/" + std::to_string(m.index));
        EXPECT_EQ(task(m.thread, m.index).type, m.type);
        if (m.param != -1)
        {
            EXPECT_EQ(task(m.thread, m.index).param, m.param);
        }
    }
    EXPECT_EQ(task(0, 6).objs[0].after_use, 1); // the lock vanishes once opened
    EXPECT_EQ(task(5, 4).no_skip, 1);
    EXPECT_EQ(task(5, 4).hide_interface_before, 0);
    EXPECT_EQ(task(8, 10).start_pick_without_image, 1);
    EXPECT_EQ(task(11, 3).show_on_start, 215);
}

TEST_F(Location2, TheSurveyAddsItsCutSceneOnlyWithItsResource)
{
    const std::string dir = ::testing::TempDir() + "survey_res";
    std::system(("mkdir -p " + dir + " && touch " + dir + "/url.url").c_str());
    CVirtualScript::setConfigI("survey", 1);
    start(); // the key alone is not enough
    EXPECT_EQ(gi->threads[8].task_count(), 14);

    Ogre::ResourceGroupManager::getSingleton().addResourceLocation(dir, "FileSystem", "General");
    gi->initGamePlay();
    ASSERT_EQ(gi->threads[8].task_count(), 16);
    EXPECT_EQ(task(8, 11).type, GI::TT_CUTSCENE);
    EXPECT_EQ(task(8, 11).no_skip, 1);
    EXPECT_EQ(task(8, 12).type, GI::TT_SHOW_INTERFACE);
    EXPECT_EQ(task(8, 15).param, 13106);

    CVirtualScript::setConfigI("survey", 0); // and the resource alone neither
    gi->initGamePlay();
    EXPECT_EQ(gi->threads[8].task_count(), 14);
}

TEST_F(Location2, PiecesConditionsAndPicturesOfTheObjectTasks)
{
    start();
    // The two keys join an empty find task; neither shows at first, the
    // second is hinted only once the glove took it from its hook.
    const GI::__TASK& keys = task(7, 0);
    ASSERT_EQ(keys.obj_count, 2);
    EXPECT_EQ(keys.objs[0].obj, of("02_01_az_Key1"));
    EXPECT_EQ(keys.objs[1].obj, of("02_01_az_Key2"));
    EXPECT_EQ(keys.objs[0].show_on_start, 0);
    EXPECT_EQ(keys.objs[1].show_on_start, 0);
    EXPECT_EQ(keys.objs[1].help_param, "02_01_az_Key2_ct@used");
    EXPECT_EQ(keys.objs[1].help_value, 1);
    EXPECT_EQ(task(23, 0).obj_count, 4);
    EXPECT_EQ(task(23, 0).num_texture_parts, 4);

    // Envelope 4 is hinted at the bathroom door while the switch is off.
    const GI::__TASK& envelopes = task(0, 14);
    EXPECT_EQ(envelopes.objs[4].help_obj, of("02_02_az_door2"));
    EXPECT_EQ(envelopes.objs[4].help_param, "02_02_az_vklucatel2_02@lock");
    EXPECT_EQ(envelopes.objs[4].help_value, 0);

    // The artefact: five numbered pieces in room 3 and ten more in room 4.
    const GI::__TASK& bonus = task(31, 0);
    ASSERT_EQ(bonus.obj_count, 15);
    const int shown[] = {1, 0, 1, 0, 1, 0, 0, 1, 1, 0, 0, 0, 1, 1, 0};
    const int rooms[] = {3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
    const int cams[] = {1, 1, 4, 2, 2, 1, 3, 3, 2, 8, 1, 2, 1, 3, 4};
    for (int i = 0; i < 15; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(bonus.objs[i].show_on_start, shown[i]);
        EXPECT_EQ(bonus.objs[i].room, rooms[i]);
        EXPECT_EQ(bonus.objs[i].cam, cams[i]);
    }
    EXPECT_EQ(bonus.objs[6].obj, of("02_04_az_artefact5_07"));
    EXPECT_EQ(bonus.objs[5].help_obj, of("02_04_az_komod"));
    EXPECT_EQ(bonus.objs[3].help_param, "02_03_az_room_stul_03@clicked");

    // Pictures: fifteen pairs, then the stool's six stages by hand.
    ASSERT_EQ(gi->rttCount, 36);
    EXPECT_EQ(gi->pictures[20].name, "00_inv_212_00_rtt");
    EXPECT_EQ(gi->pictures[20].sub, 3);
    EXPECT_EQ(gi->pictures[21].sub, 3);
    EXPECT_EQ(gi->pictures[22].sub, 1);
    const struct
    {
        const char* name;
        const char* object;
        const char* material;
        int id, submaterial;
    } stool[] = {{"00_inv_205_00_rtt", "inv_taburetka05", "inv_taburetka_black", 0, 7},
                 {"00_inv_205_01_rtt", "", "inv_taburetka", 0, 1},
                 {"00_inv_205_02_rtt", "", "inv_taburetka", 0, 1},
                 {"00_inv_205_03_rtt", "", "inv_taburetka", 0, 1},
                 {"00_inv_205_04_rtt", "inv_taburetka01", "inv_taburetka", 0, 8},
                 {"00_inv_205_05_rtt", "inv_taburetka05", "inv_taburetka", 205, 7}};
    for (int i = 0; i < 6; ++i)
    {
        SCOPED_TRACE(i);
        const GI::rttRecord& r = gi->pictures[30 + i];
        EXPECT_EQ(r.name, stool[i].name);
        EXPECT_EQ(r.mat, stool[i].material);
        EXPECT_EQ(r.id, stool[i].id);
        EXPECT_EQ(r.sub, stool[i].submaterial);
        if (*stool[i].object)
        {
            EXPECT_EQ(r.obj, of(stool[i].object));
        }
    }
}

TEST_F(Location2, TheSetUpShowsTheFirstHotSpotsAndTellsTheExitItsDialog)
{
    start();
    EXPECT_FALSE(visible(inGroup));
    EXPECT_TRUE(visible(objects["02_01_az_kovrik"]));
    EXPECT_TRUE(visible(objects["02_03_az_exit_to_04_ct0"]));
    EXPECT_FALSE(visible(objects["02_pokrivalo2"]));
    EXPECT_FALSE(visible(objects["02_02_Konvert_05"]));
    EXPECT_EQ(objects["01_hero.scene"]->getEntity()->getVisibilityFlags(), 4u);
    EXPECT_EQ(objects["09_girl.scene"]->getEntity()->getVisibilityFlags(), 1024u);
    EXPECT_EQ(CVirtualScript::getObjParamI(h(objects["02_03_az_exit_to_04_ct3"]), "dlg_id_use"), 2039);
}

TEST_F(Location2, TheLoadersBlackScreenCarriesTheProjectorSceneToItsEnd)
{
    // Continued at the fade after the projector's cut scene: the loader's
    // answer ends the fade, and the same answer is taken for the fade back
    // in, so the thread runs on to the blanket's animation.
    CVirtualScript::setVarI("thread_00_cur__TASK", 41);
    CVirtualScript::setConfigI("load_from_save", 1);
    start();
    notify(555);
    EXPECT_EQ(gi->playMode, 4);
    notify(101); // the first answer comes without a sender
    EXPECT_EQ(gi->threads[0].cur_task, 41);
    notify(101, spy("00_loader"));
    EXPECT_EQ(gi->threads[0].cur_task, 49);
    EXPECT_EQ(gi->playMode, 1);
    EXPECT_EQ(var("thread_00_cur__TASK"), 49);
}

TEST_F(Location2, TorchAndBatteriesMakeALitTorch)
{
    start();
    notify(555);
    gi->invAddTask(212, 0, 1, 1, 0);
    gi->invAddTask(213, 5, 1, 5, 0);
    CVirtualScript::setVarI("02_03_az_Fonarik@picked", 1);
    gi->gameOnNotify(0, 0);
    EXPECT_EQ(gi->threads[11].cur_task, 1); // the batteries are not all found yet
    EXPECT_EQ(gi->existItem(215), 0);
    CVirtualScript::setVarI("02_03_az_Batareyka_all@picked", 1);
    gi->gameOnNotify(0, 0);
    EXPECT_EQ(gi->threads[11].cur_task, 4);
    EXPECT_EQ(gi->existItem(215), 1);
    EXPECT_EQ(gi->existItem(212), 0);
}
} // namespace

namespace
{
class Location3 : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        CVirtualScript::setVarI("cur_loc", 3);
        spies({"00_loader", "journal", "interface", "00_hint", "02_dialogs", "01_cam_move", "07_02_scene"});
        group = prop("03_az.scene");
        inGroup = prop("03_03_az_lamp", "", {}, group->getNode());
        for (const char* name : {"03_01_az_stol", "03_shk2_door2", "10_butler.scene", "01_hero_dress.scene",
                                 "03_reshetka_bolt_03", "03_06_az_MagKarta_03", "03_06_az_tumba_box11",
                                 "03_05_az_Brosh_01_Red_02", "03_06_az_tumba_box4", "03_05_az_Svitok_09",
                                 "03_06_az_izolenta", "03_06_az_tumba_scissors", "inv_brosh"})
            objects[name] = prop(name);
        start();
    }
    const GI::__TASK& task(int thread, int index) { return gi->threads[thread].tasks[index]; }
    OBJECT_HANDLE of(const std::string& name) { return h(gApp.findObject(name)); }

    CObject* group = nullptr;
    CObject* inGroup = nullptr;
    std::map<std::string, CObject*> objects;
};

TEST_F(Location3, ThePlanBuildsFortyFiveThreadsInTheirSavedOrder)
{
    ASSERT_EQ(gi->threads.size(), 45u);
    const struct
    {
        int thread;
        const char* name;
        int tasks, help, room, bonus;
    } threads[] = {
        {0, "main", 214, 1, -1, 0},    {1, "", 3, 1, -1, 0},        {2, "window", 2, 1, -1, 0},
        {3, "", 2, 1, 5, 0},           {4, "ptici_use", 5, 1, -1, 0}, {5, "izolenta", 1, 1, -1, 0},
        {6, "scissors", 1, 1, -1, 0},  {7, "", 4, 1, -1, 0},        {8, "isolenta_use", 2, 1, -1, 0},
        {9, "", 1, 1, 5, 0},           {10, "", 1, 1, 5, 0},        {11, "magkarta", 1, 1, -1, 0},
        {12, "", 3, 1, 5, 0},          {13, "", 1, 1, 1, 0},        {14, "", 1, 1, 1, 0},
        {17, "", 1, 1, 1, 0},          {18, "", 6, 1, -1, 0},       {19, "", 2, 1, -1, 0},
        {20, "", 3, 1, -1, 0},         {21, "", 2, 1, -1, 0},       {22, "", 3, 1, 1, 0},
        {23, "", 2, 1, 1, 0},          {26, "", 13, 1, 3, 0},       {29, "door_key", 1, 1, -1, 0},
        {30, "", 3, 1, -1, 0},         {32, "", 2, 1, -1, 0},       {34, "verevka", 1, 1, -1, 0},
        {35, "", 3, 1, -1, 0},         {40, "", 3, 1, -1, 0},       {41, "shpric", 7, 1, -1, 0},
        {42, "pticka", 1, 1, -1, 0},   {43, "brosh", 1, 0, 5, 180}, {44, "salfetka", 1, 1, -1, 0},
    };
    for (const auto& t : threads)
    {
        SCOPED_TRACE(t.thread);
        const GI::_PLAY_THREAD& th = gi->threads[t.thread];
        EXPECT_EQ(th.name, t.name);
        EXPECT_EQ(th.task_count(), t.tasks);
        EXPECT_EQ(th.help_state, t.help);
        EXPECT_EQ(th.room, t.room);
        EXPECT_EQ(th.bonus_time, t.bonus);
    }
    int total = 0;
    for (const GI::_PLAY_THREAD& th : gi->threads)
        total += th.task_count();
    EXPECT_EQ(total, 321);

    // Landmarks of the main thread, where its cut scenes and rooms turn.
    const struct
    {
        int index, type, param;
    } main[] = {{0, GI::TT_CUTSCENE, 100},     {1, GI::TT_NOTIFY, 101},     {6, GI::TT_NOTIFY, 10000},
                {7, GI::TT_CUTSCENE, 100},     {14, GI::TT_NOTIFY, 5101},   {29, GI::TT_USE, 301},
                {34, GI::TT_MINIGAME, 1004},   {48, GI::TT_NOTIFY, 300},    {51, GI::TT_CUTSCENE, 400},
                {52, GI::TT_SHOW_INTERFACE, -1}, {57, GI::TT_CUTSCENE, 100}, {74, GI::TT_NOTIFY, 101},
                {76, GI::TT_CUTSCENE, 100},    {115, GI::TT_USE, 313},      {118, GI::TT_CUTSCENE, 200},
                {159, GI::TT_FIND, 317},       {166, GI::TT_MINIGAME, 1016}, {168, GI::TT_CUTSCENE, 200},
                {171, GI::TT_NEAR_PLANE_MINI, 111}, {189, GI::TT_MINIGAME, 1036}, {208, GI::TT_MINIGAME, 1006},
                {212, GI::TT_WAIT_BONUS, 326}, {213, GI::TT_NOTIFY, 1004}};
    for (const auto& m : main)
    {
        SCOPED_TRACE(m.index);
        EXPECT_EQ(task(0, m.index).type, m.type);
        if (m.param != -1)
        {
            EXPECT_EQ(task(0, m.index).param, m.param);
        }
    }
    EXPECT_EQ(task(0, 51).no_skip, 1); // the room-2 scene told apart three ways
    EXPECT_EQ(task(0, 57).no_skip, 0);
    EXPECT_EQ(task(0, 62).type, GI::TT_SHOW_INTERFACE);
    EXPECT_EQ(task(0, 115).objs[0].help_param, "shpric_picked");
    EXPECT_EQ(task(0, 171).objs[0].help_param, "03_05_az_teleskop@used");
    EXPECT_EQ(task(41, 1).str, "shpric_picked");
    EXPECT_EQ(task(3, 0).no_hide_item, 1);
    EXPECT_EQ(task(8, 1).show_on_start, 324);
}

TEST_F(Location3, PiecesJoinedByNameKeepTheirRoomsShowsAndHints)
{
    EXPECT_EQ(task(0, 29).objs[2].anim_obj_after_use, of("03_reshetka_bolt_03"));

    const struct
    {
        int thread, task, count;
        int piece;
        const char* name;
        int room, cam, shown;
    } pieces[] = {{11, 0, 10, 2, "03_06_az_MagKarta_03", 6, 7, 0},
                  {43, 0, 10, 1, "03_05_az_Brosh_01_Red_02", 5, 2, 1},
                  {0, 159, 5, 4, "03_05_az_Svitok_09", 5, 2, 1}};
    for (const auto& p : pieces)
    {
        SCOPED_TRACE(p.name);
        const GI::__TASK& t = task(p.thread, p.task);
        ASSERT_EQ(t.obj_count, p.count);
        EXPECT_EQ(t.objs[p.piece].obj, of(p.name));
        EXPECT_EQ(t.objs[p.piece].room, p.room);
        EXPECT_EQ(t.objs[p.piece].cam, p.cam);
        EXPECT_EQ(t.objs[p.piece].show_on_start, p.shown);
    }
    const GI::__TASK& cards = task(11, 0);
    EXPECT_EQ(cards.objs[4].help_obj, of("03_06_az_tumba_box11"));
    EXPECT_EQ(cards.objs[1].help_value, -1);
    for (int card = 2; card <= 9; ++card)
        EXPECT_EQ(cards.objs[card].help_param, "03_05_az_exit_to_06_ct@used") << card;
    EXPECT_EQ(task(43, 0).objs[8].help_obj, of("03_06_az_tumba_box4"));
    const GI::__TASK& syringe = task(41, 0);
    for (int piece : {0, 9, 12})
        EXPECT_EQ(syringe.objs[piece].help_param, "03_04_az_hall_sunduk_msz@lock") << piece;
    EXPECT_EQ(syringe.objs[8].show_on_start, 1);
    EXPECT_EQ(syringe.objs[7].show_on_start, 0);

    ASSERT_EQ(gi->rttCount, 52);
    EXPECT_EQ(gi->pictures[51].name, "00_inv_326_01_rtt");
    EXPECT_EQ(gi->pictures[51].obj, h(objects["inv_brosh"]));
}

TEST_F(Location3, TheSetUpHidesTheHotSpotsAndMarksTheSceneGroups)
{
    EXPECT_FALSE(visible(inGroup));
    EXPECT_TRUE(visible(objects["03_01_az_stol"]));
    EXPECT_FALSE(visible(objects["03_shk2_door2"]));
    EXPECT_EQ(objects["10_butler.scene"]->getEntity()->getVisibilityFlags(), 8u);
    EXPECT_EQ(objects["01_hero_dress.scene"]->getEntity()->getVisibilityFlags(), 10u);
}

TEST_F(Location3, TapeAndScissorsMakeCutTape)
{
    notify(555);
    gi->invAddTask(323, 0, 1, 1, 0);
    gi->invAddTask(322, 0, 1, 1, 0);
    CVirtualScript::setVarI("03_06_az_izolenta@picked", 1);
    gi->gameOnNotify(0, 0);
    EXPECT_EQ(gi->threads[7].cur_task, 1);
    CVirtualScript::setVarI("03_06_az_tumba_scissors@picked", 1);
    gi->gameOnNotify(0, 0);
    EXPECT_EQ(gi->threads[7].cur_task, 4);
    EXPECT_EQ(gi->existItem(325), 1);
    EXPECT_EQ(gi->existItem(323), 0);
}
} // namespace

namespace
{
// The survey branch is chosen when location 2 is first entered and saved:
// a game continued under the other setting keeps the saved choice, so every
// thread resumes at its own task.
TEST_F(Location2, TheSurveyChoiceIsSavedWithTheGame)
{
    const std::string dir = ::testing::TempDir() + "survey_saved";
    std::system(("mkdir -p " + dir + " && touch " + dir + "/url.url").c_str());
    Ogre::ResourceGroupManager::getSingleton().addResourceLocation(dir, "FileSystem", "General");
    CVirtualScript::setConfigI("survey", 1);
    start();
    ASSERT_EQ(gi->threads[8].task_count(), 16);
    EXPECT_EQ(var("loc2_survey"), 2);

    CVirtualScript::setConfigI("load_from_save", 1);
    CVirtualScript::setConfigI("survey", 0);
    gi->initGamePlay();
    EXPECT_EQ(gi->threads[8].task_count(), 16);

    // A new game decides again; continued with the survey on, it keeps "no".
    CVirtualScript::setConfigI("load_from_save", 0);
    gi->initGamePlay();
    EXPECT_EQ(gi->threads[8].task_count(), 14);
    EXPECT_EQ(var("loc2_survey"), 1);
    CVirtualScript::setConfigI("load_from_save", 1);
    CVirtualScript::setConfigI("survey", 1);
    gi->initGamePlay();
    EXPECT_EQ(gi->threads[8].task_count(), 14);
}
} // namespace
