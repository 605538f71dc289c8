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

// -- location 2 ----------------------------------------------------------------

const GroupFlags kLoc2Flags[] = {
    {"01_hero.scene", 4}, {"03_professor.scene", 1024}, {"04_villain.scene", 2}, {"09_girl.scene", 1024}};

/// Hot spots clickable from the start, then what the story shows later.
const Shown kLoc2Visibility[] = {
    {"02_01_az_el_box_door", 1}, {"02_01_az_kovrik", 1}, {"02_02_az_vklucatel_03", 1},
    {"02_02_az_door2_anim", 1}, {"02_02_az_kitch_meb_door4", 1}, {"02_02_az_kitch_meb_door1", 1},
    {"02_02_az_kitch_meb_door2", 1}, {"02_02_az_kitch_meb_door6", 1}, {"02_02_az_kitch_tmb1_door1", 1},
    {"02_02_az_kitch_tmb1_door2", 1}, {"02_02_az_box1", 1}, {"02_02_az_kartina6", 1},
    {"02_02_az_garderob", 1}, {"02_02_az_veshalka_door1", 1}, {"02_02_az_veshalka_door2", 1},
    {"02_02_az_kitch_tbl1_box", 1}, {"02_02_az_kitch_tbl1_box_msz", 1}, {"02_02_az_kitch_shk_door1", 1},
    {"02_02_az_kitch_shk_door2", 1}, {"02_02_az_shtory_01", 1}, {"02_02_az_shtory_02", 1},
    {"02_03_az_room_tumba_door", 1}, {"02_03_az_room_shkaf_2_door6", 1}, {"02_03_az_room_shkaf_2_door3", 1},
    {"02_03_az_room_shkaf_2_door2", 1}, {"02_03_az_room_shkaf_2_door5", 1}, {"02_03_az_room_shkaf_2_door4", 1},
    {"02_03_az_room_shkaf_2_door1", 1}, {"02_03_az_room_komod_door", 1}, {"02_03_az_room_shkaf_1_door2", 1},
    {"02_03_az_room_stol_diski_door01", 1}, {"02_03_az_kartina4", 1}, {"02_03_az_room_komod_box03", 1},
    {"02_03_az_room_komod_box2", 1}, {"02_03_az_room_komod_box1", 1}, {"02_03_az_kartina1", 1},
    {"02_03_az_room_stol_diski", 1}, {"02_04_az_shkaf_4_door3", 1}, {"02_04_az_shkaf_4_door2", 1},
    {"02_04_az_shkaf_4_door1", 1}, {"02_04_az_shkaf_3_door", 1}, {"02_04_az_shkaf_3_box", 1},
    {"02_04_az_Box_02", 1}, {"02_04_az_kartina3", 1}, {"02_04_az_shkaf_1_door1", 1},
    {"02_04_az_box2_01", 1}, {"02_04_az_box2_04", 1}, {"02_04_az_box2_05", 1},
    {"02_04_az_komod", 1}, {"02_04_az_stol_01", 1}, {"02_04_az_stol_02", 1},
    {"02_04_az_exit_to_03", 1}, {"02_03_az_artefact5_04_ct", 1}, {"02_03_az_torsher_ct", 1},
    {"02_03_az_Proektor_ct0", 1}, {"02_03_az_exit_to_04_ct0", 1}, {"02_02_taburetka_02", 0},
    {"02_02_taburetka2_05", 0}, {"02_02_taburetka2_08", 0}, {"02_02_taburetka2_07", 0},
    {"02_pokrivalo2", 0}, {"02_shnur2", 0}, {"02_kovrik2", 0},
    {"02_02_Konvert_05", 0},
};

/// The stool is put together from four pieces: a picture for each stage.
struct RttPicture
{
    const char* texture;
    const char* object;
    const char* material;
    int id;
    int submaterial; ///< 0 keeps the one the registration gives
};
const RttPicture kLoc2Stool[] = {
    {"00_inv_205_00_rtt", "inv_taburetka05", "inv_taburetka_black", 0, 7},
    {"00_inv_205_01_rtt", "inv_taburetka04", "inv_taburetka", 0, 0},
    {"00_inv_205_02_rtt", "inv_taburetka02", "inv_taburetka", 0, 0},
    {"00_inv_205_03_rtt", "inv_taburetka03", "inv_taburetka", 0, 0},
    {"00_inv_205_04_rtt", "inv_taburetka01", "inv_taburetka", 0, 8},
    {"00_inv_205_05_rtt", "inv_taburetka05", "inv_taburetka", 205, 7},
};
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

