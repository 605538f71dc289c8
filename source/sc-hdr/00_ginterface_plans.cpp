// The play plans of the locations: each builds the location's play threads
// when the interface sets up play there, as a straight run of builder
// calls.  The order of the threads and of the tasks inside each thread is
// part of the saved game ("thread_NN_cur__TASK" holds a task index): a
// plan must build the same tasks in the same order every time.
#include "00_ginterface.h"

#include "Application.h"
#include "Trace.h"

namespace
{
struct Shown
{
    const char* name;
    int show;
};

struct GroupFlags
{
    const char* group;
    uint32_t mask;
};

OBJECT_HANDLE handleOf(const char* name)
{
    return gApp.findObjectHandle(name);
}

// -- location 1 ----------------------------------------------------------------

/// Objects shown or hidden before play, in this order.
const Shown kLoc1Visibility[] = {
    {"01_generator_detal_01", 0}, {"01_generator_detal_02", 0}, {"01_generator_detal_03", 0},
    {"01_generator_detal_04", 0}, {"01_generator_detal_05", 0}, {"01_az_gazeta04_02_msz", 1},
    {"01_az_gazeta04_01_msz", 1}, {"01_az_yshik2", 1},          {"01_az_gazeta_luck", 1},
    {"01_az_korobka_04", 1},      {"01_az_kryshka_npz", 1},     {"01_az_pult", 1},
    {"01_lestnica01", 0},         {"01_az_luck_reshetka", 1},
};

/// Which visibility flags the scene groups carry in location 1.
const GroupFlags kLoc1Flags[] = {
    {"01_lights.scene", 1025},        {"01_hero.scene", 1},           {"01_dyn.scene", 1},
    {"03_professor.scene", 1024},     {"05_agent_boss.scene", 1025},  {"14_agent_man.scene", 1},
    {"11_agent_girl.scene", 1},       {"07_01_room_kirpic.scene", 2}, {"07_01_room_palma.scene", 2},
    {"07_01_room_stone.scene", 2},    {"07_01_room_tree.scene", 2},   {"07_01_scene.scene", 2},
    {"07_05_scene.scene", 2},         {"07_01_room_pyramid.scene", 2}, {"01_07_lights.scene", 2},
    {"08_priest.scene", 2},
};

/// The generator starts: its shaking parts, its smoke and its wheels.
const char* const kLoc1GeneratorShake[] = {
    "01_generator_shvr",          "01_generator_detal_01_shvr", "01_generator_detal_02_shvr",
    "01_generator_detal_03_shvr", "01_generator_detal_04_shvr", "01_generator_detal_05_shvr",
    "01_generator_truba_shvr",    "01_generator_smoke"};
const char* const kLoc1GeneratorTurn[] = {"01_generator_detal_01_r", "01_generator_detal_02_r",
                                          "01_generator_detal_03_r", "01_generator_detal_04_r",
                                          "01_generator_detal_05_r"};
} // namespace

