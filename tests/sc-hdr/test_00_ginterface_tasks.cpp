// The task builders and the task engine of the in-game interface: numbered
// objects and their visible models, the cut-scene builder's task runs, the
// modifiers; use tasks with the right, no or a wrong item; find tasks
// counting their parts down; the loader's wait; the bonus wait; a task that
// picks an object for another thread; mini-games and cut scenes hiding and
// bringing back the interface; and which threads and objects a hint may
// point at.
#include "00_fader.h"
#include "GInterfaceFixture.h"
#include "RealLoader.h"

#include <gtest/gtest.h>

namespace
{
using tq::Told;
using GI = sc_00_ginterface;

class Tasks : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        spies({"00_hint", "interface", "00_movies", "02_dialogs", "01_cam_move", "scene", "journal"});
        loader = tq::RealLoader::add(engine);
    }
    void play()
    {
        notify(555);
        notify(550);
        forgetTold();
    }
    const GI::__TASK& task(int thread, int index) { return gi->threads[thread].tasks[index]; }

    CObject* loader = nullptr;
};

TEST_F(Tasks, ObjectTasksAddressNumberedHotSpotsAndTheirModels)
{
    for (const char* name : {"01_az_vint_01", "01_az_vint_02", "01_az_vint_03", "01_az_vint_04", "01_vint_01",
                             "01_vint_02", "01_vint_03", "01_vint_04", "02_az_key", "02_key", "03_gear_05",
                             "03_gear_06", "03_gear_07"})
        prop(name);
    start();
    gi->threadAdd();
    int rooms[] = {1, 1, 2, 2}, cams[] = {3, 4, 5, 6};
    gi->taskAddFindObjEx(105, "01_az_vint", 4, rooms, cams, 1);
    const GI::__TASK& find = task(0, 0);
    EXPECT_EQ(find.type, GI::TT_FIND);
    EXPECT_EQ(find.param, 105);
    EXPECT_EQ(find.num_texture_parts, 2);
    ASSERT_EQ(find.obj_count, 4);
    for (int i = 0; i < 4; ++i)
    {
        SCOPED_TRACE(i);
        const std::string nn = "0" + std::to_string(i + 1);
        EXPECT_EQ(find.objs[i].obj, h(gApp.findObject("01_az_vint_" + nn)));
        EXPECT_EQ(find.objs[i].help_obj, find.objs[i].obj);
        EXPECT_EQ(find.objs[i].model_obj, h(gApp.findObject("01_vint_" + nn)));
        EXPECT_EQ(find.objs[i].room, rooms[i]);
        EXPECT_EQ(find.objs[i].cam, cams[i]);
        EXPECT_EQ(find.objs[i].help_value, -1);
        // A found piece tells the item's text when hovered.
        EXPECT_EQ(CVirtualScript::getObjParamI(find.objs[i].obj, "hint"), 2105);
    }

    gi->taskAddUseObj1(201, "02_az_key", 1, 1);
    EXPECT_EQ(task(0, 1).objs[0].obj, h(gApp.findObject("02_az_key")));
    EXPECT_EQ(task(0, 1).objs[0].model_obj, h(gApp.findObject("02_key")));
    EXPECT_EQ(CVirtualScript::getObjParamI(task(0, 1).objs[0].obj, "hint"), 0); // not a find

    gi->taskAddFindObjExSn(301, "03_gear", 3, nullptr, nullptr, 1, 5);
    EXPECT_EQ(task(0, 2).objs[0].obj, h(gApp.findObject("03_gear_05")));
    EXPECT_EQ(task(0, 2).objs[2].obj, h(gApp.findObject("03_gear_07")));
    EXPECT_EQ(task(0, 2).objs[2].model_obj, task(0, 2).objs[2].obj); // no "az_"

    // Modifiers change the last task.
    gi->taskShowOnTask(-1, 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(task(0, 2).objs[i].show_on_start, 0);
    gi->taskSetShowAfterUse(0, 0, 42);
    EXPECT_EQ(task(0, 2).objs[0].model_obj, 42u);
    EXPECT_EQ(task(0, 2).objs[0].after_use, 0);
    gi->taskSetShowAfterUse(1, 1);
    EXPECT_EQ(task(0, 2).objs[1].after_use, 2);
    gi->taskHelpCond(2, "gear@lock", 1);
    EXPECT_EQ(task(0, 2).objs[2].help_param, "gear@lock");
    gi->taskHelpCond(7, "none", 1);
    EXPECT_NE(engine.log().find("taskHelpCond(): the task has no object 7"), std::string::npos);

    // A missing piece is logged for the object, its hint target and model.
    engine.clearLog();
    gi->taskAddFindObj1(106, "01_az_nothing", 1, 1);
    const std::string log = engine.log();
    size_t count = 0;
    for (size_t at = log.find("[01_az_nothing]"); at != std::string::npos; at = log.find("[01_az_nothing]", at + 1))
        ++count;
    EXPECT_EQ(count, 2u);
    EXPECT_NE(log.find("[01_nothing]"), std::string::npos);
}

TEST_F(Tasks, CutScenesAreBuiltWithTheirFadesAndEndings)
{
    start();
    gi->threadAdd();
    gi->taskAddCutScene3("scene", 100, 3, 1);
    struct Expected
    {
        int type, param, skip;
    };
    const Expected expected[] = {{GI::TT_NOTIFY, 101, 0},   {GI::TT_NOTIFY, 102, 1},   {GI::TT_CUTSCENE, 100, 1},
                                 {GI::TT_NOTIFY, 101, 0},   {GI::TT_NOTIFY, 102, 1},   {GI::TT_NOTIFY, 10000, 1},
                                 {GI::TT_NOTIFY, 1100, 1},  {GI::TT_SHOW_INTERFACE, 1, 1}};
    ASSERT_EQ(gi->threads[0].task_count(), 8);
    for (int i = 0; i < 8; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(task(0, i).type, expected[i].type);
        EXPECT_EQ(task(0, i).param, expected[i].param);
        if (expected[i].type == GI::TT_NOTIFY)
        {
            EXPECT_EQ(task(0, i).show_on_start, expected[i].skip);
        }
    }
    EXPECT_EQ(task(0, 2).show_interface_after, 0);
    EXPECT_EQ(task(0, 2).no_skip, 0);
    EXPECT_EQ(task(0, 6).objs[0].obj, h(spy("scene")));

    gi->threadAdd();
    gi->taskAddCutScene3("scene", 200, 9, 0); // as no fade and no ending
    EXPECT_EQ(gi->threads[1].task_count(), 1);
    EXPECT_EQ(task(1, 0).no_skip, 1);
    EXPECT_NE(engine.log().find("taskAddCutScene3(): unknown fade_status: 9"), std::string::npos);

    gi->taskAddTaskToJournal(3001);
    EXPECT_EQ(task(1, 1).param, 13001); // the journal adds a text above 10000
}

TEST_F(Tasks, AnItemIsUsedOnlyWhereItBelongs)
{
    CObject* lock = prop("01_az_zamok");
    CObject* lid = prop("01_az_kryshka");
    spies({"01_vint"});
    CObject* screw = spy("01_vint");
    start();
    gi->threadAdd();
    gi->taskAddUseObj1(104, "01_az_zamok", 1, 1);
    gi->taskAddSetParam("opened", 1);
    gi->threadAdd();
    gi->taskAddUseObj1(105, "01_az_kryshka", 1, 1);
    gi->taskNoHideUsed();
    gi->taskNoHideItem();
    gi->taskSetAnimAfterUse(0, static_cast<int>(h(screw)), 100);
    gi->threadAdd();
    gi->taskAddFindObj1(104, "01_az_nothing", 1, 1);
    play();
    gi->invAddTask(104, 0, 1, 0, 0);
    gi->invAddTask(105, 0, 1, 0, 0);
    gi->threads[0].active_for_help = 0;

    // With nothing held the wanted item is shown: its threads take hints.
    notify(777, lock);
    EXPECT_EQ(var("thread_00_cur__TASK"), 0);
    EXPECT_EQ(gi->threads[0].active_for_help, 1);
    EXPECT_EQ(gi->threads[2].active_for_help, 1);

    // A wrong item gets the hero's line.
    gi->lastItemId = 105;
    notify(777, lock);
    const Told lines = told("02_dialogs");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_GE(std::stoi(lines[0]), 120);
    EXPECT_LE(std::stoi(lines[0]), 124);
    EXPECT_EQ(var("thread_00_cur__TASK"), 0);

    gi->lastItemId = 104;
    notify(777, lock);
    EXPECT_EQ(var("01_az_zamok@used"), 1);
    EXPECT_FALSE(visible(lock));
    EXPECT_EQ(var("opened"), 1);
    EXPECT_EQ(gi->slots[0].removing, 1); // it leaves the inventory
    EXPECT_EQ(gi->slots[0].flyKind, 2);
    EXPECT_EQ(gi->lastItemId, 0);

    // A use that leaves the object and keeps the item gives no wrong-item line.
    gi->lastItemId = 104;
    notify(777, lid);
    EXPECT_TRUE(told("02_dialogs").empty());
    gi->lastItemId = 105;
    notify(777, lid);
    EXPECT_TRUE(visible(lid));
    EXPECT_EQ(var("01_az_kryshka@used"), 1);
    EXPECT_EQ(var("01_az_kryshka@task105used"), 1);
    EXPECT_EQ(told("01_vint"), (Told{"100 from 00_game_interface"}));
    EXPECT_EQ(gi->slots[1].removing, 0);
    EXPECT_EQ(var("thread_01_cur__TASK"), 1);
}

TEST_F(Tasks, AFindCountsItsPartsDown)
{
    CObject* parts[3] = {prop("01_az_detal_01"), prop("01_az_detal_02"), prop("01_az_detal_03")};
    start();
    gi->threadAdd();
    gi->taskAddFindObjEx(102, "01_az_detal", 3, nullptr, nullptr, 1);
    gi->taskNoParticles();
    gi->taskAddSetParam("found", 1);
    play();
    EXPECT_EQ(gi->slots[0].id, 102); // in the inventory from the start
    EXPECT_EQ(gi->counterGetCount(0), 3);

    gi->lastItemId = 101; // an item held: no pick
    notify(777, parts[0]);
    EXPECT_EQ(var("01_az_detal_01@picked"), 0);

    const struct
    {
        int part;
        Told sound;
        int left;
    } picks[] = {{0, {"1"}, 2}, {1, {"1"}, 1}, {2, {"2"}, 0}};
    for (const auto& p : picks)
    {
        SCOPED_TRACE(p.part);
        notify(777, parts[p.part]);
        EXPECT_EQ(told("00_movies"), p.sound);
        EXPECT_FALSE(visible(parts[p.part]));
        EXPECT_EQ(gi->counterGetCount(0), p.left);
    }
    EXPECT_EQ(var("item_00_ready_to_use"), 1);
    EXPECT_EQ(gi->slots[0].ready, 1);
    EXPECT_EQ(gi->counters[0].wanted, 0);
    EXPECT_EQ(var("found"), 1);
}

TEST_F(Tasks, WaitingTasksWaitForTheirAnswers)
{
    CObject* spot = prop("01_az_angar");
    start();
    gi->threadAdd();
    gi->taskAddNotify("00_loader", 101);
    gi->taskAddPickObj("01_az_angar");
    gi->taskAddWaitBonus(106);
    gi->threadAdd();
    gi->taskAddClick(h(spot), 1, 1);
    gi->taskAddSetParam("clicked_by_pick", 1);
    play();
    EXPECT_EQ(gi->playMode, 4);
    EXPECT_EQ(CVirtualScript::getConfigI("loader_notify"), 1);
    notify(101, spy("scene")); // not the loader
    EXPECT_EQ(gi->playMode, 4);

    // The bonus is running: its wait holds on to the box's answer.
    gi->bonusItemId = 106;
    // The loader's answer when the screen is black.
    EXPECT_FALSE(tq::RealLoader::black(loader));
    for (int i = 0; i < 100 && !tq::RealLoader::black(loader); ++i)
        engine.frame(0.05f);
    engine.frames(2);
    EXPECT_EQ(gi->playMode, 1);
    EXPECT_EQ(CVirtualScript::getConfigI("loader_notify"), 0);
    // The pick clicked the hangar for the other thread too.
    EXPECT_EQ(var("clicked_by_pick"), 1);
    EXPECT_EQ(told("interface"), (Told{"94 from 00_game_interface"}));
    EXPECT_EQ(var("bonus_help_on"), 1);
    notify(94, spy("interface"));
    EXPECT_EQ(var("thread_00_cur__TASK"), 3);
}

// The fade around a cut scene with the real loader: the thread waits for
// the black, and goes on while the screen clears again.
TEST_F(Tasks, AFadeWaitsForTheBlackAndTheScreenClearsAgain)
{
    start();
    gi->threadAdd();
    gi->taskAddFade();
    gi->taskAddSetParam("after_fade", 1);
    play();
    engine.frames(4, 0.05f);
    EXPECT_EQ(var("after_fade"), 0);
    for (int i = 0; i < 100 && !tq::RealLoader::black(loader); ++i)
        engine.frame(0.05f);
    engine.frames(4);
    EXPECT_EQ(var("after_fade"), 1);
    engine.frames(40, 0.05f);
    auto* fader = tq::HeadlessEngine::scriptOf<sc_00_loader>(loader);
    EXPECT_EQ(fader->alpha, 0.0f);
    EXPECT_EQ(fader->state, 0);
}

TEST_F(Tasks, MiniGamesAndCutScenesPutTheInterfaceAwayAndBack)
{
    // The real starter and fader; the game is a recorder.
    spies({"01_az_angar2", "01_minigame_33", "00_minigame_interf"});
    CObject* angar = spy("01_az_angar2");
    CObject* game = spy("01_minigame_33");
    material("interf/faderRtt");
    CObject* fader = prop("00_fader", "00_fader.sc");
    CObject* starter = prop("00_minigame_starter", "00_minigame_starter.sc");
    auto fade = [&](int phase) {
        auto* f = tq::HeadlessEngine::scriptOf<sc_00_fader>(fader);
        for (int i = 0; i < 100 && f->phase < phase; ++i)
            engine.frame(0.05f);
        engine.frames(2);
    };
    start();
    gi->threadAdd();
    gi->taskAddMiniGame("00_minigame_starter", 1033);
    gi->taskAddCutScene("scene", 100);
    CVirtualScript::setVarI("cur_loc", 1);
    CVirtualScript::setVarI("cur_room", 1);
    CVirtualScript::setVarI("cur_cam", 8);
    CVirtualScript::setVarI("help_num", 1);
    notify(555);
    notify(550);
    EXPECT_EQ(gi->playMode, 2);
    EXPECT_EQ(gi->menus[1].state, 3);
    EXPECT_EQ(gi->menus[3].items[GI::ID_SKIP].showState, 1);
    EXPECT_EQ(gi->menus[0].items[GI::ID_INSTRUCTION].showState, 1);
    EXPECT_EQ(gi->inventoryDisabled, 1);

    // The starter covers the view and starts the game; the game ends, the
    // starter covers the view again and answers the interface.
    fade(1);
    EXPECT_EQ(told("01_cam_move"), (Told{"5108"}));
    EXPECT_EQ(told("01_minigame_33"), (Told{"1200"}));
    fade(2);
    EXPECT_EQ(var("thread_00_cur__TASK"), 0);
    engine.notify(starter, 1200, game);
    engine.frames(2);
    fade(1);
    engine.frames(3);
    EXPECT_EQ(told("01_minigame_33"), (Told{"1300"}));
    // The game ended in the hangar's close-up: the close-up is closed too.
    EXPECT_EQ(told("01_az_angar2"), (Told{"556 from 00_game_interface"}));
    EXPECT_EQ(gi->nearPlaneObj, h(angar));
    EXPECT_EQ(gi->tutorialTasks[6], 1);
    // The cut scene started at once: it saves, hides the menus, shows skip.
    EXPECT_EQ(gi->playMode, 3);
    EXPECT_EQ(told("interface"), (Told{"80", "100"}));
    EXPECT_EQ(told("scene"), (Told{"100 from 00_game_interface"}));
    EXPECT_EQ(gi->cutSceneObject, h(spy("scene")));
    EXPECT_EQ(CVirtualScript::getConfigI("menu_00"), 0);

    // The player skips it: the scene is told to stop and the task ends.
    notify(93, spy("interface"));
    engine.frames(1);
    EXPECT_EQ(told("scene"), (Told{"6789 from 00_game_interface"}));
    EXPECT_EQ(var("thread_00_cur__TASK"), 2);
    EXPECT_EQ(gi->playMode, 1);
    EXPECT_EQ(gi->menus[0].state, 1);
    EXPECT_EQ(gi->inventoryDisabled, 0);
}

TEST_F(Tasks, HintsPointOnlyWhereSomethingCanBeDone)
{
    start();
    gi->threadAdd();
    gi->taskAddFindObjEx(102, "", 0, nullptr, nullptr, 1);
    GI::__TASK& t = gi->threads[0].tasks[0];
    t.obj_count = 2;
    t.objs[1].help_param = "generator@on";
    t.objs[1].help_value = 1;
    gi->threads[0].cur_task = 0;
    GI::_PLAY_THREAD& th = gi->threads[0];

    struct Case
    {
        const char* label;
        int active, helpState, bonusOn, done0, generator;
        int thread, obj1;
    };
    const Case cases[] = {
        {"not active for hints", 0, 1, 0, 0, 0, 0, 0},
        {"active", 1, 1, 0, 0, 0, 1, 0},
        {"condition met", 1, 1, 0, 0, 1, 1, 1},
        {"first done, condition unmet", 1, 1, 0, 1, 0, 0, 0},
        {"bonus thread without bonus hints", 1, 0, 0, 0, 0, 0, 0},
        {"bonus thread with bonus hints", 1, 0, 1, 0, 0, 1, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        th.active_for_help = c.active;
        th.help_state = c.helpState;
        CVirtualScript::setVarI("bonus_help_on", c.bonusOn);
        t.objs[0].done = c.done0;
        CVirtualScript::setVarI("generator@on", c.generator);
        EXPECT_EQ(gi->threadNeedHelp(th), c.thread);
        EXPECT_EQ(gi->taskNeedHelp(t, 1), c.obj1);
    }

    // A use task waits for its item to be ready.
    gi->threadAdd();
    gi->taskAddUseObjEx(205, "", 0, nullptr, nullptr, 1);
    GI::_PLAY_THREAD& use = gi->threads[1];
    use.tasks[0].obj_count = 1;
    use.cur_task = 0;
    use.active_for_help = 1;
    EXPECT_EQ(gi->threadNeedHelp(use), 0);
    gi->invAddTask(205, 3, 0, 3, 0);
    EXPECT_EQ(gi->threadNeedHelp(use), 0);
    gi->invMakeItemUsable(205);
    EXPECT_EQ(gi->threadNeedHelp(use), 1);
    use.cur_task = 1; // finished
    EXPECT_EQ(gi->threadNeedHelp(use), 0);
}
} // namespace

namespace
{
// A misspelt or missing object must show: its task waits, with one warning
// when it starts, and nothing modal starts for it, so the other threads go
// on.
TEST_F(Tasks, ATaskWhoseObjectIsMissingWaitsAndSaysSoOnce)
{
    start();
    gi->threadAdd();
    gi->taskAddCutScene2("01_09_scene_misspelt", 100, 1, 0);
    gi->taskAddSetParam("after_scene", 1);
    gi->threadAdd();
    gi->taskAddClick(gApp.findObjectHandle("01_az_misspelt"), 1, 1);
    gi->taskAddSetParam("after_click", 1);
    gi->threadAdd();
    gi->taskAddSetParam("other_thread", 1);
    play();
    notify(100, spy("scene"));
    notify(777, spy("scene"));
    EXPECT_EQ(gi->threads[0].cur_task, 0);
    EXPECT_EQ(gi->threads[1].cur_task, 0);
    EXPECT_EQ(var("after_scene"), 0);
    EXPECT_EQ(var("after_click"), 0);
    EXPECT_EQ(var("other_thread"), 1);
    EXPECT_EQ(gi->playMode, 1); // no cut scene for nobody
    const std::string log = engine.log();
    int warnings = 0;
    for (size_t at = log.find("waits for an object that is missing"); at != std::string::npos;
         at = log.find("waits for an object that is missing", at + 1))
        ++warnings;
    EXPECT_EQ(warnings, 2);
}
} // namespace