void sc_00_ginterface::initLoc2()
{
    TQ_TRACE(" initLoc2()");
    for (const GroupFlags& g : kLoc2Flags)
        setVisibleFlagsByName(g.group, 1, g.mask);
    setVisibleByName("02_az.scene", false);
    for (const Shown& s : kLoc2Visibility)
        setVisible(handleOf(s.name), s.show != 0);
    setObjParamI(handleOf("02_03_az_exit_to_04_ct3"), "dlg_id_use", 2039);

    // 0: the story of the location.
    threadAdd();
    threadName("main");
    taskAddAutoSave();
    taskAddNotify("00_sfx_env", 1003, 1);
    taskAddCutScene2("01_01_scene_ds", 20101, 1, 1);
    taskAddTaskToJournal(3100);
    taskAddDialog(2000);
    taskAddHelpOn("main");
    taskAddUseObj1(201, "02_01_az_zamok", 1, 1);
    taskSetHideAfterUse(0, 1);
    taskAddNotify("02_01_zamok1", 100, 1);
    taskAddDialog(2003);
    taskAddVisibleObj1("02_01_az_exit_to_02", 1);
    taskAddNotify("02_01_az_exit_to_02", 100);
    taskAddTaskToJournal(3101);
    taskAddDialog(2004);
    taskAddAutoSave();
    {
        int rooms[] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
        int cams[] = {4, 6, 1, 2, 3, 5, 4, 2, 1, 1};
        taskAddFindObjEx(203, "02_02_az_Konvert", 10, rooms, cams, 1);
    }
    for (int piece : {0, 1, 2, 4, 6})
        taskShowOnTask(piece, 0);
    taskHelpCond(0, "02_02_az_taburetka@used", 1);
    taskHelpCond(1, "02_02_az_box1_door3@used", 1);
    taskHelpCond(4, "02_02_az_vklucatel2_02@lock", 0);
    taskHelpObj(4, "02_02_az_door2");
    taskHelpObj(3, "02_02_az_kitch_tbl1_box");
    taskHelpObj(6, "02_02_az_kitch_shk_box1");
    taskAddTaskToJournal(3102);
    taskAddMiniGame("00_minigame_starter", 1034);
    taskAddTaskToJournal(3103);
    taskAddDeactivate("02_02_az_Konvert_os", 100);
    taskAddDialog(2028);
    taskAddHideTask(203);
    taskAddClick(handleOf("02_02_az_exit_to_03_ct"), 2, 1);
    taskAddTaskToJournal(3104);
    taskAddNotify("02_02_az_exit_to_03", 100);
    taskAddDialog(2007);
    taskAddNotify("interface", 100, 1);
    {
        int rooms[] = {3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
        int cams[] = {4, 4, 4, 3, 1, 1, 1, 3, 2, 2};
        taskAddFindObjEx(206, "02_03_az_cd_disk", 10, rooms, cams, 1);
    }
    for (int disc : {0, 2, 4, 5, 7, 8, 9})
        taskShowOnTask(disc, 0);
    taskHelpCond(7, "02_03_az_sunducok_01_anim@lock", 0);
    taskHelpObj(7, "02_03_az_sunducok_01");
    taskHelpObj(8, "02_03_az_room_komod_box03");
    taskAddDialog(2010);
    taskAddHelpOn("ekran");
    taskAddHelpOn("window");
    taskAddVisibleObj1("02_03_az_Proektor_ct0", 0);
    taskAddVisibleObj1("02_03_az_Proektor_ct", 1);
    taskAddGetParam("02_03_az_room_ekran@clicked", 1);
    taskAddVisibleObj1("02_03_az_Proektor_ct", 0);
    taskAddVisibleObj1("02_03_az_Proektor_ct2", 1);
    taskAddGetParam("02_03_az_window3@used", 1);
    taskAddVisibleObj1("02_03_az_Proektor_ct2", 0);
    taskAddUseObj1(206, "02_03_az_Proektor", 3, 1);
    taskAddDialog(2009);
    taskAddMiniGame("00_minigame_starter", 1002);
    taskAddCutScene("02_01_scene", 100, 0);
    taskAddNotify("00_loader", 101);
    taskAddNotify("02_dialogs", 10000, 1);
    taskAddNotify("02_01_scene", 1100, 1);
    taskAddNotify("00_loader", 102);
    taskAddNotify("00_game_interface", 1101, 1);
    taskAddNotify("00_sfx_env", 1003, 1);
    taskAddNotify("02_03_az_room_switcher_msz", 200, 1);
    taskAddNotify("02_03_az_room_switcher", 200, 1);
    taskAddNotify("02_pokrivalo2", 100);
    taskAddDialog(2014);

    // 1: the screen.
    threadAdd();
    threadName("ekran");
    taskAddClick(handleOf("02_03_az_room_ekran"), 3, 3);
    taskAddNotify("02_room_ekran", 100, 1);

    // 2: the window darkened with the blanket.
    threadAdd();
    threadName("window");
    taskAddUseObj1(208, "02_03_az_window3", 3, 1);
    taskAddVisibleObj1("02_pokrivalo2", 1);
    taskAddNotify("00_movies", 2022, 1);
    taskAddNotify("02_03_az_room_switcher_msz", 100, 1);
    taskAddNotify("02_03_az_room_switcher", 100);

    // 3: the torn cord mended with tape.
    threadAdd();
    threadRoom(3);
    taskAddUseObj1(209, "02_03_az_shnur2", 3, 4);
    taskAddVisibleObj1("02_shnur2", 1);
    taskAddVisibleObj1("02_shnur1", 0);
    taskAddVisibleObj1("02_03_az_torsher_ct", 0);
    taskAddVisibleObj1("02_03_wire_iskri", 0);
    taskAddVisibleObj1("02_03_wire_iskri_02", 0);

    // 4: the bulb in the floor lamp.
    threadAdd();
    threadRoom(3);
    taskAddUseObj1(210, "02_03_az_torsher", 3, 4);

    // 5: with cord and bulb in place the lamp lights the disc desk.
    threadAdd();
    taskAddGetParam("02_03_az_shnur2@used", 1);
    taskAddGetParam("02_03_az_torsher@used", 1);
    taskAddNotify("00_movies", 2007, 1);
    taskAddNotify("02_torsher_bb", 101, 1);
    taskAddCutScene2("02_03_az_room_stol_diski_door_mg", 100, 1, 1);
    taskNoHideInterfaceBefore();
    taskAddMakeScreenShot();
    taskAddNotify("00_game_interface", 800, 1);
    taskAddDialog(2018);
    taskAddHelpOn("professor_stol");

    // 6: the disc desk, the document, the notes, the bonus and the end.
    threadAdd();
    threadName("professor_stol");
    taskAddNearPlaneMini("02_03_az_room_stol_diski_door_npm", 3, 1);
    taskAddCutScene2("02_03_az_room_stol_diski_door_msz", 100, 1, 1);
    taskNoHideInterfaceBefore();
    taskAddNotify("02_03_az_room_stol_diski_door_npz", 555, 1);
    taskAddFindObj1(216, "02_03_az_doc", 3, 1, 0);
    taskSetStartWithoutImage(1);
    taskAddVisibleObj1("02_03_az_Batareyka_04", 1);
    taskAddDeactivate("02_03_az_doc_os", 100);
    taskAddDialog(2019);
    taskAddHideTask(216);
    taskAddVisibleObj1("02_03_az_exit_to_04_ct0", 0);
    taskAddVisibleObj1("02_03_az_exit_to_04_ct", 1);
    taskAddHelpOn("exit");
    taskAddHelpOff("professor_stol");
    {
        int rooms[] = {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
        int cams[] = {4, 4, 1, 2, 3, 3, 2, 2, 1, 1, 2, 2, 2, 3, 1};
        taskAddFindObjEx(211, "02_04_az_Zapisi", 15, rooms, cams, 1);
    }
    for (int note : {0, 1, 2, 3, 5, 8, 12, 13, 11, 14})
        taskShowOnTask(note, 0);
    taskHelpObj(3, "02_04_az_stol_box1");
    taskHelpObj(10, "02_04_az_Box_02");
    taskHelpObj(11, "02_04_az_shkaf_3_box");
    taskHelpObj(12, "02_04_az_stol_box3");
    taskHelpObj(13, "02_04_az_stol_box5");
    taskHelpObj(14, "02_04_az_komod_box1");
    taskAddDeactivate("02_04_az_Zapisi_os", 100);
    taskAddDialog(2025);
    taskAddHelpOn("tabur");
    taskAddWaitBonus(214);
    taskAddCutScene2("02_02_scene", 100, 0, 0);
    taskAddNotify("00_loader", 5003);

    // 7: the two keys of the entrance.
    threadAdd();
    threadRoom(1);
    taskAddFindObjEx(201, "", 0, nullptr, nullptr, 1);
    taskAddPikedObj("02_01_az_Key1", 1, 1, 1);
    taskAddPikedObj("02_01_az_Key2", 1, 1, 1);
    taskShowOnTask(1, 0);
    taskShowOnTask(0, 0);
    taskHelpCond(1, "02_01_az_Key2_ct@used", 1);
    taskSetStartWithoutImage(1);

    // 8: the way into room 4.
    threadAdd();
    threadName("exit");
    taskAddClick(handleOf("02_03_az_exit_to_04_ct"), 3, 2, 0);
    taskAddDialog(2020);
    taskAddMiniGame("00_minigame_starter", 1003);
    taskAddNotify("02_03_az_exit_to_04_msz", 100);
    taskAddVisibleObj1("02_03_az_exit_to_04_ct3", 1);
    taskAddGetParam("02_03_az_Proektor@used", 1);
    taskAddVisibleObj1("02_03_az_exit_to_04_ct3", 0);
    taskAddTaskToJournal(3105);
    taskAddUseObj1(215, "02_03_az_exit_to_04_ct2", 3, 2);
    taskAddHelpOn("professor_stol");
    taskAddNotify("00_sfx_env", 1001, 1);
    taskSetStartWithoutImage(1);
    // Decided once, while the plan is built: a game continued under the
    // other setting resumes this thread two tasks off.
    if (getConfigI("survey") && resourceExists("url.url"))
        taskAddCutScene3("02_03_scene", 100, CUTSCENE_FADE_NO, 1);
    taskAddVisibleObj1("02_03_az_exit_to_04", 1);
    taskAddNotify("02_03_az_exit_to_04", 100);
    taskAddTaskToJournal(3106);

    // 9: the torch.
    threadAdd();
    threadRoom(3);
    taskAddFindObj1(212, "02_03_az_Fonarik", 3, 4);
    taskSetStartWithoutImage(1);
    taskAddShowTask(213);

    // 10: the batteries.
    threadAdd();
    threadRoom(3);
    {
        int rooms[] = {3, 3, 3, 3, 3};
        int cams[] = {3, 1, 2, 1, 2};
        taskAddFindObjEx(213, "02_03_az_Batareyka", 5, rooms, cams, 1);
    }
    for (int battery : {0, 2, 3, 4})
        taskShowOnTask(battery, 0);
    taskHelpObj(0, "02_03_az_sunducok_01");
    taskHelpObj(2, "02_03_az_room_komod_box03");
    taskHelpObj(3, "02_03_az_room_stol_diski_door");
    taskHelpObj(4, "02_03_az_room_komod_box03");
    taskHelpCond(0, "02_03_az_sunducok_01_anim@lock", 0);
    taskHelpCond(3, "02_03_az_room_stol_diski_door_msz@lock", 0);
    taskSetStartWithoutImage(1);
    taskAddSetParam("02_03_az_Batareyka_all@picked", 1);

    // 11: torch and batteries make a lit torch.
    threadAdd();
    taskAddGetParam("02_03_az_Fonarik@picked", 1);
    taskAddGetParam("02_03_az_Batareyka_all@picked", 1);
    taskAddHideTask(213);
    taskAddChangeItem(212, 215);

    // 12: the light switch of room 2.
    threadAdd();
    taskAddClick(handleOf("02_02_az_vklucatel_03"), 2, 5);
    taskAddNotify("02_02_az_vklucatel_03_msz", 100);
    taskAddNotify("01_cam_move", 600);

    // 13: the bathroom switch opens the bathroom.
    threadAdd();
    threadRoom(2);
    taskAddClick(handleOf("02_02_az_vklucatel2_02_ct"), 2, 3);
    taskAddVisibleObj1("02_02_az_door2", 1);
    taskAddVisibleObj1("02_02_az_door2_anim", 0);
    taskAddVisibleObj1("02_02_Konvert_05", 1);
    taskAddVisibleObj1("02_kovrik2", 1);
    taskAddVisibleObj1("02_02_az_kovrik2", 1);
    taskAddNotify("02_02_az_bathroom_switcher", 200);
    taskAddNotify("02_02_az_vklucatel2_02", 100);

    // 14: the mat of room 1 hides a key.
    threadAdd();
    taskAddClick(handleOf("02_01_az_kovrik"), 1, 1);
    taskAddVisibleObj1("02_01_az_Key1", 1);
    taskAddNotify("02_kovrik", 100);

    // 15: the chair in room 3.
    threadAdd();
    threadName("tabur");
    taskAddClick(handleOf("02_03_az_room_stul_03"), 3, 2);
    taskAddVisibleObj1("02_03_az_artefact5_04_ct", 0);
    taskAddVisibleObj1("02_03_az_korob4_02", 1);
    taskAddNotify("02_03_az_room_stul_03_msz", 100);

    // 16: the bathroom mat.
    threadAdd();
    taskAddClick(handleOf("02_02_az_kovrik2"), 2, 9, 0);
    taskAddVisibleObj1("02_02_az_Konvert_05", 1);
    taskAddNotify("02_kovrik2", 100);

    // 17, 18: the curtains.
    threadAdd();
    taskAddClick(handleOf("02_02_az_shtory_02"), 2, 1);
    taskAddVisibleObj1("02_02_az_Konvert_03", 1);
    taskAddNotify("02_shtory_02", 100);
    threadAdd();
    taskAddClick(handleOf("02_02_az_shtory_01"), 2, 1);
    taskAddNotify("02_shtory_01", 100);

    // 19, 20: the glove, and with it the second key.
    threadAdd();
    threadRoom(1);
    taskAddFindObj1(202, "02_01_az_perchatka", 1, 1);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadRoom(1);
    taskAddUseObj1(202, "02_01_az_Key2_ct", 1, 1);
    taskAddPickObj("02_01_az_Key2");

    // 21, 22: the knife, and the box it opens.
    threadAdd();
    threadRoom(2);
    taskAddFindObj1(204, "02_02_az_knife", 2, 2, 0);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadRoom(2);
    taskAddUseObj1(204, "02_02_az_box1_door3", 2, 6);
    taskAddVisibleObj1("02_02_az_Konvert_02", 1);
    taskAddNotify("02_02_az_box1_anim", 100);

    // 23 to 25: the stool's pieces, the envelope above the cupboard and
    // the stool put up to reach it.
    threadAdd();
    threadRoom(2);
    taskAddFindObjEx(205, "", 0, nullptr, nullptr, 1, 4);
    taskSetStartWithoutImage(1);
    taskAddPikedObj("02_02_az_taburetka2_04", 2, 4, 0);
    taskAddPikedObj("02_02_az_taburetka2_03", 2, 1, 1);
    taskAddPikedObj("02_02_az_taburetka2_01", 2, 2, 1);
    taskAddPikedObj("02_02_az_taburetka_01", 2, 1, 1);
    taskShowOnTask(0, 0);
    taskShowOnTask(1, 0);
    taskShowOnTask(2, 0);
    threadAdd();
    taskAddClick(handleOf("02_02_az_Konvert_01_ct"), 2, 4);
    taskAddDialog(2006);
    taskAddShowTask(205);
    threadAdd();
    threadRoom(2);
    taskAddUseObj1(205, "02_02_az_taburetka", 2, 4);
    taskAddVisibleObj1("02_02_az_Konvert_01_ct", 0);
    for (const char* piece : {"02_02_taburetka_02", "02_02_taburetka2_05", "02_02_taburetka2_08", "02_02_taburetka2_07"})
        taskAddVisibleObj1(piece, 1);
    taskAddVisibleObj1("02_02_az_Konvert_01", 1);

    // 26, 27: the small key and the chest it opens.
    threadAdd();
    threadRoom(3);
    taskAddFindObj1(207, "02_03_az_Key", 3, 4);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadRoom(3);
    taskAddUseObj1(207, "02_03_az_zamok2", 3, 3);
    taskAddNotify("02_zamok2", 100);
    taskAddNotify("02_03_az_sunducok_01_anim", 100, 1);
    taskAddVisibleObj1("02_03_az_sunducok_01", 1);
    taskAddNotify("02_03_az_sunducok_01", 555);

    // 28 to 30: the blanket, the tape and the bulb.
    threadAdd();
    taskAddFindObj1(208, "02_03_az_pokrivalo1", 3, 4);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadRoom(3);
    taskAddFindObj1(209, "02_03_az_izolenta", 3, 9, 0);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadRoom(3);
    taskAddFindObj1(210, "02_03_az_Lightbulb", 3, 1);
    taskShowOnTask(0, 0);
    taskSetStartWithoutImage(1);

    // 31: the bonus, an artefact in fifteen pieces over rooms 3 and 4.
    threadAdd(0);
    threadRoom(4);
    threadBonusTime(180);
    {
        int rooms[] = {3, 3, 3, 3, 3};
        int cams[] = {1, 1, 4, 2, 2};
        taskAddFindObjEx(214, "02_03_az_artefact5", 5, rooms, cams, 1);
    }
    taskAddPikedObj("02_04_az_artefact5_06", 4, 1, 1);
    taskHelpObj(5, "02_04_az_komod");
    taskAddPikedObj("02_04_az_artefact5_07", 4, 3, 0);
    taskHelpObj(6, "02_04_az_stol_02");
    taskAddPikedObj("02_04_az_artefact5_08", 4, 3, 1);
    taskAddPikedObj("02_04_az_artefact5_09", 4, 2, 1);
    taskAddPikedObj("02_04_az_artefact5_10", 4, 8, 1);
    taskAddPikedObj("02_04_az_artefact5_11", 4, 1, 1);
    taskAddPikedObj("02_04_az_artefact5_12", 4, 2, 1);
    taskHelpObj(11, "02_04_az_stol_01");
    taskAddPikedObj("02_04_az_artefact5_13", 4, 1, 1);
    taskAddPikedObj("02_04_az_artefact5_14", 4, 3, 1);
    taskAddPikedObj("02_04_az_artefact5_15", 4, 4, 1);
    taskHelpCond(3, "02_03_az_room_stul_03@clicked", 1);
    for (int piece : {1, 3, 5, 9, 10, 11, 14})
        taskShowOnTask(piece, 0);
    taskSetStartWithoutImage(1);

    // 32: the open box of room 3.
    threadAdd();
    taskAddClick(handleOf("02_03_az_korob_otkrita_01"), 3, 4);
    taskAddNotify("02_03_az_korob_otkrita_03", 555, 1);
    taskAddNotify("02_03_az_korob_otkrita_01_anim", 100, 1);

    addRttTask(201, "inv_key");
    addRttTask(202, "inv_perchatka");
    addRttTask(203, "inv_Konvert");
    addRttTask(204, "inv_knife");
    addRttTask(206, "inv_cd_disk");
    addRttTask(207, "inv_Key2");
    addRttTask(208, "inv_pokrivalo");
    addRttTask(209, "inv_izolenta");
    addRttTask(210, "inv_lightbulb");
    addRttTask(211, "inv_Zapisi");
    addRttTask2(212, "inv_fonarik", 3);
    addRttTask(213, "inv_batareyka");
    addRttTask(214, "inv_artefact");
    addRttTask2(215, "inv_fonarik_light", 3);
    addRttTask(216, "inv_doc");
    for (const RttPicture& p : kLoc2Stool)
    {
        addRttTexture(p.texture, p.object, p.material, p.id);
        if (p.submaterial)
            setRttTextureSubmaterial(p.submaterial);
    }
}
