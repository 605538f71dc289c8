// The play plans of the locations: each builds the location's play threads
// when the interface sets up play there, as a straight run of builder
// calls.  The order of the threads and of the tasks inside each thread is
// part of the saved game ("thread_NN_cur__TASK" holds a task index): a
// plan must build the same tasks in the same order every time.
#include "00_ginterface.h"

#include "Application.h"
#include "ScriptObject.h"
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

// -- location 3 ----------------------------------------------------------------

const Shown kLoc3Visibility[] = {
    {"03_01_az_stol", 1}, {"03_01_az_exit_to_02_ct", 1}, {"03_01_az_bedroom_shkaf_door2", 1},
    {"03_01_az_bedroom_shkaf_door1", 1}, {"03_01_az_bedroom_shkaf_box03", 1}, {"03_01_az_kartina1", 1},
    {"03_01_az_Vaza3_01", 1}, {"03_01_az_stend_01", 1}, {"03_02_az_exit_to_01", 1},
    {"03_03_az_cabinet_stol", 1}, {"03_03_az_okno_door06", 1}, {"03_03_az_cabinet_sunduk_01", 1},
    {"03_03_az_cabinet_shkaf_door1", 1}, {"03_03_az_cabinet_shkaf_door2", 1}, {"03_03_az_bedroom_telega2", 1},
    {"03_03_az_korob3_02", 1}, {"03_03_az_cabinet_komod", 1}, {"03_03_az_kartina4", 1},
    {"03_03_az_cabinet_stol_door1", 1}, {"03_03_az_parketina", 1}, {"03_03_az_exit_to_04_ct0", 1},
    {"03_04_az_exit_to_05_ct0", 1}, {"03_04_az_hall_shk1_door1", 1}, {"03_04_az_hall_shk1_door2", 1},
    {"03_04_az_kartina5", 1}, {"03_04_az_kartina6", 1}, {"03_04_az_hall_sunduk", 1},
    {"03_04_az_hall_shk2", 1}, {"03_04_az_kuvshin2", 1}, {"03_04_az_kuvshin1", 1},
    {"03_04_az_roga_01", 1}, {"03_04_az_bedroom_telega03", 1}, {"03_04_az_sekret_kirpic_04", 1},
    {"03_04_az_sekret_kirpic_03", 1}, {"03_05_az_books_04_19", 1}, {"03_05_az_libraryshkaf_01", 1},
    {"03_05_az_libraryshkaf_01_1", 1}, {"03_05_az_libraryshkaf_04", 1}, {"03_05_az_libraryshkaf_04_1", 1},
    {"03_05_az_kartina04", 1}, {"03_06_az_exit_to_05", 1}, {"03_06_az_superyshik2", 1},
    {"03_06_az_tumba04", 1}, {"03_06_az_tumba05", 1}, {"03_06_az_Papka_1_03", 1},
    {"03_06_az_lazer", 1}, {"03_06_az_komp_knopka", 1}, {"03_05_az_libraryshkaf_05_ct0", 1},
    {"03_06_az_tumba2_door1", 1}, {"03_02_bedroom_podokonnik2", 0}, {"03_03_gurnal_otkritii", 0},
    {"03_03_cabinet_statuetka2_01", 0}, {"03_03_cabinet_statuetka2_02", 0}, {"03_03_cabinet_statuetka2_03", 0},
    {"03_03_cabinet_statuetka2_04", 0}, {"03_03_cabinet_statuetka2_05", 0}, {"03_03_cabinet_statuetka2_06", 0},
    {"03_03_cabinet_statuetka2_07", 0}, {"03_03_cabinet_statuetka2_08", 0}, {"03_03_cabinet_statuetka2_09", 0},
    {"03_03_cabinet_statuetka2_10", 0}, {"03_03_kartina_kluc_10", 0}, {"03_03_kartina_kluc_09", 0},
    {"03_03_kartina_kluc_08", 0}, {"03_03_kartina_kluc_07", 0}, {"03_03_kartina_kluc_06", 0},
    {"03_04_korob3_08", 0}, {"03_04_Shield_06", 0}, {"03_04_korob2_06", 0},
    {"03_shk2_door1", 0}, {"03_shk2_door2", 0},
};

