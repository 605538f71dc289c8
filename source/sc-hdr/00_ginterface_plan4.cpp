// The play plan of location 4, the manor's cellars: six rooms, 60 threads
// and 23 item pictures, as a table that buildPlan runs step by step.  The
// order of the threads and of the steps inside each is the saved game's.
//
// Where the story's own notes abbreviate, the table completes them so:
// - a series given by its first piece ("04_05_az_probirka_01" ...) goes on
//   with that name's two-digit numbering, one piece after another;
// - a piece whose camera is not given lies in the room its name tells
//   (04_RR_...) and is seen from that room's first camera;
// - pieces of a find task are hidden when the task starts unless marked
//   shown (taskShowOnTask); the hot spots of use and click tasks show;
// - the find task of an object that another thread puts into the inventory
//   (taskAddPickObj) does not show it, so it cannot be taken early;
// - the bonus thread "step" takes room 3 and then, after its name, room 2.
#include "00_ginterface.h"
#include "00_ginterface_plan_steps.h"

#include "Application.h"
#include "Trace.h"

namespace
{
using namespace plan;

const char* const kLoc4Shown[] = {
    "04_01_az_kamni1", "04_02_az_nisha_v_polu", "04_02_az_box3_02",
    "04_02_az_box_01", "04_02_az_box_02", "04_02_az_wall_brick1_04",
    "04_02_az_box3_01", "04_02_az_shel", "04_02_az_tumba_dver_01",
    "04_02_az_tumba_dver_02", "04_02_az_tumba_dver_03", "04_02_az_tumba_dver_04",
    "04_02_az_tumba_dver_05", "04_02_az_tumba_dver_06", "04_03_az_Box41",
    "04_03_az_metbox", "04_03_az_metbox02", "04_03_az_korob_otkrita_01",
    "04_03_az_box1_11", "04_03_az_Box40", "04_03_az_Box39",
    "04_03_az_Elektromagnit_dver_npz", "04_04_az_exit_to_03", "04_04_az_Box06",
    "04_04_az_Box08", "04_04_az_korobka_28", "04_04_az_Box07",
    "04_04_az_korobka_11", "04_04_az_box2_02", "04_04_az_box2_01",
    "04_04_az_Box09", "04_04_az_plitka", "04_05_az_exit_to_03_ct",
    "04_06_az_exit_to_05", "04_05_az_exit_to_06", "04_05_az_doska2",
    "04_05_az_Larec", "04_05_az_shkaf_door2", "04_05_az_shkaf_door1",
    "04_05_az_doc09", "04_05_az_stol_tumba", "04_05_az_Raritet_2",
    "04_05_az_box2_04", "04_05_az_KodLarec", "04_05_az_korob_otkrita_01",
    "04_05_az_stol", "04_05_az_Stul01", "04_05_az_stol01",
    "04_05_az_korob4_04", "04_05_az_stol_polki", "04_06_az_tumba01",
    "04_06_az_Stul04", "04_06_az_tumba_box1", "04_06_az_shkaf2_door1",
    "04_06_az_Stol_door", "04_06_az_shkaf1_door1", "04_06_az_shkaf1_door2",
    "04_06_az_pillow01", "04_05_az_musorka", "04_06_az_generator_koda",
    "04_06_az_Video", "04_03_az_exit_to_05_ct2", "04_03_az_exit_to_04_ct2",
    "04_03_az_pult_ct", "04_03_az_printer_ct", "04_06_az_darts_ct",
};

const char* const kLoc4Hidden[] = {
    "04_02_BronzRicar_Mech_01", "04_02_BronzRicar_Mech_02", "04_02_BronzRicar_Mech_03",
    "04_02_BronzRicar_Mech_04", "04_02_BronzRicar_Mech_05", "04_02_BronzRicar_Shield_01",
    "04_02_BronzRicar_Shield_02", "04_02_BronzRicar_Shield_03", "04_02_BronzRicar_Shield_04",
    "04_02_BronzRicar_Shield_06", "04_02_BronzRicar_Shlem_01", "04_02_BronzRicar_Shlem_02",
    "04_02_BronzRicar_Shlem_03", "04_02_BronzRicar_Shlem_05", "04_02_BronzRicar_Shlem_06",
    "04_03_blokpitania_01", "04_03_blokpitania_02", "04_03_blokpitania_03",
    "04_03_blokpitania_04", "04_03_blokpitania_05", "04_03_blokpitania_06",
    "04_03_blokpitania_07", "04_03_blokpitania_08", "04_03_blokpitania_09",
    "04_03_blokpitania_10", "04_03_displei1", "04_03_displei2",
    "04_03_displei3", "04_03_displei4", "04_03_displei4_01",
    "04_03_displei4_02", "04_03_displei4_03", "04_vitrag_svet",
    "04_04_kristall", "04_vitrag_02", "04_04_LazPushka_ekran",
    "04_Proektor_svet", "04_paper_print_01", "04_paper_12",
    "04_05_mixer_probirka_green",
};

const GroupFlags kLoc4Flags[] = {
    {"07_01_room.scene", 64},       {"07_01_room_kust.scene", 64},  {"07_01_room_lesok.scene", 64},
    {"07_01_room_palma.scene", 64}, {"07_01_room_stone.scene", 64}, {"07_01_room_tree.scene", 64},
    {"07_03_scene.scene", 64},      {"04_07_lights.scene", 64},     {"04_02_scene.scene", 1024},
    {"09_girl.scene", 1024},        {"06_marvek.scene", 64},        {"07_officer.scene", 64},
    {"15_conq.scene", 64},          {"15_conq3.scene", 64},
};

const Step kLoc4Threads[] = {
    // 0: the story of the location.
    thread(), name("main"),
    notify("01_01_scene_ds", 10142, 1),
    cutScene3("07_03_scene", 100, 2),
    stopSound(),
    notify("01_cam_move", 5101, 1),
    notify("00_sfx_env", 1001, 1),
    cutScene2("01_01_scene_ds", 10145, 1, 1), noHideInterfaceBefore(),
    journal(3300),
    dialog(4000),
    helpOn("main"),
    use1(400, "04_01_az_exit_to_02_ct", 1, 1, 1),
    notify("04_01_az_exit_to_02", 100),
    journal(3301),
    dialog(4001),
    notify("04_02_az_exit_to_03_mg", 100),
    set("04_02_tumba_mg@ok", 1),
    hide("04_02_az_stolb_act_01"),
    hide("04_02_az_stolb_act_02"),
    hide("04_02_az_stolb_act_03"),
    hide("04_02_az_stolb_act_04"),
    hide("04_02_az_stolb_act_05"),
    hide("04_02_az_stolb_act_06"),
    hide("04_02_az_tumba_dver_01"),
    hide("04_02_az_tumba_dver_02"),
    hide("04_02_az_tumba_dver_03"),
    hide("04_02_az_tumba_dver_04"),
    notify("04_02_az_tumba_dver_05", 1000, 1),
    hide("04_02_az_tumba_dver_06"),
    notify("04_02_az_stolb_msz", 100, 1),
    helpOn("vitrag"),
    notify("04_02_plita_msz", 100, 1),
    notify("04_lift", 100),
    set("dlg@4004", 1),
    use1(406, "04_02_az_exit_to_03_ct", 2, 1, 1),
    hideTask(402),
    hideTask(403),
    hideTask(404),
    cutScene3("04_01_scene", 100, 3),
    stopSound(),
    notify("01_cam_move", 5301, 1),
    notify("01_cam_move", 1020, 1),
    notify("01_cam_move", 1031, 1),
    journal(3302),
    dialog(4005),
    use1(407, "04_03_az_generator", 3, 2, 1),
    hide("04_03_az_pult_ct"),
    show("04_03_blokpitania_01"),
    show("04_03_blokpitania_02"),
    show("04_03_blokpitania_03"),
    show("04_03_blokpitania_04"),
    show("04_03_blokpitania_05"),
    show("04_03_blokpitania_06"),
    show("04_03_blokpitania_07"),
    show("04_03_blokpitania_08"),
    show("04_03_blokpitania_09"),
    show("04_03_blokpitania_10"),
    notify("00_movies", 4018, 1),
    notify("01_cam_move", 7770),
    notify("04_03_displei1", 100, 1),
    notify("04_03_displei2", 100, 1),
    notify("04_03_displei3", 100, 1),
    notify("04_03_displei4", 100, 1),
    notify("04_03_displei4_01", 100, 1),
    notify("04_03_displei4_02", 100, 1),
    notify("04_03_displei4_03", 100, 1),
    notify("04_printer_script", 100, 1),
    dialog(4009),
    hide("04_03_az_printer_ct"),
    show("04_03_az_printer_npz"),
    helpOn("printer"),
    helpOn("seif"),
    nearPlaneMini("04_03_az_pult_npm", 3, 1, 1), helpCond(0, "ready_to_input_1", 1),
    hide("04_03_az_exit_to_04_ct2"),
    cutScene3("04_03_scene", 100, 3),
    stopSound(),
    notify("01_cam_move", 5302, 1),
    dialog(4024),
    click("04_03_az_exit_to_04_ct", 3, 2, 1),
    notify("04_03_az_exit_to_04", 100),
    show("04_03_az_exit_to_04"),
    journal(3303),
    dialog(4011),
    find1(413, "04_04_az_superpapka", 4, 5, 0), helpCond(0, "4_8_variable_game_end", 1),
    deactivate("04_04_az_superpapka_os", 100),
    journal(3304),
    dialog(4015),
    hideTask(413),
    set("04_03_az_pult_npm@second_pass", 1),
    nearPlaneMini("04_03_az_pult_npm", 3, 1, 1), helpCond(0, "get_second_pass", 1),
    hide("04_03_az_exit_to_05_ct2"),
    cutScene3("04_04_scene", 100, 3),
    stopSound(),
    notify("01_cam_move", 5304, 1),
    dialog(4016),
    click("04_03_az_exit_to_05_ct", 3, 4, 1),
    show("04_03_az_exit_to_05"),
    notify("04_03_az_exit_to_05", 100),
    journal(3305),
    dialog(4017),
    find1(418, "04_06_az_superpapka2", 6, 1, 0), helpCond(0, "04_06_az_darts_msz@lock", 0), withoutImage(),
    dialog(4020),
    hide("04_05_az_exit_to_03_ct"),
    show("04_05_az_exit_to_03"),
    deactivate("04_06_az_superpapka2_os", 100),
    dialog(4051),
    waitBonus(423),
    notify("00_loader", 1005),

    // 1: the dialog of the lift, once it has come up and the player looks on.
    thread(),
    wait("dlg@4004", 1), wait("cur_cam", 1), dialog(4004),

    // 2: the code generator of room 6 and its mini-game.
    thread(), room(6),
    click("04_06_az_generator_koda", 6, 1), dialog(4042), miniGame(1022), notify("00_game_interface", 800, 1),
    dialog(4047),

    // 3: the door of the code casket, once its mini-game has ended.
    thread(), room(6),
    click("04_KodLarec_Door", 5, 10), helpCond(0, "4_22_variable_game_end", 1), helpObj(0, "04_05_KodLarec_Door"),

    // 4: the darts thrown at the board open the darts game.
    thread(), room(6),
    use1(414, "04_06_az_darts", 6, 1), dialog(4019), showTask(416), helpOn("darts"), show("04_06_az_darts_npm"),
    notify("04_06_az_darts_npm", 2000, 1),

    // 5: the green tube dissolves the plastic over the first dart.
    thread(), room(5),
    use1(424, "04_05_az_plastic", 5, 8), notify("04_05_scene", 101), show("04_05_az_drotik_01"),

    // 6: the five darts.
    thread(), room(5),
    findEx(414, "04_05_az_drotik", 5, 5, nullptr, 0),
        helpCond(0, "04_05_az_plastic@used", 1), helpCond(1, "04_05_az_KodLarec_msz@lock", 0),
        helpCond(3, "04_05_az_Larec_msz@lock", 0), withoutImage(),
    dialog(4019),

    // 7: the nine test tubes.
    thread(), room(5),
    findEx(415, "", 0, 0, nullptr, 0), pikedSeries("04_05_az_probirka", 1, 9, 5, 1, 0),
        helpObj(3, "04_06_az_tumba_box1"), withoutImage(),

    // 8: the tubes in the mixer, its mini-game and the green tube.
    thread(), room(5),
    use1(415, "04_05_az_mixer", 5, 11), notify("04_05_mixer_mc", 100, 1), miniGame(1009),
    hide("04_05_mixer_probirka"), show("04_05_mixer_probirka_green"),
    cutScene2("04_05_mixer_krug", 100), noHideInterfaceBefore(), interfaceObj("04_05_az_stol"),
    pick("04_05_az_mixer_probirka_green"), hide("04_05_mixer_probirka_green"),

    // 9: the green tube's find task, for the pick of thread 8.
    thread(0),
    find1(424, "04_05_az_mixer_probirka_green", 0, 0, 0), withoutImage(),

    // 10: the dressing gown.
    thread(),
    click("04_06_az_halat_anim", 6, 1), notify("04_halat_anim", 100, 1), show("04_06_az_small_paper_07"),

    // 11: the magic key in three pieces.
    thread(), room(5),
    findEx(417, "04_05_az_magickey", 2, 5, nullptr, 0), piked("04_06_az_magickey_03", 6, 1, 0),
        helpObj(0, "04_05_az_tumba_door"), helpObj(2, "04_06_az_tumba_box1"), withoutImage(),

    // 12: the torn note, read, and the dart board behind it.
    thread(), room(5),
    findEx(416, "04_05_az_small_paper", 6, 5, nullptr, 0), pikedSeries("04_06_az_small_paper", 7, 4, 6, 1, 0),
        showOnTask(5, 1), helpObj(4, "04_05_az_tumba_box1"), withoutImage(),
    dialog(4018), hideTask(416), deactivate("04_05_az_small_paper_os", 100), hide("04_06_az_darts_ct"),
    show("04_06_az_darts"),

    // 13: the crystal in the laser cannon.
    thread(), room(4),
    use1(411, "04_04_az_LazernajaPushka", 4, 3), notify("00_movies", 100, 1), show("04_04_kristall"),
    deactivate("04_04_az_LazernajaPushka_mg_laser", 250), screenShot(), notify("00_game_interface", 800, 1),
    dialog(4013),

    // 14: the cannon's shot opens the cache and its mini-game.
    thread(), room(4),
    show("04_04_az_taynik_ct"), notify("04_04_az_LazernajaPushka_mg", 1), notify("00_movies", 4027, 1),
    hideTask(411), hide("04_04_az_LazernajaPushka"), dialog(4026), hide("04_04_az_taynik_ct"),
    click("04_04_az_taynik", 4, 1), dialog(4025), miniGame(1008), show("04_04_az_taynik_npz"),
    notify("04_04_az_taynik_msz", 100), helpOn("code2"),

    // 15: the second code sheet.
    thread(), name("code2"),
    find1(421, "04_04_az_list_kod01", 4, 5), withoutImage(),
    dialog(4014), notify("journal", 203, 1), deactivate("04_04_az_list_kod01_os", 100), hideTask(421),
    set("get_second_pass", 1),

    // 16: the printer prints the first code.
    thread(), name("printer"),
    use1(408, "04_03_az_printer", 3, 1), notify("00_movies", 4017, 1), notify("04_printer_script", 200, 1),
    show("04_paper_print_01"), show("04_paper_12"), notify("04_paper_print_01", 100, 1),
    notify("04_03_paper_print_02", 100),
    find1(422, "04_03_az_paper_print_02", 3, 12), withoutImage(),
    dialog(4008), deactivate("04_03_az_printer_os", 100), hideTask(422), set("get_code_2", 1),

    // 17: the safe holds the other code.
    thread(), name("seif"),
    use1(409, "04_03_az_seyf_door", 3, 3), notify("04_03_az_seyf_door_msz", 100, 1),
    notify("04_03_az_seyf_door_npz", 555, 1), show("04_03_az_seyf_door_npz"),
    find1(420, "04_03_az_list_kod", 3, 10), withoutImage(),
    dialog(4008), deactivate("04_03_az_seyf_door_os", 100), hideTask(420), set("get_code_1", 1),

    // 18: the electromagnet's door and the key piece behind it.
    thread(),
    click("04_03_az_Elektromagnit_dver", 3, 9), notify("04_Elektromagnit_dver", 100, 1), show("04_03_az_Key_05"),

    // 19, 20: the spade and the video cassette.
    thread(), room(1),
    find1(401, "04_01_az_lopata", 1, 1), withoutImage(),
    thread(), room(6),
    find1(419, "04_06_az_Videokasseta", 6, 3), withoutImage(),

    // 21: the cassette played.
    thread(), room(6),
    show("04_06_VideoTel_plane"), use1(419, "04_06_az_VideoTel", 6, 4), withoutImage(),
    notify("00_movies", 4037, 1), notify("04_02_scene", 100, 1), dialog(4050),

    // 22 to 26: the power unit, the crystal, the safe key, the paper and
    // the kite, each in pieces.
    thread(), room(3),
    findEx(407, "", 0, 0, nullptr, 0), pikedSeries("04_03_az_blokpitania", 11, 10, 3, 1, 0),
        helpObj(3, "04_03_az_metbox02"), withoutImage(),
    thread(), room(4),
    findEx(411, "04_04_az_Kristall", 10, 4, nullptr, 0),
        helpObj(7, "04_04_az_plitka"), showOnTask(0, 1), showOnTask(8, 1), showOnTask(9, 1), withoutImage(),
    thread(), room(3),
    findEx(409, "04_03_az_Key", 5, 3, nullptr, 0), withoutImage(),
    thread(), room(3),
    findEx(408, "", 0, 0, nullptr, 0), pikedSeries("04_03_az_paper", 1, 5, 3, 1, 0), withoutImage(),
    thread(), room(1),
    findEx(400, "04_01_az_zmei", 3, 1, nullptr, 0), helpCond(0, "04_01_az_zemla@used", 1), withoutImage(),

    // 27: the stones over a piece of the kite.
    thread(),
    click("04_01_az_kamni2", 1, 1), notify("04_kamni2", 100, 1), show("04_01_az_zmei_03"),

    // 28: the spade in the earth.
    thread(), room(1),
    use1(401, "04_01_az_zemla", 1, 1), notify("04_zemla", 100, 1), notify("04_01_az_zemla_npz", 100, 1),
    show("04_01_az_zemla_npz"),

    // 29 to 32: the knights' swords, shields and helmets, the stained glass.
    thread(), room(2),
    findEx(402, "", 0, 0, nullptr, 0), pikedSeries("04_02_az_BronzRicar_Mech", 7, 5, 2, 1, 0), withoutImage(),
    thread(), room(2),
    findEx(403, "", 0, 0, nullptr, 0), pikedSeries("04_02_az_BronzRicar_Shield", 7, 5, 2, 1, 0), withoutImage(),
    thread(), room(2),
    findEx(404, "", 0, 0, nullptr, 0), pikedSeries("04_02_az_BronzRicar_Shlem", 7, 5, 2, 1, 0), withoutImage(),
    thread(), room(2),
    findEx(405, "04_02_az_kusok_vitraga", 10, 2, nullptr, 0),
        showOnTask(8, 1), showOnTask(9, 1), showOnTask(4, 1), showOnTask(3, 1), withoutImage(),

    // 33 to 36: bricks of the walls over pieces.
    thread(),
    click("04_02_az_wall_brick_04", 2, 8), notify("04_wall_brick_04", 100, 1), show("04_02_az_kusok_vitraga_07"),
    thread(),
    click("04_02_az_wall_brick_01", 2, 2), notify("04_wall_brick_01", 100, 1),
    show("04_02_az_BronzRicar_Shield_09"),
    thread(),
    click("04_02_az_wall_brick_03", 2, 1), notify("04_wall_brick_03", 100, 1), show("04_02_az_BronzRicar_Shlem_09"),
    thread(),
    click("04_02_az_wall_brick_02", 2, 3), notify("04_wall_brick_02", 100, 1), show("04_02_az_BronzRicar_Shlem_08"),

    // 37 to 39: swords, shields and helmets given to the knights; each knight
    // stays and remembers what it got.
    thread(), room(2),
    useEx(402, "04_02_az_BronzRicar", 5, 2, nullptr, 1), noHideUsed(),
        showAfterUse(0, 1, "04_02_BronzRicar_Mech_01"), showAfterUse(1, 1, "04_02_BronzRicar_Mech_02"),
        showAfterUse(2, 1, "04_02_BronzRicar_Mech_03"), showAfterUse(3, 1, "04_02_BronzRicar_Mech_04"),
        showAfterUse(4, 1, "04_02_BronzRicar_Mech_05"), withoutImage(),
    thread(), room(2),
    useEx(403, "04_02_az_BronzRicar", 4, 2, nullptr, 1), piked("04_02_az_BronzRicar_06", 2, 1, 1), noHideUsed(),
        showAfterUse(0, 1, "04_02_BronzRicar_Shield_01"), showAfterUse(1, 1, "04_02_BronzRicar_Shield_02"),
        showAfterUse(2, 1, "04_02_BronzRicar_Shield_03"), showAfterUse(3, 1, "04_02_BronzRicar_Shield_04"),
        showAfterUse(4, 1, "04_02_BronzRicar_Shield_06"), withoutImage(),
    thread(), room(2),
    useEx(404, "04_02_az_BronzRicar", 3, 2, nullptr, 1), pikedSeries("04_02_az_BronzRicar", 5, 2, 2, 1, 1),
        noHideUsed(),
        showAfterUse(0, 1, "04_02_BronzRicar_Shlem_01"), showAfterUse(1, 1, "04_02_BronzRicar_Shlem_02"),
        showAfterUse(2, 1, "04_02_BronzRicar_Shlem_03"), showAfterUse(3, 1, "04_02_BronzRicar_Shlem_05"),
        showAfterUse(4, 1, "04_02_BronzRicar_Shlem_06"), withoutImage(),

    // 40 to 45: the six pillars turned.
    thread(), room(2),
    click("04_02_az_stolb_01", 2, 1), notify("04_02_stolb_01", 100, 1), show("04_02_az_stolb_act_01"),
    thread(), room(2),
    click("04_02_az_stolb_02", 2, 1), notify("04_02_stolb_02", 100, 1), show("04_02_az_stolb_act_02"),
    thread(), room(2),
    click("04_02_az_stolb_03", 2, 1), notify("04_02_stolb_03", 100, 1), show("04_02_az_stolb_act_03"),
    thread(), room(2),
    click("04_02_az_stolb_04", 2, 1), notify("04_02_stolb_04", 100, 1), show("04_02_az_stolb_act_04"),
    thread(), room(2),
    click("04_02_az_stolb_05", 2, 1), notify("04_02_stolb_05", 100, 1), show("04_02_az_stolb_act_05"),
    thread(), room(2),
    click("04_02_az_stolb_06", 2, 1), notify("04_02_stolb_06", 100, 1), show("04_02_az_stolb_act_06"),

    // 46: the stained-glass window mended, its mini-game and the fresco.
    thread(), name("vitrag"),
    click("04_02_az_vitrag_02", 2, 2), notify("04_02_az_vitrag_02_msz", 100, 1), dialog(4002), showTask(405),
    use1(405, "04_02_az_vitrag_02_ct", 2, 2), helpOn("vitrag2"), dialog(4049), miniGame(1035),
    show("04_02_az_freska_sunduk01_ct"), show("04_vitrag_02"), hide("04_vitrag_01"), notify("00_movies", 4014, 1),
    notify("04_freska_script", 100, 1), dialog(4003),

    // 47: the chest in the fresco.
    thread(), name("vitrag2"),
    click("04_02_az_freska_sunduk01_ct", 2, 4), notify("00_movies", 4015, 1), notify("04_freska_script", 200, 1),
    notify("04_02_az_freska_sunduk01_msz", 100), show("04_02_az_freska_sunduk01"),
    notify("04_02_az_freska_sunduk01", 555),

    // 48: the lift key in the chest.
    thread(), room(2),
    find1(406, "04_02_az_kluc_lift", 2, 12), helpCond(0, "04_02_az_freska_sunduk01_msz@lock", 0), withoutImage(),

    // 49 to 54: a knight fully armed steps aside and opens its cabinet.
    thread(),
    wait("04_02_az_BronzRicar_01@task402used", 1), wait("04_02_az_BronzRicar_01@task403used", 1),
    wait("04_02_az_BronzRicar_01@task404used", 1), hide("04_02_az_BronzRicar_01"),
    notify("04_02_az_tumba_dver_01_msz", 100, 1), set("04_02_az_tumba_dver_01_msz@ok", 1),
    thread(),
    wait("04_02_az_BronzRicar_02@task402used", 1), wait("04_02_az_BronzRicar_02@task403used", 1),
    wait("04_02_az_BronzRicar_02@task404used", 1), hide("04_02_az_BronzRicar_02"),
    notify("04_02_az_tumba_dver_02_msz", 100, 1), set("04_02_az_tumba_dver_02_msz@ok", 1),
    thread(),
    wait("04_02_az_BronzRicar_03@task402used", 1), wait("04_02_az_BronzRicar_03@task403used", 1),
    wait("04_02_az_BronzRicar_03@task404used", 1), hide("04_02_az_BronzRicar_03"),
    notify("04_02_az_tumba_dver_03_msz", 100, 1), set("04_02_az_tumba_dver_03_msz@ok", 1),
    thread(),
    wait("04_02_az_BronzRicar_04@task402used", 1), wait("04_02_az_BronzRicar_04@task403used", 1),
    hide("04_02_az_BronzRicar_04"), notify("04_02_az_tumba_dver_04_msz", 100, 1),
    set("04_02_az_tumba_dver_04_msz@ok", 1),
    thread(),
    wait("04_02_az_BronzRicar_05@task402used", 1), wait("04_02_az_BronzRicar_05@task404used", 1),
    hide("04_02_az_BronzRicar_05"), notify("04_02_az_tumba_dver_05_msz", 100, 1),
    set("04_02_az_tumba_dver_05_msz@ok", 1),
    thread(),
    wait("04_02_az_BronzRicar_06@task403used", 1), wait("04_02_az_BronzRicar_06@task404used", 1),
    hide("04_02_az_BronzRicar_06"), notify("04_02_az_tumba_dver_06_msz", 100, 1),
    set("04_02_az_tumba_dver_06_msz@ok", 1),

    // 55: the magic key opens the casket over a dart.
    thread(), room(5),
    use1(417, "04_05_az_Larec_door", 5, 12), notify("04_05_az_Larec_msz", 100, 1), show("04_05_az_drotik_04"),

    // 56: both codes known, the desk takes them.
    thread(),
    wait("get_code_1", 1), wait("get_code_2", 1), set("ready_to_input_1", 1),

    // 57: the gate of room 2: six cabinets open and six pillars turned.
    thread(), room(2),
    wait("04_02_az_tumba_dver_01_msz@ok", 1),
    wait("04_02_az_tumba_dver_02_msz@ok", 1),
    wait("04_02_az_tumba_dver_03_msz@ok", 1),
    wait("04_02_az_tumba_dver_04_msz@ok", 1),
    wait("04_02_az_tumba_dver_05_msz@ok", 1),
    wait("04_02_az_tumba_dver_06_msz@ok", 1),
    wait("04_02_stolb_01@cur_anim", 2),
    wait("04_02_stolb_02@cur_anim", 2),
    wait("04_02_stolb_03@cur_anim", 2),
    wait("04_02_stolb_04@cur_anim", 2),
    wait("04_02_stolb_05@cur_anim", 2),
    wait("04_02_stolb_06@cur_anim", 2),
    click("04_02_az_stolb_act", 2, 1, 1), helpCond(0, "4_19_variable_game_end", 0),

    // 58: the darts game.
    thread(), name("darts"),
    nearPlaneMini("04_06_az_darts_npm", 6, 1), cutScene2("04_06_az_darts_msz", 100), noHideInterfaceBefore(),
    show("04_06_az_darts_npz"), notify("04_06_az_darts_npz", 555),

    // 59: the bonus, the footprints.
    thread(0), room(3), name("step"), room(2), bonusTime(180),
    findEx(423, "04_03_az_sled", 4, 3, "10,6,8,12", 0),
        piked("04_04_az_sled_05", 4, 8, 0), piked("04_04_az_sled_06", 4, 5, 1), piked("04_04_az_sled_07", 4, 5, 1),
        piked("04_04_az_sled_08", 4, 4, 1), piked("04_04_az_sled_09", 4, 4, 1), piked("04_04_az_sled_10", 4, 2, 1),
        withoutImage(),
};

const Picture kLoc4Pictures[] = {
    {400, "inv_zmei"}, {401, "inv_lopata"}, {402, "inv_BronzRicar_Mech"}, {403, "inv_BronzRicar_Shield"},
    {404, "inv_BronzRicar_Shlem"}, {405, "inv_kusok_vitraga"}, {406, "inv_kluc_lift"}, {407, "inv_blokpitania"},
    {408, "inv_paper"}, {409, "inv_Key"}, {411, "inv_Kristall"}, {413, "inv_superpapka"},
    {414, "inv_drotik"}, {415, "inv_probirka"}, {416, "inv_small_paper"}, {417, "inv_magickey"},
    {418, "inv_superpapka2"}, {419, "inv_Videokasseta"}, {420, "inv_list_kod01"}, {421, "inv_list_kod02"},
    {422, "inv_paper_print"}, {423, "inv_step"}, {424, "inv_probirka_green"},
};
} // namespace

void sc_00_ginterface::initLoc4()
{
    TQ_TRACE(" initLoc4()");
    setVisibleByName("04_az.scene", false);
    for (const char* name : kLoc4Shown)
        setVisible(gApp.findObjectHandle(name), true);
    for (const char* name : kLoc4Hidden)
        setVisible(gApp.findObjectHandle(name), false);
    for (const GroupFlags& g : kLoc4Flags)
        setVisibleFlagsByName(g.group, 1, g.mask);
    buildPlan(kLoc4Threads, sizeof(kLoc4Threads) / sizeof(kLoc4Threads[0]));
    for (const Picture& p : kLoc4Pictures)
        addRttTask(p.id, p.object);
}