void sc_00_ginterface::initLoc1()
{
    TQ_TRACE(" initLoc1()");
    setVisibleByName("01_az.scene", false);
    for (const Shown& s : kLoc1Visibility)
        setVisible(handleOf(s.name), s.show != 0);
    for (const GroupFlags& g : kLoc1Flags)
        setVisibleFlagsByName(g.group, 1, g.mask);

    // 0: the story of the location.
    threadAdd();
    threadName("main");
    taskAddTaskToJournal(3000);
    taskAddCutScene("07_01_scene", 100, 0);
    taskAddCutSceneEndingSlow("07_01_scene");
    taskAddNotify("01_fon_01", 1, 1);
    taskAddStopCutSceneSound();
    taskAddCutScene2("01_01_scene", 100, 0, 0);
    taskAddCutSceneEnding("01_01_scene");
    taskAddStopCutSceneSound();
    taskAddNotify("00_game_interface", 1101, 1);
    taskAddNotify("00_sfx_env", 5009, 1);
    taskAddAutoSave();
    for (const char* name : {"main", "detal", "screw_driver", "fomka", "lestnica", "key", "luck"})
        taskAddHelpOn(name);
    {
        int rooms[] = {1, 1, 1, 1};
        int cams[] = {9, 9, 9, 9};
        taskAddUseObjEx(101, "01_az_vint", 4, rooms, cams, 0);
        const char* const screws[] = {"01_vint_01", "01_vint_02", "01_vint_03", "01_vint_04"};
        for (int i = 0; i < 4; ++i)
            taskSetAnimAfterUse(i, static_cast<int>(handleOf(screws[i])), 100);
    }
    taskAddNotify("01_kryshka", 100);
    taskAddTaskToJournal(3002);
    taskAddDialog(1011);
    taskAddShowTask(102);
    taskAddUseObj1(102, "01_az_kryshka2", 1, 9);
    taskHelpCond(0, "01_kryshka@cur_anim", 2);
    taskAddVisibleObj1("01_az_pult", 0);
    taskAddVisibleObj1("01_az_angar", 0);
    taskAddHelpOff("angar");
    taskAddDialog(1014);
    taskAddMiniGame("00_minigame_starter", 1032);
    taskAddTaskToJournal(3003);
    taskAddSetParam("generator@on", 1);
    for (const char* part : {"01_generator_detal_01", "01_generator_detal_02", "01_generator_detal_03",
                             "01_generator_detal_04", "01_generator_detal_05"})
        taskAddVisibleObj1(part, 1);
    for (const char* name : kLoc1GeneratorShake)
        taskAddNotify(name, 101, 1);
    for (const char* name : kLoc1GeneratorTurn)
        taskAddNotify(name, 100, 1);
    taskAddVisibleObj1("01_az_kryshka_npz", 0);
    taskAddDialog(1016);
    taskAddAutoSave();
    taskAddClick(handleOf("01_az_pult2"), 1, 4);
    taskAddDialog(1015);
    taskAddMiniGame("00_minigame_starter", 1001);
    taskAddTaskToJournal(3004);
    taskAddNotify("01_ruchka", 100, 1);
    taskAddNotify("00_loader", 101);
    taskAddNotify("00_loader", 102, 1);
    taskAddCutScene("01_02_scene", 100, 0);
    taskAddCutSceneEnding("01_02_scene");
    taskAddStopCutSceneSound();
    taskAddNotify("00_game_interface", 1101, 1);
    taskAddVisibleObj1("01_az_moneta_05", 1);
    taskAddVisibleObj1("01_az_angar2", 1);
    taskAddClick(handleOf("01_az_zamok"), 1, 8);
    taskAddMiniGame("00_minigame_starter", 1033);
    taskAddTaskToJournal(3005);
    taskAddNotify("01_zamok", 100, 1);
    taskAddNotify("01_vorota", 100, 1);
    taskAddVisibleObj1("01_az_korobka_17", 1);
    taskAddDialog(1034);
    taskAddUseObj1(105, "01_az_angar_lestnica", 1, 8);
    taskAddHelpOn("keis");
    taskAddVisibleObj1("01_lestnica01", 1);
    taskAddVisibleObj1("01_az_korobka_05", 1);
    taskAddAutoSave();

    // 1: the hangar.
    threadAdd();
    taskAddClick(handleOf("01_az_angar"), 1, 3);
    taskAddVisibleObj1("01_az_angar", 1);
    taskAddTaskToJournal(3001);

    // 2: the newspaper over the box.
    threadAdd();
    taskAddClick(handleOf("01_az_gazeta04_01"), 1, 3);
    taskAddNotify("01_az_gazeta04_01_msz", 100);

    // 3: the screwdriver.
    threadAdd();
    threadName("screw_driver");
    taskAddFindObj1(101, "01_az_otvertka", 1, 4);
    taskSetStartWithoutImage(1);

    // 4: the five generator parts.
    threadAdd();
    threadName("detal");
    {
        int rooms[] = {1, 1, 1, 1, 1};
        int cams[] = {3, 5, 1, 2, 4};
        taskAddFindObjEx(102, "01_az_detal", 5, rooms, cams, 1);
    }
    taskShowOnTask(0, 0);
    taskShowOnTask(1, 0);
    taskHelpCond(1, "01_az_luck_reshetka@used", 1);
    taskSetStartWithoutImage(1);

    // 5: the crowbar.
    threadAdd();
    threadName("fomka");
    taskAddFindObj1(104, "01_az_fomka", 1, 1);
    taskSetStartWithoutImage(1);

    // 6: the hatch opened with the crowbar.
    threadAdd();
    threadName("luck");
    taskAddUseObj1(104, "01_az_luck_reshetka", 1, 2);
    taskHelpObj(0, "01_az_gazeta_luck");
    taskAddNotify("01_luck", 100);
    taskAddVisibleObj1("01_az_moneta_02", 1);
    taskAddVisibleObj1("01_az_detal_02", 1);

    // 7: the case, the bonus and the end of the location.
    threadAdd();
    threadName("keis");
    taskAddFindObj1(107, "01_az_keis", 1, 8, 0);
    taskAddDialog(1040);
    taskAddWaitBonus(106);
    taskAddNotify("00_loader", 101);
    taskAddNotify("00_loader", 102, 1);
    taskAddCutScene2("01_03_scene", 100, 0, 0);
    taskAddCutSceneEnding("01_03_scene");
    taskAddStopCutSceneSound();
    taskAddCutScene2("01_04_scene", 100, 0, 0);
    taskAddNotify("00_loader", 5002);

    // 8: the bonus coins.
    threadAdd(0);
    threadRoom(1);
    threadBonusTime(180);
    {
        int rooms[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
        int cams[] = {1, 5, 1, 2, 3, 4, 4, 4, 3, 8};
        taskAddFindObjEx(106, "01_az_moneta", 10, rooms, cams, 1);
    }
    taskSetStartWithoutImage(1);
    taskShowOnTask(1, 0);
    taskShowOnTask(4, 0);
    taskShowOnTask(9, 0);
    taskAddSetParam("all_bonus_picked", 1);

    // 9: the ladder.
    threadAdd();
    threadName("lestnica");
    taskAddFindObj1(105, "01_az_lestnica", 1, 4);
    taskSetStartWithoutImage(1);

    addRttTask(101, "inv_otvertka");
    addRttTask(102, "inv_detal");
    addRttTask(104, "inv_fomka");
    addRttTask(105, "inv_lestniga");
    addRttTask(106, "inv_moneta");
    addRttTask(107, "inv_keis");
}