const GroupFlags kLoc3Flags[] = {
    {"07_01_room.scene", 64},        {"07_01_room_kust.scene", 64},  {"07_01_room_lesok.scene", 64},
    {"07_01_room_palma.scene", 64},  {"07_01_room_stone.scene", 64}, {"07_01_room_tree.scene", 64},
    {"07_01_room_pyramid.scene", 64}, {"07_02_scene.scene", 64},     {"03_07_lights.scene", 64},
    {"01_hero_dress.scene", 10},     {"02_lord.scene", 8},           {"04_villain.scene", 8},
    {"10_butler.scene", 8},          {"03_minigame_16.scene", 16},   {"06_marvek.scene", 64},
    {"07_officer.scene", 64},        {"15_conq.scene", 64},          {"15_conq2.scene", 64},
    {"15_conq3.scene", 64},
};

/// A piece added to a task by name: room, camera, shown when the task starts.
struct Piece
{
    const char* name;
    int room, cam, show;
};
const Piece kLoc3Scrolls[] = {{"03_05_az_Svitok_03", 5, 7, 0}, {"03_05_az_Svitok_04", 5, 5, 0},
                              {"03_05_az_Svitok_06", 5, 3, 1}, {"03_05_az_Svitok_08", 5, 8, 0},
                              {"03_05_az_Svitok_09", 5, 2, 1}};
const Piece kLoc3Cards[] = {{"03_06_az_MagKarta_03", 6, 7, 0}, {"03_06_az_MagKarta_04", 6, 6, 0},
                            {"03_06_az_MagKarta_05", 6, 4, 0}, {"03_06_az_MagKarta_06", 6, 4, 0},
                            {"03_06_az_MagKarta_07", 6, 4, 0}, {"03_06_az_MagKarta_08", 6, 4, 0},
                            {"03_06_az_MagKarta_09", 6, 8, 1}, {"03_06_az_MagKarta_10", 6, 3, 1}};
const Piece kLoc3Brooches[] = {
    {"03_05_az_Brosh_01_Blue_02", 5, 8, 0},   {"03_05_az_Brosh_01_Red_02", 5, 2, 1},
    {"03_06_az_Brosh_01_Red_03", 6, 7, 0},    {"03_06_az_Brosh_01_Yellow_02", 6, 7, 0},
    {"03_06_az_Brosh_01_Blue_03", 6, 6, 0},   {"03_06_az_Brosh_01_Yellow_01", 6, 9, 0},
    {"03_06_az_Brosh_01_Yellow_03", 6, 5, 0}, {"03_06_az_Brosh_01_Red_01", 6, 5, 0},
    {"03_06_az_Brosh_01_Blue_04", 6, 5, 0},   {"03_06_az_Brosh_01_Blue_01", 6, 8, 0}};

