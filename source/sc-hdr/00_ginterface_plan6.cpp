// The play plan of location 6, the temple: seven rooms, 51 threads and 19
// item pictures, as a table that buildPlan runs step by step.  The order of
// the threads and of the steps inside each is the saved game's.
//
// Where the story's own notes abbreviate, the table completes them as the
// plan of location 4 does: a series given by its first piece goes on with
// that name's two-digit numbering; a piece whose camera is not given lies in
// the room its name tells (06_RR_...) and is seen from that room's first
// camera; pieces of a find task are hidden when the task starts unless
// marked shown.
#include "00_ginterface.h"
#include "00_ginterface_plan_steps.h"

#include "Application.h"
#include "Trace.h"

namespace
{
using namespace plan;

const char* const kLoc6Shown[] = {
    "06_01_az_stone01", "06_01_az_Sosud_2_01", "06_01_az_stone",
    "06_01_az_gorshok3_07", "06_01_az_gorshok2_01", "06_01_az_kosti01_03",
    "06_01_az_tainik", "06_01_az_stars_all", "06_02_az_vertelka",
    "06_03_az_exit_to_02", "06_02_az_kirpic1_01", "06_02_az_Vaza2_01",
    "06_02_az_sunduk_02", "06_02_az_Vaza1_01", "06_03_az_kirpic1_02",
    "06_03_az_sunduk_01", "06_03_az_sunducok_02", "06_03_az_Sosud_2_02",
    "06_03_az_statuya02", "06_03_az_kirpic2_04", "06_04_az_kirpic1_04",
    "06_04_az_kirpic1_03", "06_04_az_fontan", "06_04_az_exit_to_03",
    "06_05_az_Sosud_2_04", "06_05_az_Vaza3_01", "06_05_az_kamod_02",
    "06_05_az_kamod_03", "06_05_az_gorshok2_02", "06_05_az_Sosud_2_05",
    "06_07_az_kamen_gold2_03", "06_07_az_kamen_gold2_04", "06_07_az_sunduk_04",
    "06_07_az_kamen_gold2_01", "06_07_az_sunducok_01", "06_07_az_Cherep_01",
    "06_07_az_Cherep_02", "06_07_az_Cherep_03", "06_07_az_Cherep_04",
    "06_07_az_kamen_gold2_02", "06_07_az_dverka", "06_07_az_Larec_npz",
};

const char* const kLoc6Hidden[] = {
    "06_03_SimvolKey_1", "06_03_SimvolKey_2", "06_04_Piramida_00",
    "06_04_Piramida_01", "06_04_Piramida_02", "06_04_Piramida_03",
    "06_04_Piramida_04", "06_05_almaz1_01", "06_05_almaz2_01",
    "06_05_almaz3_01", "06_05_almaz4_01", "06_07_DragKey1_01",
    "06_07_DragKey2_01", "06_07_DragKey3_01", "06_07_DragKey4_01",
    "06_07_Larec_anim",
};

const GroupFlags kLoc6Flags[] = {
    {"06_07_lights.scene", 128},      {"07_01_room.scene", 128},       {"07_01_room_kirpic.scene", 128},
    {"07_01_room_palma.scene", 128},  {"07_01_room_stone.scene", 128}, {"07_01_room_tree.scene", 128},
    {"07_01_room_pyramid.scene", 128}, {"07_05_scene.scene", 128},     {"05_agent_boss.scene", 128},
    {"11_agent_girl.scene", 128},     {"03_professor.scene", 129},     {"06_minigame_30.scene", 32},
};

const Step kLoc6Threads[] = {
    // 0: the story of the location.
    thread(), name("main"),
    cutScene3("06_01_scene", 100, 2, 0),
    cutScene3("06_03_scene", 100, 2),
    journal(3500),
    dialog(6000),
    notify("00_sfx_env", 1005, 1),
    helpOn("main"),
    use1(605, "06_01_az_exit_to_02_ct", 1, 2, 1),
    notify("06_01_exit", 100),
    dialog(6008),
    miniGame(1013),
    fade(0),
    cutScene3("06_04_scene", 50, 2),
    cutScene3("06_04_scene", 100, 2),
    stopSound(),
    show("06_02_az_exit_to_03_ct2"),
    journal(3501),
    click("06_02_az_vertelka", 2, 4, 1),
    miniGame(1028),
    hide("06_02_az_exit_to_03_ct2"),
    dialog(6002),
    notify("00_movies", 6012, 1),
    notify("06_02_az_exit_to_03_msz", 100),
    click("06_02_az_exit_to_03_ct", 2, 2, 1),
    journal(3502),
    notify("06_02_az_exit_to_03", 100),
    show("06_02_az_exit_to_03"),
    click("06_03_az_exit_to_04_ct2", 3, 1, 0), helpCond(0, "06_03_az_pila@stoped", 1),
    show("06_03_az_exit_to_04"),
    notify("06_03_az_exit_to_04", 100),
    notify("06_04_splashes", 101, 1),
    journal(3503),
    dialog(6005),
    use1(609, "06_04_az_vesy", 4, 2, 1),
    show("06_04_Piramida_00"),
    show("06_04_Piramida_01"),
    show("06_04_Piramida_02"),
    show("06_04_Piramida_03"),
    show("06_04_Piramida_04"),
    dialog(6007),
    miniGame(1011),
    cutScene3("06_06_scene", 100, 3),
    stopSound(),
    hide("06_04_az_badgui_ct"),
    journal(3504),
    notify("01_cam_move", 5402, 1),
    hide("06_04_az_badgui"),
    hide("06_04_az_exit_to_05_ct1"),
    hide("06_04_az_exit_to_05_ct2"),
    click("06_04_az_exit_to_05_ct", 4, 1, 1),
    notify("06_04_az_exit_to_05", 100),
    hideTask(618),
    helpOff("main"),
    journal(3505),
    nearPlaneMini("06_minigame_29", 5, 1, 1),
    journal(3506),
    hide("06_05_az_exit_to_06_ct"),
    notify("06_05_az_exit_to_06_msz2", 100),
    dialog(6010),
    click("06_05_az_exit_to_06_ct2", 5, 1, 1),
    cutScene3("06_07_scene", 100, 3),
    stopSound(),
    journal(3507),
    miniGame(1030),
    notify2("00_game_interface", 1101, 1),
    journal(3508),
    dialog(6011),
    click("06_07_az_Larec_pult", 7, 1, 1),
    dialog(6012),
    miniGame(1014),
    cutScene3("06_09_scene", 100, 3),
    hide("06_07_az_Larec_npz"),
    wait("Larec_opened", 1),
    cutScene3("06_09_scene", 400, 2),
    stopSound(),
    cutScene3("06_10_scene", 100, 2),
    stopSound(),
    cutScene2("07_05_scene", 100, 0),
    notify("00_loader", 1101),

    // 1: the exit of room 3 shows the two symbol keys wanted.
    thread(),
    click("06_03_az_exit_to_04_ct", 3, 1), showTask(606), showTask(607), dialog(6003),

    // 2: the professor, spoken to three times.
    thread(),
    click("06_01_az_professor", 1, 1), cutScene3("06_02_scene", 200, 3),
    click("06_01_az_professor", 1, 1), cutScene3("06_02_scene", 201, 3),
    click("06_01_az_professor", 1, 1), cutScene3("06_02_scene", 202, 3),

    // 3, 4: the guard, or the exit behind him.
    thread(),
    click("06_04_az_badgui", 4, 2), cutScene3("06_05_scene", 100, 3), hide("06_04_az_exit_to_05_ct1"),
    show("06_04_az_exit_to_05_ct2"), show("06_04_az_badgui_ct"),
    thread(),
    click("06_04_az_exit_to_05_ct1", 4, 1), cutScene3("06_05_scene", 200, 3), hide("06_04_az_badgui"),
    show("06_04_az_exit_to_05_ct2"), show("06_04_az_badgui_ct"),

    // 5: the closed exit of room 5.
    thread(),
    click("06_05_az_exit_to_06_ct", 5, 1), notify("06_05_az_exit_to_06_msz", 300, 1), dialog(6009),

    // 6, 7: the two symbol keys, ten pieces each.
    thread(), room(3),
    findEx(606, "06_02_az_SimvolKey_1", 5, 2, nullptr, 0), pikedSeries("06_03_az_SimvolKey_1", 6, 5, 3, 1, 0),
        showOnTask(3, 1), showOnTask(4, 1), helpObj(0, "06_02_az_stone_01"), withoutImage(),
    thread(), room(3),
    findEx(607, "06_02_az_SimvolKey_2", 5, 2, nullptr, 0), pikedSeries("06_03_az_SimvolKey_2", 6, 5, 3, 1, 0),
        showOnTask(3, 1), showOnTask(4, 1), withoutImage(),

    // 8, 9: the key of the exit to room 2, once the stars open; the axe.
    thread(), room(1),
    find1(605, "06_01_az_kluc_01", 1, 7), helpCond(0, "06_01_az_stars@opened", 1), withoutImage(),
    thread(), room(4),
    find1(608, "06_04_az_Sekira", 4, 3), withoutImage(),

    // 10 to 13: the four dragon keys, numbered from 02.
    thread(), room(7),
    findExSn(614, "06_07_az_DragKey1", 5, 7, nullptr, 0, 2), showOnTask(3, 1), showOnTask(4, 1), withoutImage(),
    thread(), room(7),
    findExSn(615, "06_07_az_DragKey2", 5, 7, nullptr, 0, 2), showOnTask(3, 1), showOnTask(4, 1), withoutImage(),
    thread(), room(7),
    findExSn(616, "06_07_az_DragKey3", 5, 7, nullptr, 0, 2),
        showOnTask(1, 1), showOnTask(2, 1), showOnTask(3, 1), showOnTask(4, 1), withoutImage(),
    thread(), room(7),
    findExSn(617, "06_07_az_DragKey4", 5, 7, nullptr, 0, 2),
        helpCond(4, "06_07_az_Cherep_03_msz2@lock", 0), showOnTask(2, 1), withoutImage(),

    // 14 to 17: each dragon key in its skull.
    thread(), room(7),
    use1(614, "06_07_az_DragKey1_01", 7, 8), show("06_07_DragKey1_01"), notify("06_07_az_Cherep_01_msz2", 100),
    thread(), room(7),
    use1(615, "06_07_az_DragKey2_01", 7, 9), show("06_07_DragKey2_01"), notify("06_07_az_Cherep_02_msz2", 100),
    thread(), room(7),
    use1(616, "06_07_az_DragKey3_01", 7, 10), show("06_07_DragKey3_01"), notify("06_07_az_Cherep_03_msz2", 100),
    thread(), room(7),
    use1(617, "06_07_az_DragKey4_01", 7, 12), show("06_07_DragKey4_01"), notify("06_07_az_Cherep_04_msz2", 100),

    // 18 to 21: the four diamonds, three pieces each.
    thread(), room(5),
    findEx(610, "", 0, 0, nullptr, 0), pikedSeries("06_05_az_almaz1", 2, 3, 5, 1, 0), withoutImage(),
    thread(), room(5),
    findEx(611, "", 0, 0, nullptr, 0), pikedSeries("06_05_az_almaz2", 2, 3, 5, 1, 0), withoutImage(),
    thread(), room(5),
    findEx(612, "", 0, 0, nullptr, 0), pikedSeries("06_05_az_almaz3", 2, 3, 5, 1, 0), withoutImage(),
    thread(), room(5),
    findEx(613, "", 0, 0, nullptr, 0), pikedSeries("06_05_az_almaz4", 2, 3, 5, 1, 0), withoutImage(),

    // 22 to 25: each diamond on its post tells the mini-game.
    thread(), room(5),
    use1(610, "06_05_az_stolbik_01", 5, 1), notify("06_minigame_29", 60000, 1), show("06_05_almaz1_01"),
    thread(), room(5),
    use1(611, "06_05_az_stolbik_02", 5, 1), notify("06_minigame_29", 60001, 1), show("06_05_almaz2_01"),
    thread(), room(5),
    use1(612, "06_05_az_stolbik_03", 5, 1), notify("06_minigame_29", 60003, 1), show("06_05_almaz3_01"),
    thread(), room(5),
    use1(613, "06_05_az_stolbik_04", 5, 1), notify("06_minigame_29", 60002, 1), show("06_05_almaz4_01"),

    // 26 to 30: the five star keys, three pieces each.
    thread(), room(1),
    findEx(600, "06_01_az_stars_kluc_01", 3, 1, nullptr, 0), showOnTask(0, 1), withoutImage(),
    thread(), room(1),
    findEx(601, "06_01_az_stars_kluc_02", 3, 1, nullptr, 0), withoutImage(),
    thread(), room(1),
    findEx(602, "06_01_az_stars_kluc_03", 3, 1, nullptr, 0), showOnTask(2, 1), withoutImage(),
    thread(), room(1),
    findEx(603, "06_01_az_stars_kluc_04", 3, 1, nullptr, 0), showOnTask(1, 1), withoutImage(),
    thread(), room(1),
    findEx(604, "06_01_az_stars_kluc_05", 3, 1, nullptr, 0), withoutImage(),

    // 31 to 35: each star key in its place.
    thread(), room(1),
    use1(600, "06_01_az_stars_03", 1, 7), notify("00_movies", 6006, 1), notify("06_01_az_stars_03_mc", 100),
    thread(), room(1),
    use1(601, "06_01_az_stars_04", 1, 7), notify("00_movies", 6006, 1), notify("06_01_az_stars_04_mc", 100),
    thread(), room(1),
    use1(602, "06_01_az_stars_05", 1, 7), notify("00_movies", 6006, 1), notify("06_01_az_stars_05_mc", 100),
    thread(), room(1),
    use1(603, "06_01_az_stars_06", 1, 7), notify("00_movies", 6006, 1), notify("06_01_az_stars_06_mc", 100),
    thread(), room(1),
    use1(604, "06_01_az_stars_07", 1, 7), notify("00_movies", 6006, 1), notify("06_01_az_stars_07_mc", 100),

    // 36: the pyramid's pieces.
    thread(), room(4),
    findEx(609, "", 0, 0, nullptr, 0),
        piked("06_04_az_Piramida06", 4, 4, 1), piked("06_04_az_Piramida05", 4, 4, 1),
        piked("06_04_az_Piramida_2", 4, 6, 0), piked("06_04_az_Piramida08", 4, 6, 0),
        piked("06_04_az_Piramida07", 4, 3, 0), helpCond(3, "06_04_az_Valun_msz@lock", 0),
        helpCond(2, "gtgtrhyhtyht", 1), withoutImage(),

    // 37, 38: the symbol keys in the statues.
    thread(), room(3),
    use1(606, "06_03_az_SimvolKey_1", 3, 1), show("06_03_SimvolKey_1"), notify("06_03_statuya1", 0),
    thread(), room(3),
    use1(607, "06_03_az_SimvolKey_2", 3, 1), show("06_03_SimvolKey_2"), notify("06_03_statuya05", 0),

    // 39: the axe frees a piece of the pyramid.
    thread(), room(4),
    use1(608, "06_04_az_Piramida_2_ct", 4, 6), pick("06_04_az_Piramida_2"),

    // 40: the chest of room 4 and its mini-game.
    thread(), room(4),
    click("06_04_az_sunduk_03", 4, 3), dialog(6006), miniGame(1015), notify("06_04_az_sunduk_03_msz", 100),

    // 41, 42: the wall and the stone of room 2.
    thread(),
    click("06_02_az_wall", 2, 1), notify("06_02_wall", 100, 1), notify("06_02_wall_dust_p", 200, 1),
    show("06_02_az_SimvolKey_2_01"),
    thread(),
    click("06_02_az_stone_01_ct", 2, 3), notify("06_02_stone_dust_p", 200, 1), notify("06_02_stone_01", 100, 1),
    notify("06_02_az_stone_01", 555, 1),

    // 43: the boulder turns the water.
    thread(), room(4),
    click("06_04_az_Valun", 4, 1), notify("06_04_az_Valun_msz", 100), notify("06_04_splashes", 100, 1),
    notify("06_water_switcher", 100, 1), notify("06_04_voda2_msz", 100, 1),

    // 44, 45: the floor slabs of room 1.
    thread(),
    click("06_01_az_plita", 1, 4), notify("06_01_plita", 100, 1), show("06_01_az_stars_kluc_05_02"),
    thread(),
    click("06_01_az_plita_01", 1, 3), notify("00_movies", 6005, 1), notify("06_01_plita_01", 100, 1),
    notify("06_01_plita_02", 100, 1), notify("06_01_plita_03", 100, 1), notify("06_01_plita_04", 100, 1),
    notify("06_01_plitka_dust_p", 200, 1), show("06_01_az_stars_kluc_03_01"),

    // 46: both symbol keys in place stop the saw.
    thread(),
    wait("06_03_az_SimvolKey_1@used", 1), wait("06_03_az_SimvolKey_2@used", 1), set("06_03_az_pila@stoped", 1),
    notify("00_movies", 100, 1), notify("06_03_rotator", 200), dialog(6004), show("06_03_az_exit_to_04_ct2"),
    hide("06_03_az_exit_to_04_ct"),

    // 47: all four diamonds on their posts: hints for the story again.
    thread(),
    wait("06_05_az_stolbik_01@used", 1), wait("06_05_az_stolbik_02@used", 1), wait("06_05_az_stolbik_03@used", 1),
    wait("06_05_az_stolbik_04@used", 1), helpOn("main"), dialog(6021),

    // 48: the four dragon keys open the casket.
    thread(),
    wait("06_07_az_DragKey1_01@used", 1), wait("06_07_az_DragKey2_01@used", 1), wait("06_07_az_DragKey3_01@used", 1),
    wait("06_07_az_DragKey4_01@used", 1), cutScene3("06_09_scene", 200, 3), set("Larec_opened", 1),

    // 49: the five star keys open the stars.
    thread(),
    wait("06_01_az_stars_03@used", 1), wait("06_01_az_stars_04@used", 1), wait("06_01_az_stars_05@used", 1),
    wait("06_01_az_stars_06@used", 1), wait("06_01_az_stars_07@used", 1), notify("00_movies", 6007, 1),
    notify("06_01_stars_02", 100, 1), notify("06_01_stars_03", 100, 1), notify("06_01_stars_04", 100, 1),
    notify("06_01_stars_05", 100, 1), notify("06_01_stars_06", 100, 1), notify("06_01_stars_07", 100, 1),
    set("06_01_az_stars@opened", 1), show("06_01_az_kluc_01"),

    // 50: the bonus, ten crystals.
    thread(0), name("kristal"), room(3), bonusTime(180),
    findEx(618, "06_03_az_bonus_kristal", 5, 3, "7,2,3,6,1", 1),
        showOnTask(0, 0), showOnTask(3, 0), piked("06_04_az_bonus_kristal_01", 4, 1, 0),
        piked("06_04_az_bonus_kristal_02", 4, 1, 0), piked("06_04_az_bonus_kristal_03", 4, 1, 0),
        piked("06_04_az_bonus_kristal_04", 4, 1, 1), piked("06_04_az_bonus_kristal_05", 4, 1, 1), withoutImage(),
};

const Picture kLoc6Pictures[] = {
    {600, "inv_stars_kluc_01"}, {601, "inv_stars_kluc_02"}, {602, "inv_stars_kluc_03"}, {603, "inv_stars_kluc_04"},
    {604, "inv_stars_kluc_05"}, {605, "inv_kluc2"}, {606, "inv_SimvolKey_1"}, {607, "inv_SimvolKey_2"},
    {608, "inv_Sekira"}, {609, "inv_Piramida"}, {610, "inv_almaz1"}, {611, "inv_almaz2"},
    {612, "inv_almaz3"}, {613, "inv_almaz4"}, {614, "inv_DragKey1"}, {615, "inv_DragKey2"},
    {616, "inv_DragKey3"}, {617, "inv_DragKey4"}, {618, "inv_bonus_kristal"},
};
} // namespace

void sc_00_ginterface::initLoc6()
{
    TQ_TRACE(" initLoc6()");
    setVisibleByName("06_az.scene", false);
    // The hero in his worker's clothes and cap has no part here.
    const OBJECT_HANDLE hero = gApp.findObjectHandle("01_hero_worker");
    submeshSetVisible(hero, "01_hero_worker/pilotka", false);
    setVisible(hero, false);
    for (const char* name : kLoc6Shown)
        setVisible(gApp.findObjectHandle(name), true);
    for (const char* name : kLoc6Hidden)
        setVisible(gApp.findObjectHandle(name), false);
    for (const GroupFlags& g : kLoc6Flags)
        setVisibleFlagsByName(g.group, 1, g.mask);
    buildPlan(kLoc6Threads, sizeof(kLoc6Threads) / sizeof(kLoc6Threads[0]));
    for (const Picture& p : kLoc6Pictures)
        addRttTask(p.id, p.object);
}
