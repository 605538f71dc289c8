// The play plan of location 5, the harbour: six rooms, 35 threads and 23
// item pictures, as a table that buildPlan runs step by step.  The order of
// the threads and of the steps inside each is the saved game's.
//
// Where the story's own notes abbreviate, the table completes them as the
// plan of location 4 does: a piece whose camera is not given lies in the
// room its name tells (05_RR_...) and is seen from that room's first camera;
// pieces of a find task are hidden when the task starts unless marked shown;
// the find tasks of the objects that the story puts into the inventory
// (taskAddPickObj: "05_02_az_key4", "05_01_az_propusk_gg") do not show them.
#include "00_ginterface.h"
#include "00_ginterface_plan_steps.h"

#include "Application.h"
#include "Trace.h"

namespace
{
using namespace plan;

const char* const kLoc5Shown[] = {
    "05_01_az_plakat_01_npz", "05_01_az_shkaf_left", "05_01_az_shkaf_right2",
    "05_01_az_kladovka", "05_01_az_plitka03", "05_01_az_lesa1",
    "05_01_az_stol", "05_01_az_korob3_10", "05_01_az_korob_otkrita_02",
    "05_01_az_plitka", "05_02_az_iron_box_03", "05_02_az_parusa_07",
    "05_02_az_Rulon", "05_02_az_korob_otkrita_05", "05_02_az_lesa2",
    "05_02_az_Larek_Ljuk", "05_02_az_yshik02", "05_02_az_Larek_Ljuk01",
    "05_02_az_FotoAvtomat", "05_02_az_game", "05_02_az_Akvarium1_door",
    "05_02_az_Akvarium1_door01", "05_02_az_Akvarium1_door02", "05_02_az_up",
    "05_02_az_box1_29", "05_02_az_box2_08", "05_03_az_exit_to_02",
    "05_03_az_box1_31", "05_03_az_korobka_01", "05_02_az_parusa_03",
    "05_05_az_exit_to_02", "05_05_az_korob_otkrita_04", "05_05_az_met_door3",
    "05_05_az_box2", "05_06_az_exit_to_05_ct", "05_06_az_korobka_12",
    "05_06_az_Sunduk01", "05_06_az_korobka_14", "05_06_az_Sunduk",
    "05_06_az_met_stol", "05_03_az_korobka_15", "05_03_az_box1_35",
    "05_02_az_exit_to_01", "05_02_az_exit_to_05_ct0", "05_02_az_exit_to_03_ct0",
};

const char* const kLoc5Hidden[] = {
    "05_03_razriv_01", "05_03_razriv_02", "05_03_razriv_03",
    "05_03_razriv_04", "05_03_razriv_05", "05_03_razriv_06",
    "05_03_razriv_07", "05_03_razriv_08", "05_03_razriv_09",
    "05_03_razriv_10", "05_03_razriv_11", "05_03_razriv_12",
    "05_03_razriv_13", "05_06_notebook_ekran",
};

const GroupFlags kLoc5Flags[] = {
    {"12_worker_man.scene", 4},        {"07_01_room.scene", 64},  {"07_01_room_kirpic.scene", 64},
    {"07_01_room_palma.scene", 64},    {"07_01_room_pyramid.scene", 64}, {"07_04_scene.scene", 64},
    {"05_07_lights.scene", 64},        {"08_priest.scene", 64},
};

const Step kLoc5Threads[] = {
    // 0: the story of the location.
    thread(), name("main"),
    cutScene3("05_01_scene", 100, 2),
    stopSound(),
    journal(3400),
    dialog(5000),
    helpOn("main"),
    use1(508, "05_01_az_admin", 1, 1, 0), withoutImage(),
    hideTask(500),
    hideTask(501),
    hideTask(503),
    cutScene3("05_03_scene", 200, 3),
    show("05_01_az_exit_to_02"),
    notify("05_01_az_exit_to_02", 100),
    notify("00_sfx_env", 5011, 1),
    journal(3402),
    dialog(5008),
    showTask(509),
    use1(509, "05_01_az_admin2", 1, 1, 1),
    hide("05_02_az_exit_to_03_ct0"),
    cutScene3("05_03_scene", 102, 3),
    pick("05_02_az_key4"),
    journal(3403),
    use1(519, "05_02_az_exit_to_03_ct", 2, 1, 1),
    notify("00_sfx_env", 1001, 1),
    notify("05_02_az_exit_to_03", 100),
    show("05_02_az_exit_to_03"),
    click("05_03_az_bob", 3, 1, 1),
    cutScene3("05_05_scene", 100, 3),
    show("05_03_az_bob2"),
    showTask(510),
    showTask(511),
    showTask(513),
    showTask(514),
    showTask(515),
    journal(3404),
    wait("instruments@picked", 1),
    hide("05_03_az_bob2"),
    click("05_03_az_bob", 3, 1, 1), useItemId(510), useItemId(511), useItemId(513), useItemId(514), useItemId(515),
    hideTask(510),
    hideTask(511),
    hideTask(513),
    hideTask(514),
    hideTask(515),
    set("05_03_Osminog@on", 1),
    cutScene3("05_05_scene", 101, 3),
    notify("05_03_Osminog", 2, 1),
    notify("05_03_Fish", 1, 1),
    journal(3405),
    click("05_03_az_Pult", 3, 1, 1),
    show("05_03_az_Pult_ct"),
    dialog(5025),
    click("05_03_az_bob", 3, 1, 1),
    hide("05_03_az_Pult_ct"),
    show("05_03_az_Pult_ct2"),
    cutScene3("05_05_scene", 102, 3),
    set("razriv@need_to_find", 1),
    useEx(522, "05_03_az_razriv", 13, 3, "3,3,3,3,3,2,2,2,4,4,4,4,3", 1),
        showAfterUse(0, 1, "05_03_razriv_01"), showAfterUse(1, 1, "05_03_razriv_02"),
        showAfterUse(2, 1, "05_03_razriv_03"), showAfterUse(3, 1, "05_03_razriv_04"),
        showAfterUse(4, 1, "05_03_razriv_05"), showAfterUse(5, 1, "05_03_razriv_06"),
        showAfterUse(6, 1, "05_03_razriv_07"), showAfterUse(7, 1, "05_03_razriv_08"),
        showAfterUse(8, 1, "05_03_razriv_09"), showAfterUse(9, 1, "05_03_razriv_10"),
        showAfterUse(10, 1, "05_03_razriv_11"), showAfterUse(11, 1, "05_03_razriv_12"),
        showAfterUse(12, 1, "05_03_razriv_13"), showOnTask(7, 0), clickItemId(520),
    hide("05_03_az_Pult_ct2"),
    hideTask(520),
    dialog(5012),
    click("05_03_az_Pult", 3, 1, 1),
    notify2("00_loader", 101),
    notify2("00_loader", 102, 1),
    cutScene("05_06_scene", 101),
    stopSound(),
    miniGame(1025),
    notify("00_minigame_interf", 100, 1),
    journal(3406),
    dialog(5021),
    cutScene3("05_07_scene", 100, 3),
    stopSound(),
    notify("01_cam_move", 5301, 1),
    hide("05_02_az_Ljuk_Door"),
    hide("05_02_az_exit_to_05_ct0"),
    helpOn("fonarik"),
    notify("05_05_steam_particle_01", 101, 1),
    notify("05_05_steam_particle_02", 101, 1),
    notify("05_05_steam_particle_03", 101, 1),
    use1(512, "05_02_az_exit_to_05_ct", 2, 2, 1),
    show("05_02_az_exit_to_05"),
    notify("05_02_az_exit_to_05", 100),
    journal(3407),
    dialog(5015),
    clickEx("05_05_az_ventil", 10, 5, "3,3,2,7,4,1,1,6,5,5", 1),
        clickItemId(521), helpCond(7, "05_05_az_box_dver@used", 1), msgAfterUse(0, "05_05_az_ventil_01_msz"),
        msgAfterUse(1, "05_05_az_ventil_02_msz"), msgAfterUse(2, "05_05_az_ventil_03_msz"),
        msgAfterUse(3, "05_05_az_ventil_04_msz"), msgAfterUse(4, "05_05_az_ventil_05_msz"),
        msgAfterUse(5, "05_05_az_ventil_06_msz"), msgAfterUse(6, "05_05_az_ventil_07_msz"),
        msgAfterUse(7, "05_05_az_ventil_08_msz"), msgAfterUse(8, "05_05_az_ventil_09_msz"),
        msgAfterUse(9, "05_05_az_ventil_10_msz"), showOnTask(8, 0), showOnTask(9, 0),
    set("05_05_az_ventil@clicked", 1),
    notify("05_05_steam_particle_01", 100, 1),
    notify("05_05_steam_particle_02", 100, 1),
    notify("05_05_steam_particle_03", 100, 1),
    hideTask(521),
    dialog(5016),
    click("05_05_az_exit_to_06_ct", 5, 5, 1),
    hideTask(504),
    notify("05_05_az_exit_to_06", 100),
    notify("00_sfx_env", 1001, 1),
    journal(3408),
    dialog(5017),
    findEx(517, "05_06_az_svitok", 10, 6, "8,3,2,2,2,4,4,4,4,5", 0),
        helpObj(9, "05_06_az_met_stol_box"), showOnTask(3, 1), showOnTask(4, 1), showOnTask(5, 1), showOnTask(6, 1),
        showOnTask(8, 1), withoutImage(),
    deactivate("05_06_az_svitok_os", 100),
    dialog(5029),
    hideTask(517),
    waitBonus(518),
    cutScene3("05_08_scene", 100, 3),
    stopSound(),
    notify("01_01_scene_ds", 10142, 1),
    cutScene3("07_04_scene", 100, 2),
    stopSound(),
    notify("00_loader", 1006),

    // 1: the fifteen stars.
    thread(),
    findEx(509, "05_02_az_Star", 15, 2, nullptr, 0), withoutImage(),
    dialog(5032),

    // 2: the notebook.
    thread(),
    click("05_06_az_notebook", 6, 5), notify("00_movies", 5017, 1), notify("05_06_az_notebook_bb", 101, 1),
    show("05_06_notebook_ekran"), dialog(5028),

    // 3: the poster, read, and the chest behind it.
    thread(), room(1),
    click("05_01_az_plakat_01", 1, 9), helpOn("chest1"), deactivate("05_01_plakat_01", 100), screenShot(),
    notify("00_game_interface", 800, 1),

    // 4, 5: the people of rooms 1 and 3 spoken to.
    thread(),
    click("05_01_az_admin3", 1, 1), cutScene3("05_03_scene", 103, 3),
    thread(),
    click("05_03_az_bob2", 3, 1), cutScene3("05_05_scene", 103, 3),

    // 6: the safe of room 6 and its mini-game.
    thread(), room(6),
    click("05_06_az_seyf_door", 6, 1), miniGame(1010), notify("05_06_az_seyf_door_msz", 100),

    // 7: the key in the cupboard.
    thread(), room(1),
    use1(505, "05_01_az_shkaf_door01", 1, 7), helpOn("photo"), notify("05_01_zamok2", 100),
    notify("05_01_az_shkaf_door01_msz", 100),

    // 8: the chest's close-up game.
    thread(), name("chest1"),
    nearPlaneMini("05_01_az_shkaf_door08", 1, 8), notify("05_01_zamok", 100), notify("05_01_az_shkaf_door08_msz", 100),

    // 9: the first bonus, ten coins.
    thread(0), room(6), bonusTime(120),
    findEx(518, "05_06_az_moneta", 10, 6, nullptr, 0), withoutImage(),

    // 10: the key of the exit to room 3, put into the inventory by the story.
    thread(),
    find1(519, "05_02_az_key4", 0, 0, 0), withoutImage(), noParticles(),

    // 11 to 14: the pilot's cap, the pass, the skirt and the jacket.
    thread(), room(1),
    find1(500, "05_01_az_pilotka", 1, 8), set("pilotka@picked", 1),
    thread(), room(1),
    find1(502, "05_01_az_propusk_01", 1, 8), helpCond(0, "5_24_variable_game_end", 1),
    deactivate("05_01_az_propusk_01_os", 100), withoutImage(),
    showTask(507), showTask(506), set("propusk@picked", 1),
    thread(), room(1),
    find1(501, "05_01_az_ubka", 1, 8), set("ubka@picked", 1),
    thread(), room(1),
    find1(503, "05_01_az_pidgak", 1, 7), set("pitjak@picked", 1),

    // 15, 16: the cupboard key and the tape.
    thread(), room(1),
    find1(505, "05_01_az_Key2_01", 1, 10), withoutImage(),
    thread(), room(2),
    find1(522, "05_02_az_izolenta", 2, 16), withoutImage(),

    // 17: the photo.
    thread(), name("photo"),
    find1(507, "05_01_az_foto", 1, 7), helpCond(0, "05_01_az_shkaf_door01@used", 1), withoutImage(),
    set("photo@picked", 1),

    // 18: the hero's pass, put into the inventory by thread 33.
    thread(0),
    find1(508, "05_01_az_propusk_gg", 1, 7, 0), withoutImage(), noParticles(),

    // 19: the tube.
    thread(), room(1),
    find1(506, "05_01_az_tubik", 1, 1), withoutImage(), set("tubik@picked", 1),

    // 20 to 26: the tools, the torch and the key of room 5.
    thread(),
    find1(510, "05_02_az_pila", 2, 2), withoutImage(), set("instrument_00@picked", 1),
    thread(),
    find1(511, "05_02_az_key", 2, 8), withoutImage(), set("instrument_01@picked", 1),
    thread(), name("fonarik"),
    find1(512, "05_02_az_Fonarik", 2, 7), withoutImage(),
    thread(),
    find1(513, "05_02_az_drill", 2, 16), withoutImage(), set("instrument_02@picked", 1),
    thread(),
    find1(514, "05_03_az_molotok", 3, 3), withoutImage(), set("instrument_03@picked", 1),
    thread(),
    find1(515, "05_03_az_kusacki", 3, 3), withoutImage(), set("instrument_04@picked", 1),
    thread(), room(5),
    find1(516, "05_05_az_Key", 5, 7), withoutImage(),

    // 27: the box of room 5 opened with it.
    thread(), room(5),
    use1(516, "05_05_az_box_dver", 5, 6), notify("05_05_az_box_dver_msz", 100, 1),

    // 28 to 31: doors and a chair over four of the stars.
    thread(),
    click("05_02_az_Akvarium1_door03", 2, 12), notify("05_Akvarium1_door01", 100, 1), show("05_02_az_Star_05"),
    thread(),
    click("05_02_az_Akvarium1_door04", 2, 13), notify("05_Akvarium1_door02", 100, 1), show("05_02_az_Star_06"),
    thread(),
    click("05_02_az_Akvarium1_door_ct", 2, 11), notify("05_Akvarium1_door", 100, 1), show("05_02_az_Star_04"),
    thread(),
    click("05_02_az_Kafe_stul_16", 2, 5), notify("05_02_Kafe_stul_16", 100, 1), show("05_02_az_Star_15"),

    // 32: the second bonus, ten pieces in room 1.
    thread(0), bonusTime(120),
    findEx(504, "05_01_az_bonus", 10, 1, nullptr, 0), withoutImage(),

    // 33: photo, tube and pass make the hero's pass; dressed, he may go.
    thread(),
    wait("photo@picked", 1),
    wait("tubik@picked", 1),
    wait("propusk@picked", 1),
    dialog(5006),
    hideTask(507),
    hideTask(502),
    hideTask(506),
    pick("05_01_az_propusk_gg"),
    deactivate("05_01_az_propusk_02_os", 100),
    wait("ubka@picked", 1),
    wait("pilotka@picked", 1),
    wait("pitjak@picked", 1),
    journal(3401),
    show("05_01_az_admin"),
    hide("05_01_az_admin3"),

    // 34: all five tools found.
    thread(),
    wait("instrument_00@picked", 1), wait("instrument_01@picked", 1), wait("instrument_02@picked", 1),
    wait("instrument_03@picked", 1), wait("instrument_04@picked", 1), set("instruments@picked", 1), dialog(5013),
};

const Picture kLoc5Pictures[] = {
    {500, "inv_pilotka"}, {501, "inv_ubka"}, {502, "inv_propusk"}, {503, "inv_pidgak"},
    {504, "inv_bonus"}, {505, "inv_Key02"}, {506, "inv_tubik"}, {507, "inv_foto"},
    {508, "inv_propusk_gg"}, {509, "inv_Star"}, {510, "inv_pila"}, {511, "inv_key01"},
    {512, "inv_Fonarik"}, {513, "inv_drill"}, {514, "inv_molotok"}, {515, "inv_kusacki"},
    {516, "inv_Key03"}, {517, "inv_svitok"}, {518, "inv_moneta2"}, {519, "inv_Key04"},
    {520, "inv_razriv"}, {521, "inv_ventil1"}, {522, "inv_izolenta5"},
};
} // namespace

void sc_00_ginterface::initLoc5()
{
    TQ_TRACE(" initLoc5()");
    setVisibleByName("05_az.scene", false);
    setVisibleFlagsByName("13_worker_woman.scene", 1, 1);
    for (const char* name : kLoc5Shown)
        setVisible(gApp.findObjectHandle(name), true);
    for (const char* name : kLoc5Hidden)
        setVisible(gApp.findObjectHandle(name), false);
    for (const GroupFlags& g : kLoc5Flags)
        setVisibleFlagsByName(g.group, 1, g.mask);
    buildPlan(kLoc5Threads, sizeof(kLoc5Threads) / sizeof(kLoc5Threads[0]));
    for (const Picture& p : kLoc5Pictures)
        addRttTask(p.id, p.object);
}