/// A hot spot clicked, its animation run, and what it uncovers shown.
struct Uncover
{
    const char* spot;
    int room, cam, show;
    const char* anim;
    const char* revealed; ///< nullptr: nothing
};
const Uncover kLoc3Hiding[] = {
    {"03_03_az_room_tainik", 3, 4, 1, "03_03_room_tainik", "03_03_az_cabinet_statuetka_10"},
    {"03_03_az_cabinet_shtory_anim1", 3, 1, 1, "03_cabinet_shtory_anim1", "03_03_az_kartina_kluc_04"},
    {"03_03_az_cabinet_shtory_anim2", 3, 1, 1, "03_cabinet_shtory_anim2", nullptr},
    {"03_03_az_cabinet_shtory_anim3", 3, 2, 1, "03_cabinet_shtory_anim3", "03_03_az_kartina_kluc_03"},
};
const Uncover kLoc3Bricks[] = {
    {"03_04_az_sekret_kirpic_01", 4, 11, 1, "03_sekret_kirpic_01", "03_04_az_pticka1_05"},
    {"03_04_az_sekret_kirpic_02", 4, 10, 1, "03_sekret_kirpic_02", "03_04_az_shpric_08"},
    {"03_04_az_sekret_kirpic_03", 4, 7, 0, "03_sekret_kirpic_03", "03_04_az_shpric_07"},
    {"03_04_az_sekret_kirpic_04", 4, 10, 0, "03_sekret_kirpic_04", "03_04_az_shpric_06"},
    {"03_05_az_room_tainik", 4, 8, 0, "03_05_room_tainik", "03_05_az_Svitok_08"},
    {"03_06_az_room_pol", 4, 7, 1, "03_06_room_pol", "03_06_az_MagKarta_03"},
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
    // The loader never answers the fade back (102): waiting for it would
    // hold the thread for good.
    taskAddNotify("00_loader", 102, 1);
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
    // Decided when the location is first entered and saved with the game
    // (1 without, 2 with the survey scene): a game continued under the
    // other setting must still resume this thread at its own task.
    int survey = getConfigI("load_from_save") != 0 ? getVarI("loc2_survey") : 0;
    if (survey == 0)
    {
        survey = getConfigI("survey") && resourceExists("url.url") ? 2 : 1;
        setVarI("loc2_survey", survey);
    }
    if (survey == 2)
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

void sc_00_ginterface::taskAddUncover(const char* spot, int room, int cam, int show, const char* anim,
                                      const char* revealed)
{
    taskAddClick(handleOf(spot), room, cam, show);
    taskAddNotify(anim, 100, 1);
    if (revealed)
        taskAddVisibleObj1(revealed, 1);
}

void sc_00_ginterface::initLoc3()
{
    TQ_TRACE(" initLoc3()");
    setVisibleByName("03_az.scene", false);
    for (const Shown& s : kLoc3Visibility)
        setVisible(handleOf(s.name), s.show != 0);
    for (const GroupFlags& g : kLoc3Flags)
        setVisibleFlagsByName(g.group, 1, g.mask);

    // 0: the story of the location, from the bedroom to the laser room.
    threadAdd();
    threadName("main");
    taskAddCutScene3("07_02_scene", 100, 2, 1);
    taskAddStopCutSceneSound();
    taskAddCutScene3("03_01_scene", 100, 2, 1);
    taskAddStopCutSceneSound();
    taskAddNotify("01_cam_move", 5101, 1);
    taskAddNotify("00_sfx_env", 1003, 1);
    taskAddTaskToJournal(3200);
    taskAddDialog(3000);
    taskAddHelpOn("main");
    taskAddClick(handleOf("03_01_az_bedroom_reshetka"), 1, 2);
    taskAddDialog(3024);
    taskAddClick(handleOf("03_01_az_bedroom_stol"), 1, 2);
    taskAddNotify("03_01_az_bedroom_stol_msz", 100);
    taskAddClick(handleOf("03_01_az_bedroom_reshetka"), 1, 2);
    taskAddVisibleObj1("03_01_az_bedroom_reshetka_npz", 1);
    taskAddNotify("03_01_az_bedroom_reshetka_npz", 50);
    taskAddShowTask(301);
    taskAddTaskToJournal(3201);
    taskAddDialog(3001);
    {
        int rooms[] = {1, 1, 1, 1};
        int cams[] = {5, 5, 5, 5};
        taskAddUseObjEx(301, "03_01_az_reshetka_bolt", 4, rooms, cams, 1);
    }
    for (int i = 0; i < 4; ++i)
        taskSetAnimAfterUse(i, static_cast<int>(handleOf(ScriptObject::indexedKey("03_reshetka_bolt_", i + 1).c_str())),
                            100);
    taskAddShowTask(302);
    taskAddNotify("03_bedroom_reshetka", 100);
    taskAddDialog(3002);
    taskAddUseObj1(302, "03_01_az_camera", 1, 5);
    taskAddMiniGame("00_minigame_starter", 1004);
    taskAddVisibleObj1("03_01_az_exit_to_02_ct", 0);
    taskAddVisibleObj1("03_01_az_exit_to_02_ct1", 1);
    taskAddTaskToJournal(3202);
    taskAddNotify("03_01_Kamer", 100, 1);
    taskAddSetParam("minigame_04_end", 1);
    taskAddDialog(3003);
    taskAddHelpOn("window");
    taskAddUseObj1(305, "03_01_az_exit_to_02_ct1", 1, 1, 0);
    taskHelpCond(0, "03_01_az_exit_to_02_ct0@clicked", 1);
    taskAddDialog(3022);
    taskAddShowTask(303);
    taskAddUseObj1(303, "03_01_az_exit_to_02_ct2", 1, 1);
    taskAddDeactivate("03_01_az_exit_to_02_msz2", 100);
    taskAddVisibleObj1("03_01_az_exit_to_02", 1);
    taskAddNotify("03_02_scene", 300, 1);
    taskAddNotify("03_01_az_exit_to_02", 100);
    taskAddClick(handleOf("03_02_az_exit_to_03_ct"), 2, 1);
    taskAddCutScene3("03_02_scene", 400, CUTSCENE_FADE_NO, 1);
    taskAddDialog(3004);
    taskAddShowTask(306);
    taskAddUseObj1(306, "03_02_az_bedroom_podokonnik2", 2, 1);
    taskAddVisibleObj1("03_02_bedroom_podokonnik2", 1);
    taskAddCutScene3("03_02_scene", 100, 2, 1);
    taskAddStopCutSceneSound();
    taskAddNotify("01_cam_move", 5303, 1);
    taskAddVisibleObj1("03_02_az_exit_to_03", 1);
    taskAddTaskToJournal(3203);
    taskAddDialog(3006);
    taskAddUseObj1(307, "03_03_az_kartina2", 3, 2);
    for (const char* key : {"03_03_kartina_kluc_06", "03_03_kartina_kluc_07", "03_03_kartina_kluc_08",
                            "03_03_kartina_kluc_09", "03_03_kartina_kluc_10"})
        taskAddVisibleObj1(key, 1);
    taskAddCutScene3("03_03_scene", 100, 3, 1);
    taskAddStopCutSceneSound();
    taskAddNotify("00_sfx_env", 1001, 1);
    taskAddTaskToJournal(3204);
    taskAddVisibleObj1("03_03_az_exit_to_04_ct0", 0);
    taskAddDialog(3007);
    taskAddClick(handleOf("03_03_az_exit_to_04_ct"), 3, 4);
    taskAddDialog(3008);
    taskAddShowTask(309);
    taskAddShowTask(310);
    taskAddUseObj1(309, "03_03_az_exit_to_04_ct1", 3, 4);
    taskAddVisibleObj1("03_03_gurnal_otkritii", 1);
    taskAddDialog(3036);
    taskAddUseObj1(310, "03_03_az_exit_to_04_ct2", 3, 4);
    taskAddNotify("03_03_az_gurnal_pod_dver'_msz", 100);
    taskAddVisibleObj1("03_03_az_Key2_02", 1);
    taskAddHelpOn("door_key");
    taskAddUseObj1(311, "03_03_az_exit_to_04_ct3", 3, 4);
    taskAddNotify("00_movies", 2005, 1);
    taskAddNotify("03_03_az_exit_to_04_msz", 300, 1);
    taskAddNotify("03_03_az_exit_to_04", 100);
    taskAddVisibleObj1("03_03_az_exit_to_04", 1);
    taskAddTaskToJournal(3205);
    taskAddDialog(3009);
    for (const char* name : {"ptici_use", "salfetka", "pticka", "shpric", "verevka"})
        taskAddHelpOn(name);
    taskAddFindObj1(313, "03_04_az_Gun", 4, 4, 0);
    taskAddVisibleObj1("03_04_az_exit_to_05_ct0", 0);
    taskAddVisibleObj1("03_04_az_exit_to_05_ct1", 1);
    taskAddShowTask(314);
    taskAddHelpOn("main");
    taskAddUseObj1(313, "03_04_az_exit_to_05_ct", 4, 2, 0);
    taskHelpCond(0, "shpric_picked", 1);
    taskAddCutScene3("03_04_scene", 200, 3, 1);
    taskAddStopCutSceneSound();
    taskAddNotify("01_cam_move", 5402, 1);
    taskAddDialog(3011);
    taskAddShowTask(312);
    taskAddUseObj1(312, "03_04_az_exit_to_05_ct2", 4, 2);
    taskAddCutScene3("03_05_scene", 100, 3, 1);
    taskAddDialog(3012);
    taskAddShowTask(315);
    taskAddUseObj1(315, "03_04_az_exit_to_05_ct3", 4, 2);
    taskAddCutScene3("03_07_scene", 100, 3, 1);
    taskAddStopCutSceneSound();
    taskAddNotify("00_sfx_env", 1003, 1);
    for (const char* name : {"03_04_korob3_08", "03_04_Shield_06", "03_04_korob2_06", "03_04_az_exit_to_05_ct4"})
        taskAddVisibleObj1(name, 1);
    taskAddClick(handleOf("03_04_az_exit_to_05_ct4"), 4, 2);
    taskAddNotify("03_04_az_exit_to_05", 100);
    taskAddNotify("03_04_az_exit_to_05_msz", 100, 1);
    taskAddTaskToJournal(3206);
    taskAddDialog(3013);
    taskAddFindObjEx(317, "", 0, nullptr, nullptr, 1);
    for (const Piece& p : kLoc3Scrolls)
        taskAddPikedObj(p.name, p.room, p.cam, p.show);
    taskAddDeactivate("03_05_az_Svitok_os", 100);
    taskAddTaskToJournal(3207);
    taskAddDialog(3014);
    taskAddHideTask(317);
    taskAddVisibleObj1("03_05_az_libraryshkaf_05_ct0", 0);
    taskAddClick(handleOf("03_05_az_libraryshkaf_05_ct"), 5, 4);
    taskAddMiniGame("00_minigame_starter", 1016);
    taskAddDialog(3015);
    taskAddCutScene3("03_minigame_16", 200, CUTSCENE_FADE_NO, 1);
    taskAddVisibleObj1("03_05_az_exit_to_06_npz", 1);
    taskAddNearPlaneMini("03_05_az_Door01_npm", 5, 11);
    taskHelpCond(0, "03_05_az_teleskop@used", 1);
    taskAddNotify("03_05_az_Door01_msz", 100);
    taskAddDialog(3016);
    taskAddShowTask(319);
    taskAddUseObj1(321, "03_05_az_exit_to_06_ct", 5, 11);
    taskSetStartWithoutImage(1);
    taskAddVisibleObj1("03_05_az_exit_to_06", 1);
    taskAddNotify("03_05_az_exit_to_06", 100);
    taskAddTaskToJournal(3208);
    taskAddDialog(3017);
    taskAddVisibleObj1("03_05_az_exit_to_06", 1);
    taskAddVisibleObj1("03_05_az_exit_to_06_npz", 0);
    taskAddClick(handleOf("03_06_az_knopka2"), 6, 4);
    taskAddNotify("03_06_az_knopka2_msz", 100);
    taskAddNotify("01_cam_move", 600, 1);
    taskAddHelpOn("magkarta");
    taskAddHelpOn("izolenta");
    taskAddDialog(3018);
    taskAddUseObj1(320, "03_06_az_knopka1", 6, 2);
    taskAddMiniGame("00_minigame_starter", 1036);
    taskAddNotify("00_sfx_env", 1008, 1);
    taskAddVisibleObj1("03_06_az_lazer", 0);
    taskAddNotify("00_movies", 3032, 1);
    taskAddNotify("03_lazer_switcher", 100, 1);
    for (const char* name : {"03_06_az_pluwka", "03_06_az_kompstol", "03_06_az_tumba03", "03_06_az_stol_door1",
                             "03_06_az_shkaf_door2", "03_06_az_shkaf_door1", "03_06_az_bokal02_ct"})
        taskAddVisibleObj1(name, 1);
    taskAddHelpOn("scissors");
    taskAddHelpOn("isolenta_use");
    taskAddUseObj1(324, "03_06_az_detector", 6, 9);
    taskAddVisibleObj1("03_06_az_komp_knopka", 0);
    taskAddDialog(3021);
    taskAddClick(handleOf("03_06_az_komp_knopka_ct"), 6, 9);
    taskAddNotify("03_06_az_komp_knopka_msz", 100);
    taskAddMiniGame("00_minigame_starter", 1006);
    taskAddNotify("00_movies", 3031, 1);
    taskAddDeactivate("03_06_az_komp_knopka_os", 100);
    taskAddDialog(3071);
    taskAddWaitBonus(326);
    taskAddNotify("00_loader", 1004);

    // 1: the picture with the hidden puzzle.
    threadAdd();
    taskAddClick(handleOf("03_03_az_kartina4"), 1, 1);
    taskAddMiniGame("00_minigame_starter", 1031);
    taskAddNotify("03_03_az_kartina4_msz", 100);

    // 2: the window of the first room.
    threadAdd();
    threadName("window");
    taskAddClick(handleOf("03_01_az_exit_to_02_ct0"), 1, 1);
    taskAddNotify("03_01_az_exit_to_02_msz", 100);

    // 3: the candlestick lit at the fire.
    threadAdd();
    threadRoom(5);
    taskAddUseObj1(319, "03_05_az_bigfire_03", 5, 2);
    taskNoHideItem();
    taskAddChangeItem(319, 321);

    // 4: the birds open the chest of the hall.
    threadAdd();
    threadName("ptici_use");
    taskAddUseObj1(316, "03_04_az_hall_sunduk_door", 4, 5);
    taskAddDialog(3023);
    taskAddMiniGame("00_minigame_starter", 1005);
    taskAddVisibleObj1("03_04_az_hall_sunduk", 1);
    taskAddNotify("03_04_az_hall_sunduk_msz", 100);

    // 5 to 8: tape and scissors, the tape cut and wound round the glass.
    threadAdd();
    threadName("izolenta");
    taskAddFindObj1(323, "03_06_az_izolenta", 6, 3, 0);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadName("scissors");
    taskAddFindObj1(322, "03_06_az_tumba_scissors", 6, 1, 0);
    taskHelpObj(0, "03_06_az_tumba_box2");
    taskSetStartWithoutImage(1);
    threadAdd();
    taskAddGetParam("03_06_az_izolenta@picked", 1);
    taskAddGetParam("03_06_az_tumba_scissors@picked", 1);
    taskAddHideTask(322);
    taskAddChangeItem(323, 325);
    threadAdd();
    threadName("isolenta_use");
    taskAddUseObj1(325, "03_06_az_bokal02_ct", 6, 9, 0);
    taskNoHideItem();
    taskSetStartWithoutImage(1);
    taskAddChangeItem(325, 324);

    // 9, 10: the candlestick and the lenses.
    threadAdd();
    threadRoom(5);
    taskAddFindObj1(319, "03_05_az_candlestick", 5, 2);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadRoom(5);
    {
        int rooms[] = {5, 5, 5, 5, 5};
        int cams[] = {8, 8, 7, 7, 5};
        taskAddFindObjEx(318, "03_05_az_Linza", 5, rooms, cams, 1);
    }
    for (int lens : {0, 1, 4, 3, 2})
        taskShowOnTask(lens, 0);
    taskSetStartWithoutImage(1);

    // 11: the magnetic card in ten pieces over rooms 5 and 6.
    threadAdd();
    threadName("magkarta");
    {
        int rooms[] = {5, 5};
        int cams[] = {6, 9};
        taskAddFindObjEx(320, "03_05_az_MagKarta", 2, rooms, cams, 1);
    }
    for (const Piece& p : kLoc3Cards)
        taskAddPikedObj(p.name, p.room, p.cam, p.show);
    taskHelpObj(4, "03_06_az_tumba_box11");
    taskHelpObj(5, "03_06_az_tumba_box12");
    taskHelpObj(6, "03_06_az_tumba_box08");
    taskHelpObj(7, "03_06_az_tumba_box09");
    for (int card = 2; card <= 9; ++card)
        taskHelpCond(card, "03_05_az_exit_to_06_ct@used", 1);
    taskShowOnTask(1, 0);
    taskSetStartWithoutImage(1);

    // 12: the lenses in the telescope.
    threadAdd();
    threadRoom(5);
    taskAddUseObj1(318, "03_05_az_teleskop", 5, 1);
    taskAddVisibleObj1("03_05_az_teleskop_npm", 1);
    taskAddNotify("03_05_az_teleskop_npm", 2000, 1);

    // 13 to 17: the finds of the bedroom.
    threadAdd();
    threadRoom(1);
    taskAddFindObj1(301, "03_01_az_kitchen_knife", 1, 7);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadRoom(1);
    {
        int rooms[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
        int cams[] = {1, 10, 1, 1, 7, 7, 9, 11, 4, 4};
        taskAddFindObjEx(302, "03_01_az_provodok", 10, rooms, cams, 1);
    }
    taskHelpObj(0, "03_01_az_baldahin_02");
    taskHelpObj(2, "03_01_az_baldahin_02");
    taskHelpObj(8, "03_01_az_bedroom_shkaf_box1");
    for (int wire : {0, 6, 8, 9})
        taskShowOnTask(wire, 0);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadRoom(1);
    taskAddFindObj1(303, "03_01_az_Oil", 1, 7, 0);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadRoom(1);
    taskAddFindObj1(304, "03_01_az_axe", 1, 4);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadRoom(1);
    {
        int rooms[] = {1, 1, 1, 1, 1};
        int cams[] = {1, 1, 1, 4, 3};
        taskAddFindObjEx(305, "03_01_az_reshetka_kluc", 5, rooms, cams, 1);
    }
    taskShowOnTask(0, 0);
    taskShowOnTask(2, 0);
    taskSetStartWithoutImage(1);

    // 18 to 21: the canopy, the dish and the curtains of the bedroom.
    threadAdd();
    taskAddClick(handleOf("03_01_az_baldahin_01"), 1, 1);
    taskAddNotify("03_baldahin_01", 100, 1);
    taskAddVisibleObj1("03_01_az_pillow", 1);
    taskAddClick(handleOf("03_01_az_baldahin_02"), 1, 1);
    taskAddNotify("03_baldahin_02", 100, 1);
    taskAddVisibleObj1("03_01_az_baldahin_02_npz", 1);
    threadAdd();
    taskAddClick(handleOf("03_01_az_bludo_krihka"), 1, 7, 0);
    taskAddNotify("03_bludo_krihka", 100);
    threadAdd();
    taskAddUncover("03_01_az_bedroom_shtory_01", 1, 1, 1, "03_shtory_anim1", "03_01_az_reshetka_kluc_01");
    threadAdd();
    taskAddUncover("03_01_az_bedroom_shtory_02", 1, 1, 1, "03_shtory_anim2", nullptr);

    // 22, 23: the axe frees the windowsill board.
    threadAdd();
    threadRoom(1);
    taskAddUseObj1(304, "03_01_az_bedroom_podokonnik1", 1, 1);
    taskAddNotify("03_bedroom_podokonnik1", 100, 1);
    taskAddVisibleObj1("03_01_az_bedroom_podokonnik02", 1);
    threadAdd();
    threadRoom(1);
    taskAddFindObj1(306, "03_01_az_bedroom_podokonnik02", 1, 1, 0);
    taskHelpCond(0, "03_01_az_bedroom_podokonnik1@used", 1);
    taskSetStartWithoutImage(1);
    taskAddVisibleObj1("03_bedroom_podokonnik1", 0);

    // 24 to 26: the picture's key and the statuettes of the fountain.
    threadAdd();
    threadRoom(3);
    {
        int rooms[] = {3, 3, 3, 3, 3};
        int cams[] = {7, 4, 2, 1, 3};
        taskAddFindObjEx(307, "03_03_az_kartina_kluc", 5, rooms, cams, 1);
    }
    taskHelpCond(4, "03_03_az_cabinet_fontan@used", 1);
    for (int piece : {1, 2, 3, 4})
        taskShowOnTask(piece, 0);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadRoom(3);
    {
        int rooms[] = {3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
        int cams[] = {4, 1, 2, 1, 1, 5, 3, 1, 1, 4};
        taskAddFindObjEx(308, "03_03_az_cabinet_statuetka", 10, rooms, cams, 1);
    }
    taskHelpObj(4, "03_03_az_parketina");
    taskHelpObj(7, "03_03_az_cabinet_shkaf_door2");
    for (int statuette : {8, 9, 1, 0, 2, 5})
        taskShowOnTask(statuette, 0);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadRoom(3);
    taskAddUseObj1(308, "03_03_az_cabinet_fontan", 3, 3);
    taskAddNotify("00_movies", 3040, 1);
    for (int i = 1; i <= 10; ++i)
        taskAddVisibleObj1(ScriptObject::indexedKey("03_03_cabinet_statuetka2_", i), 1);
    taskAddNotify("03_03_az_cabinet_fontan_msz", 100);

    // 27 to 29: the journal of discoveries, the ice knife, the door key.
    threadAdd();
    threadRoom(3);
    taskAddFindObj1(309, "03_03_az_gurnal_otkritii02", 3, 7);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadRoom(3);
    taskAddFindObj1(310, "03_03_az_knife_ice", 3, 6);
    taskSetStartWithoutImage(1);
    threadAdd();
    threadName("door_key");
    taskAddFindObj1(311, "03_03_az_Key2_01", 3, 9, 0);
    taskSetStartWithoutImage(1);

    // 30 to 33: the cabinet's hiding places.
    for (const Uncover& u : kLoc3Hiding)
    {
        threadAdd();
        taskAddUncover(u.spot, u.room, u.cam, u.show, u.anim, u.revealed);
    }

    // 34: the rope.
    threadAdd();
    threadName("verevka");
    taskAddFindObj1(312, "03_04_az_hall_verevka", 4, 5);
    taskSetStartWithoutImage(1);

    // 35 to 40: secret bricks and floor boards.
    for (const Uncover& u : kLoc3Bricks)
    {
        threadAdd();
        taskAddUncover(u.spot, u.room, u.cam, u.show, u.anim, u.revealed);
    }

    // 41: the syringe in fifteen pieces; with it found and the gun in hand
    // the way to room 5 opens.
    threadAdd();
    threadName("shpric");
    {
        int rooms[] = {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
        int cams[] = {5, 6, 8, 4, 2, 6, 7, 10, 3, 5, 11, 8, 5, 2, 10};
        taskAddFindObjEx(314, "03_04_az_shpric", 15, rooms, cams, 1);
    }
    for (int piece : {3, 7, 2, 0, 9, 6, 11, 12, 4, 13, 5, 1})
        taskShowOnTask(piece, 0);
    for (int piece : {0, 9, 12})
        taskHelpCond(piece, "03_04_az_hall_sunduk_msz@lock", 0);
    taskSetStartWithoutImage(1);
    taskAddSetParam("shpric_picked", 1);
    taskAddGetParam("03_04_az_Gun@picked", 1);
    taskAddDialog(3010);
    taskAddHideTask(314);
    taskAddVisibleObj1("03_04_az_exit_to_05_ct1", 0);
    taskAddVisibleObj1("03_04_az_exit_to_05_ct", 1);

    // 42: the birds.
    threadAdd();
    threadName("pticka");
    {
        int rooms[] = {4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
        int cams[] = {4, 4, 1, 2, 11, 3, 3, 4, 7, 3};
        taskAddFindObjEx(316, "03_04_az_pticka1", 10, rooms, cams, 1);
    }
    taskShowOnTask(0, 0);
    taskSetStartWithoutImage(1);

    // 43: the bonus, ten brooches.
    threadAdd(0);
    threadName("brosh");
    threadRoom(5);
    threadBonusTime(180);
    taskAddFindObjEx(326, "", 0, nullptr, nullptr, 1);
    for (const Piece& p : kLoc3Brooches)
        taskAddPikedObj(p.name, p.room, p.cam, p.show);
    taskHelpObj(3, "03_06_az_tumba_box07");
    taskHelpObj(4, "03_06_az_tumba_box10");
    taskHelpObj(6, "03_06_az_tumba_box3");
    taskHelpObj(8, "03_06_az_tumba_box4");
    taskSetStartWithoutImage(1);

    // 44: the napkin.
    threadAdd();
    threadName("salfetka");
    taskAddFindObj1(315, "03_04_az_salfetka", 4, 8, 0);
    taskSetStartWithoutImage(1);

    static const char* const kPictures[] = {
        "inv_kitchen_knife", "inv_provodok",     "inv_Oil",          "inv_axe",
        "inv_reshetka_kluc", "inv_bedroom_podokonnik", "inv_kartina_kluc", "inv_cabinet_statuetka",
        "inv_gurnal_otkritii", "inv_knife_ice",  "inv_Key3",         "inv_hall_verevka",
        "inv_Gun",           "inv_shpric",       "inv_salfetka",     "inv_pticka1",
        "inv_Svitok",        "inv_Linza",        "inv_candlestick",  "inv_MagKarta",
        "inv_candlestick_fire", "inv_scissors",  "inv_izolenta2",    "inv_izolenta4",
        "inv_izolenta3",     "inv_brosh"};
    for (int i = 0; i < 26; ++i)
        addRttTask(301 + i, kPictures[i]);
}
