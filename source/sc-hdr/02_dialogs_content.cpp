// The content of every dialog: the single-line dialogs, whose line follows
// from the id, and the multi-step dialogs with their cuts, persons and
// notifications, and the voices that each location loads ahead.
#include "02_dialogs.h"

#include <iterator>

namespace
{
enum ContentKind
{
    DLG_ANIM,
    DLG_ANIM2,
    DLG_CLEAR,
    DLG_CLEAR2,
    DLG_VISIBLE,
    DLG_NOTIFY,
    DLG_POSROT,
};

struct ContentAction
{
    ContentKind kind;
    const char* object;
    const char* anim;
    const char* anim2;
    int value = 0; ///< the visibility flag or the notification code
    float x = 0.0f, y = 0.0f, z = 0.0f, rZ = 0.0f;
};

/// line -1: a step without line.  cut: room * 100 + camera, 0 none.
struct ContentStep
{
    int line;
    int cut;
    ContentAction actions[8];
};

/// afterCam: 0 back to the camera before the last cut, -1 stay, else room *
/// 100 + camera.
struct ContentDialog
{
    int id;
    int afterCam;
    const ContentStep* steps;
    int count;
};

const ContentStep kDialog1000[] = {
    {10901, 0, {{DLG_ANIM2, "01_hero", "phone_static", "rot_01"},
              {DLG_CLEAR, "03_professor", "phone_static", nullptr}}},
    {10902, 0, {{DLG_ANIM2, "01_hero", "phone_static", "rot_static"},
              {DLG_ANIM2, "03_professor", "phone_dlg", "rot"}}},
    {10903, 122, {{DLG_NOTIFY, "01_01_scene", nullptr, nullptr, 400},
              {DLG_ANIM2, "01_hero", "phone_dlg", "rot_01"},
              {DLG_ANIM2, "03_professor", "phone_static", "rot_static"}}},
    {10904, 0, {{DLG_ANIM2, "01_hero", "phone_static", "rot_static"},
              {DLG_ANIM2, "03_professor", "phone_dlg", "rot"}}},
    {10905, 0, {{DLG_ANIM2, "01_hero", "phone_dlg", "rot_01"},
              {DLG_ANIM2, "03_professor", "phone_static", "rot_static"}}},
    {10906, 121, {{DLG_NOTIFY, "01_01_scene", nullptr, nullptr, 500},
              {DLG_ANIM2, "01_hero", "phone_static", "rot_static"},
              {DLG_ANIM2, "03_professor", "phone_dlg", "rot"}}},
    {10907, 0, {{DLG_ANIM2, "03_professor", "phone_dlg", "rot"}}},
    {10908, 121, {{DLG_ANIM2, "03_professor", "phone_worry", "rot"}}},
    {10909, 123, {{DLG_NOTIFY, "01_01_scene", nullptr, nullptr, 600}}},
};
const ContentStep kDialog1050[] = {
    {10911, 163, {{DLG_ANIM2, "05_agent_boss", "show_card_02", "rot"},
              {DLG_ANIM2, "01_hero", "static_01", "rot_static"}}},
    {10912, 0, {{DLG_ANIM2, "05_agent_boss", "show_card_03", "rot_static"},
              {DLG_ANIM2, "11_agent_girl", "dialog", "rot"}}},
    {10913, 164, {{DLG_NOTIFY, "01_03_scene", nullptr, nullptr, 302},
              {DLG_ANIM, "11_agent_girl", "static_01", nullptr},
              {DLG_ANIM2, "05_agent_boss", "dialog", "rot"}}},
    {10914, 165, {{DLG_VISIBLE, "01_agent_doc", nullptr, nullptr, 0},
              {DLG_ANIM2, "01_hero", "static_01", "rot_01"},
              {DLG_ANIM2, "05_agent_boss", "static_01", "rot_static"}}},
    {10915, 166, {{DLG_ANIM2, "01_hero", "static_01", "rot_static"},
              {DLG_ANIM2, "05_agent_boss", "dialog", "rot"}}},
    {10916, 167, {{DLG_ANIM2, "01_hero", "static_01", "rot_01"},
              {DLG_ANIM2, "05_agent_boss", "static_01", "rot_static"}}},
    {10917, 0, {{DLG_ANIM2, "01_hero", "static_01", "rot_static"},
              {DLG_ANIM2, "05_agent_boss", "dialog", "rot"}}},
};
const ContentStep kDialog1051[] = {
    {10920, 171, {{DLG_CLEAR, "05_agent_boss", "walk_case", nullptr}}},
    {10921, 172, {{DLG_NOTIFY, "01_04_scene", nullptr, nullptr, 200},
              {DLG_CLEAR, "03_professor", "static_01", nullptr}}},
};
const ContentStep kDialog2050[] = {
    {20901, 331, {{DLG_CLEAR, "01_hero", "static_01", nullptr},
              {DLG_CLEAR, "03_professor", "dialog_01", nullptr},
              {DLG_ANIM2, "03_professor", nullptr, "rot"}}},
    {20902, 0, {{DLG_NOTIFY, "02_01_scene", nullptr, nullptr, 100},
              {DLG_ANIM2, "03_professor", nullptr, "rot"}}},
    {20903, 0, {{DLG_NOTIFY, "02_01_scene", nullptr, nullptr, 100},
              {DLG_CLEAR, "09_girl", "play", nullptr},
              {DLG_ANIM2, "03_professor", nullptr, "rot"}}},
    {-1, 0, {{DLG_ANIM2, "03_professor", "static_01", "rot_static"}}},
};
const ContentStep kDialog2051[] = {
    {20911, 212, {{DLG_ANIM2, "04_villain", "02_02", "rot"},
              {DLG_ANIM, "00_sigara", "02_02", nullptr}}},
};
const ContentStep kDialog2052[] = {
    {20921, 711, {{DLG_ANIM2, "07_officer", nullptr, "rot"}}},
    {20922, 712, {{DLG_POSROT, "15_conq", nullptr, nullptr, 0, 6820.0f, -2511.0f, -15.0f, 146.0f},
              {DLG_ANIM2, "06_marvek", nullptr, "rot"},
              {DLG_CLEAR, "15_conq2", "static_02", nullptr},
              {DLG_ANIM2, "07_officer", nullptr, "rot_static"}}},
    {20923, 713, {{DLG_ANIM2, "07_officer", nullptr, "rot"}}},
    {-1, 713, {{DLG_ANIM2, "07_officer", nullptr, "rot_static"}}},
};
const ContentStep kDialog3060[] = {
    {30901, 421, {{DLG_CLEAR, "01_hero_dress", "static_01", nullptr},
              {DLG_CLEAR2, "10_butler", "dialog", "dlg"}}},
    {30902, 422, {{DLG_ANIM2, "01_hero_dress", "dialog_01", "rot_01"},
              {DLG_ANIM, "10_butler", "static", nullptr}}},
    {30903, 423, {{DLG_ANIM2, "10_butler", "dialog", "dlg"},
              {DLG_ANIM, "01_hero_dress", "static_01", nullptr}}},
    {-1, 422, {{DLG_ANIM, "10_butler", "static", nullptr}}},
};
const ContentStep kDialog3061[] = {
    {30911, 425, {{DLG_CLEAR, "02_lord", "static", nullptr},
              {DLG_CLEAR2, "01_hero_dress", "dialog_01", "rot_01"}}},
    {30912, 426, {{DLG_CLEAR2, "02_lord", "dialog", "dlg"},
              {DLG_CLEAR, "01_hero_dress", "static_01", nullptr}}},
    {30913, 427, {{DLG_CLEAR, "02_lord", "static", nullptr},
              {DLG_CLEAR2, "01_hero_dress", "dialog_01", "rot_01"}}},
    {30914, 427, {{DLG_ANIM2, "02_lord", "dialog", "dlg"},
              {DLG_ANIM, "01_hero_dress", "static_01", nullptr}}},
    {30915, 428, {{DLG_CLEAR, "02_lord", "static", nullptr},
              {DLG_CLEAR2, "01_hero_dress", "dialog_01", "rot_01"}}},
    {30916, 429, {{DLG_CLEAR2, "02_lord", "dialog", "dlg"},
              {DLG_CLEAR, "01_hero_dress", "static_01", nullptr}}},
    {30917, 425, {{DLG_CLEAR, "02_lord", "static", nullptr},
              {DLG_CLEAR2, "01_hero_dress", "dialog_01", "rot_01"}}},
    {30918, 426, {{DLG_CLEAR2, "02_lord", "dialog", "dlg"},
              {DLG_CLEAR, "01_hero_dress", "static_01", nullptr}}},
    {30919, 430, {{DLG_CLEAR2, "02_lord", "dialog", "dlg"},
              {DLG_CLEAR, "01_hero_dress", "static_01", nullptr}}},
    {30920, 431, {{DLG_CLEAR, "02_lord", "static", nullptr},
              {DLG_CLEAR2, "01_hero_dress", "dialog_01", "rot_01"}}},
    {30921, 429, {{DLG_CLEAR2, "02_lord", "dialog", "dlg"},
              {DLG_CLEAR, "01_hero_dress", "static_01", nullptr}}},
    {-1, 429, {{DLG_ANIM2, "02_lord", "static", "rot_static"}}},
};
const ContentStep kDialog3062[] = {
    {-1, 0, {{DLG_VISIBLE, "03_03_glazok", nullptr, nullptr, 1},
              {DLG_VISIBLE, "02_lord", nullptr, nullptr, 1},
              {DLG_VISIBLE, "04_villain", nullptr, nullptr, 1}}},
    {30922, 433, {{DLG_CLEAR2, "02_lord", "dialog", "dlg"},
              {DLG_CLEAR2, "04_villain", "static", "rot_static"}}},
    {-1, 0, {{DLG_VISIBLE, "03_03_glazok", nullptr, nullptr, 0}}},
    {30923, 434, {{DLG_ANIM2, "02_lord", "static", "rot_static"},
              {DLG_ANIM2, "04_villain", "dialog", "rot"}}},
    {30924, 434, {{DLG_ANIM2, "02_lord", "dialog", "dlg"},
              {DLG_ANIM2, "04_villain", "static", "rot_static"}}},
    {30925, 435, {{DLG_ANIM2, "02_lord", "static", "rot_static"},
              {DLG_ANIM2, "04_villain", "dialog", "rot"}}},
    {30926, 436, {{DLG_ANIM2, "02_lord", "dialog", "dlg"},
              {DLG_ANIM2, "04_villain", "static", "rot_static"}}},
    {-1, 0, {{DLG_ANIM2, "02_lord", "static", "rot_static"}}},
};
const ContentStep kDialog3063[] = {
    {30931, 721, {{DLG_ANIM2, "07_officer", nullptr, "rot"}}},
    {30932, 722, {{DLG_ANIM2, "06_marvek", "dialog_02", "rot"},
              {DLG_ANIM2, "07_officer", "static_01", "rot_static"}}},
    {30933, 723, {{DLG_ANIM2, "07_officer", "dialog_01", "rot"},
              {DLG_ANIM2, "06_marvek", "static_01", "rot_static"}}},
    {30934, 724, {{DLG_ANIM2, "06_marvek", "dialog_02", "rot"},
              {DLG_ANIM2, "07_officer", "static_01", "rot_static"}}},
    {30935, 725, {{DLG_CLEAR, "06_marvek", "dialog_02", nullptr},
              {DLG_ANIM2, "06_marvek", nullptr, "rot"}}},
    {-1, 725, {{DLG_ANIM2, "06_marvek", "static_02", "rot_static"}}},
};
const ContentStep kDialog5050[] = {
    {50901, 122, {{DLG_POSROT, "01_hero", nullptr, nullptr, 0, 960.016f, 17.028f, 0.0f, 100.143f},
              {DLG_VISIBLE, "01_hero", nullptr, nullptr, 1},
              {DLG_VISIBLE, "13_worker_woman", nullptr, nullptr, 1},
              {DLG_CLEAR, "01_hero", "static_01", nullptr},
              {DLG_CLEAR2, "13_worker_woman", "dialog_01", "dlg"}}},
    {50902, 123, {{DLG_ANIM, "13_worker_woman", "static_01", nullptr},
              {DLG_ANIM2, "01_hero", "static_01", "rot_01"}}},
    {50903, 123, {{DLG_ANIM, "01_hero", "static_01", nullptr},
              {DLG_ANIM2, "13_worker_woman", "dialog_02", "dlg"}}},
    {-1, 0, {{DLG_ANIM, "13_worker_woman", "static_01", nullptr}}},
};
const ContentStep kDialog5051[] = {
    {50911, 115, {{DLG_POSROT, "01_hero_worker", nullptr, nullptr, 0, 960.016f, 17.028f, 0.0f, 100.143f},
              {DLG_VISIBLE, "01_hero_worker", nullptr, nullptr, 1},
              {DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR2, "13_worker_woman", "dialog_01", "dlg"}}},
    {50912, 114, {{DLG_ANIM, "13_worker_woman", "static_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", "static_01", "rot_01"}}},
    {-1, 0, {{DLG_ANIM, "01_hero_worker", "static_01", nullptr},
              {DLG_ANIM, "13_worker_woman", "static_01", nullptr}}},
};
const ContentStep kDialog5052[] = {
    {50921, 119, {{DLG_POSROT, "01_hero_worker", nullptr, nullptr, 0, 960.016f, 17.028f, 0.0f, 100.143f},
              {DLG_VISIBLE, "01_hero_worker", nullptr, nullptr, 1},
              {DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR2, "13_worker_woman", "dialog_02", "dlg"}}},
    {50922, 120, {{DLG_CLEAR2, "13_worker_woman", "dialog_02", "dlg"}}},
    {-1, 0, {{DLG_ANIM, "01_hero_worker", "static_01", nullptr},
              {DLG_ANIM, "13_worker_woman", "static_01", nullptr}}},
};
const ContentStep kDialog5053[] = {
    {50931, 116, {{DLG_POSROT, "01_hero", nullptr, nullptr, 0, 960.016f, 17.028f, 0.0f, 100.143f},
              {DLG_VISIBLE, "01_hero", nullptr, nullptr, 1},
              {DLG_CLEAR2, "01_hero", "static_01", "rot_01"},
              {DLG_CLEAR, "13_worker_woman", "static_01", nullptr}}},
    {50932, 117, {{DLG_ANIM, "01_hero", "static_01", nullptr},
              {DLG_ANIM2, "13_worker_woman", "dialog_01", "dlg"}}},
    {50933, 118, {{DLG_ANIM, "13_worker_woman", "static_01", nullptr},
              {DLG_ANIM2, "01_hero", "static_01", "rot_01"}}},
    {50934, 118, {{DLG_ANIM, "01_hero", "static_01", nullptr},
              {DLG_ANIM2, "13_worker_woman", "dialog_01", "dlg"}}},
    {-1, 0, {{DLG_ANIM, "13_worker_woman", "static_01", nullptr}}},
};
const ContentStep kDialog5054[] = {
    {50941, 312, {{DLG_POSROT, "01_hero_worker", nullptr, nullptr, 0, 6823.0f, 104.0f, 0.0f, 65.0f},
              {DLG_VISIBLE, "01_hero_worker", nullptr, nullptr, 1},
              {DLG_CLEAR, "12_worker_man", "dialog_02", nullptr},
              {DLG_ANIM2, "12_worker_man", nullptr, "rot"},
              {DLG_CLEAR, "01_hero_worker", "static_01", nullptr}}},
    {50942, 316, {{DLG_ANIM, "12_worker_man", "static_01", nullptr},
              {DLG_CLEAR, "01_hero_worker", "dialog_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", nullptr, "rot_01"}}},
    {50943, 313, {{DLG_CLEAR, "12_worker_man", "dialog_01", nullptr},
              {DLG_ANIM2, "12_worker_man", nullptr, "rot"}}},
    {-1, 0, {{DLG_ANIM, "12_worker_man", "static_05", nullptr}}},
};
const ContentStep kDialog5055[] = {
    {50951, 314, {{DLG_POSROT, "01_hero_worker", nullptr, nullptr, 0, 6823.0f, 104.0f, 0.0f, 65.0f},
              {DLG_VISIBLE, "01_hero_worker", nullptr, nullptr, 1},
              {DLG_CLEAR, "01_hero_worker", "dialog_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", nullptr, "rot_01"},
              {DLG_CLEAR, "12_worker_man", "static_05", nullptr}}},
    {50952, 313, {{DLG_CLEAR, "12_worker_man", "dialog_02", nullptr},
              {DLG_ANIM2, "12_worker_man", nullptr, "rot"}}},
    {50953, 311, {{DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR, "12_worker_man", "dialog_01", nullptr},
              {DLG_ANIM2, "12_worker_man", nullptr, "rot"}}},
    {-1, 0, {{DLG_ANIM, "12_worker_man", "static_02", nullptr}}},
};
const ContentStep kDialog5056[] = {
    {50961, 315, {{DLG_POSROT, "01_hero_worker", nullptr, nullptr, 0, 6823.0f, 104.0f, 0.0f, 65.0f},
              {DLG_VISIBLE, "01_hero_worker", nullptr, nullptr, 1},
              {DLG_CLEAR, "01_hero_worker", "dialog_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", nullptr, "rot_01"},
              {DLG_CLEAR, "12_worker_man", "static_05", nullptr}}},
    {50962, 315, {{DLG_ANIM2, "01_hero_worker", "static_01", "rot_static"},
              {DLG_ANIM, "12_worker_man", "dialog_02", nullptr},
              {DLG_ANIM2, "12_worker_man", nullptr, "rot"}}},
    {50963, 316, {{DLG_CLEAR, "01_hero_worker", "dialog_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", nullptr, "rot_01"}}},
    {-1, 0, {{DLG_ANIM, "12_worker_man", "static_02", nullptr}}},
};
const ContentStep kDialog5057[] = {
    {50971, 316, {{DLG_POSROT, "01_hero_worker", nullptr, nullptr, 0, 6823.0f, 104.0f, 0.0f, 65.0f},
              {DLG_VISIBLE, "01_hero_worker", nullptr, nullptr, 1},
              {DLG_CLEAR, "01_hero_worker", "dialog_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", nullptr, "rot_01"}}},
    {50972, 315, {{DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR, "12_worker_man", "dialog_02", nullptr},
              {DLG_ANIM2, "12_worker_man", nullptr, "rot"}}},
    {50973, 315, {{DLG_ANIM2, "01_hero_worker", "dialog_01", "rot_01"},
              {DLG_ANIM, "12_worker_man", "static_05", nullptr}}},
};
const ContentStep kDialog5058[] = {
    {50981, 0, {{DLG_ANIM2, "04_villain", nullptr, "rot"}}},
    {50982, 611, {{DLG_ANIM2, "04_villain", "dialog_gun_lev", "rot"}}},
    {50983, 612, {{DLG_CLEAR, "04_villain", "static_gun", nullptr},
              {DLG_CLEAR, "02_lord", "dialog_prav", nullptr},
              {DLG_ANIM2, "02_lord", nullptr, "dlg"}}},
    {50984, 612, {{DLG_ANIM2, "04_villain", "dialog_gun", "rot"},
              {DLG_ANIM, "02_lord", "static", nullptr}}},
    {50985, 613, {{DLG_CLEAR, "02_lord", "dialog_prav", nullptr},
              {DLG_ANIM2, "02_lord", nullptr, "dlg"}}},
    {50986, 614, {{DLG_CLEAR, "04_villain", "dialog_gun", nullptr},
              {DLG_ANIM2, "04_villain", "dialog_gun", "rot"},
              {DLG_CLEAR, "02_lord", "static", nullptr}}},
    {50987, 614, {{DLG_ANIM, "04_villain", "static_gun", nullptr},
              {DLG_ANIM2, "02_lord", nullptr, "dlg"}}},
    {50988, 615, {{DLG_CLEAR, "02_lord", "static", nullptr},
              {DLG_CLEAR, "04_villain", "dialog_gun_lev", nullptr},
              {DLG_ANIM2, "04_villain", nullptr, "rot"}}},
    {50989, 615, {{DLG_ANIM, "02_lord", "dialog_prav", nullptr},
              {DLG_ANIM2, "02_lord", nullptr, "dlg"},
              {DLG_ANIM, "04_villain", "static_gun", nullptr}}},
    {50990, 616, {{DLG_ANIM2, "02_lord", "dialog", "dlg"}}},
    {-1, 101, {{DLG_ANIM, "02_lord", "static", nullptr}}},
};
const ContentStep kDialog6050[] = {
    {60911, 111, {{DLG_CLEAR2, "04_villain", "dialog", "rot"}}},
    {-1, 0, {{DLG_ANIM, "04_villain", "static", nullptr}}},
};
const ContentStep kDialog6051[] = {
    {-1, 0, {{DLG_POSROT, "01_hero_worker", nullptr, nullptr, 0, -80.408f, 89.844f, -0.183f, 131.204f},
              {DLG_VISIBLE, "01_hero_worker", nullptr, nullptr, 1}}},
    {60921, 121, {{DLG_CLEAR, "03_professor", "static_01", nullptr},
              {DLG_CLEAR2, "01_hero_worker", "static_01", "rot_01"}}},
    {60922, 121, {{DLG_ANIM, "01_hero_worker", "static_01", nullptr},
              {DLG_ANIM2, "03_professor", "static_01", "rot"}}},
    {60923, 122, {{DLG_CLEAR2, "01_hero_worker", "dialog_01", "rot_01"}}},
    {60924, 123, {{DLG_CLEAR2, "03_professor", "dialog_01", "rot"}}},
    {60925, 121, {{DLG_CLEAR2, "03_professor", "dialog_02", "rot"},
              {DLG_CLEAR, "01_hero_worker", "static_01", nullptr}}},
    {60926, 121, {{DLG_ANIM, "03_professor", "static_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", "static_01", "rot_01"}}},
    {60927, 123, {{DLG_CLEAR2, "03_professor", "dialog_01", "rot"}}},
    {60928, 124, {{DLG_CLEAR2, "03_professor", "dialog_02", "rot"}}},
    {60929, 125, {{DLG_CLEAR2, "03_professor", "static_01", "rot"},
              {DLG_CLEAR, "01_hero_worker", "static_01", nullptr}}},
    {60930, 125, {{DLG_ANIM2, "03_professor", "dialog_01", "rot"}}},
    {60931, 125, {{DLG_ANIM, "03_professor", "static_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", "static_01", "rot_01"}}},
    {60932, 126, {{DLG_NOTIFY, "06_03_scene", nullptr, nullptr, 101},
              {DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR2, "03_professor", "dialog_02", "rot"}}},
    {-1, 0, {{DLG_NOTIFY, "06_03_scene", nullptr, nullptr, 201}}},
    {60933, 127, {{DLG_NOTIFY, "06_03_scene", nullptr, nullptr, 102},
              {DLG_CLEAR2, "03_professor", "dialog_03", "rot"}}},
    {-1, 0, {{DLG_NOTIFY, "06_03_scene", nullptr, nullptr, 202}}},
    {60934, 126, {{DLG_NOTIFY, "06_03_scene", nullptr, nullptr, 105},
              {DLG_CLEAR2, "03_professor", "dialog_03", "rot"}}},
    {-1, 0, {{DLG_NOTIFY, "06_03_scene", nullptr, nullptr, 205}}},
    {60935, 125, {{DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR2, "03_professor", "dialog_01", "rot"}}},
    {60936, 125, {{DLG_ANIM, "03_professor", "static_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", "static_01", "rot_01"}}},
    {60937, 127, {{DLG_NOTIFY, "06_03_scene", nullptr, nullptr, 103},
              {DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR2, "03_professor", "dialog_03", "rot"}}},
    {-1, 0, {{DLG_NOTIFY, "06_03_scene", nullptr, nullptr, 203}}},
    {60941, 128, {{DLG_CLEAR2, "01_hero_worker", "dialog_01", "rot_01"}}},
    {60942, 123, {{DLG_CLEAR2, "03_professor", "dialog_02", "rot"}}},
    {60943, 127, {{DLG_NOTIFY, "06_03_scene", nullptr, nullptr, 104},
              {DLG_CLEAR2, "03_professor", "dialog_01", "rot"}}},
    {-1, 0, {{DLG_NOTIFY, "06_03_scene", nullptr, nullptr, 204}}},
    {60944, 121, {{DLG_CLEAR, "03_professor", "static_01", nullptr},
              {DLG_CLEAR2, "01_hero_worker", "static_01", "rot_01"}}},
    {60945, 121, {{DLG_ANIM, "01_hero_worker", "static_01", nullptr},
              {DLG_ANIM2, "03_professor", "dialog_03", "rot"}}},
    {-1, 0, {{DLG_ANIM, "03_professor", "static_01", nullptr}}},
};
const ContentStep kDialog6052[] = {
    {-1, 0, {{DLG_POSROT, "01_hero_worker", nullptr, nullptr, 0, -80.408f, 89.844f, -0.183f, 131.204f},
              {DLG_VISIBLE, "01_hero_worker", nullptr, nullptr, 1}}},
    {60951, 129, {{DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR2, "03_professor", "dialog_02", "rot"}}},
    {60952, 129, {{DLG_ANIM, "03_professor", "static_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", "static_01", "rot_01"}}},
    {60953, 0, {{DLG_NOTIFY, "01_cam_move", nullptr, nullptr, 10603},
              {DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR2, "03_professor", "dialog_02", "rot"}}},
    {60954, 122, {{DLG_CLEAR, "03_professor", "static_01", nullptr},
              {DLG_CLEAR2, "01_hero_worker", "dialog_01", "rot_01"}}},
    {60955, 121, {{DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR2, "03_professor", "dialog_01", "rot"}}},
    {-1, 0, {{DLG_ANIM, "03_professor", "static_01", nullptr}}},
};
const ContentStep kDialog6053[] = {
    {-1, 0, {{DLG_POSROT, "01_hero_worker", nullptr, nullptr, 0, -80.408f, 89.844f, -0.183f, 131.204f},
              {DLG_VISIBLE, "01_hero_worker", nullptr, nullptr, 1}}},
    {60961, 130, {{DLG_CLEAR2, "01_hero_worker", "dialog_01", "rot_01"}}},
    {60962, 0, {{DLG_NOTIFY, "01_cam_move", nullptr, nullptr, 10604},
              {DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR2, "03_professor", "dialog_02", "rot"}}},
    {-1, 0, {}},
};
const ContentStep kDialog6054[] = {
    {-1, 0, {{DLG_POSROT, "01_hero_worker", nullptr, nullptr, 0, -80.408f, 89.844f, -0.183f, 131.204f},
              {DLG_VISIBLE, "01_hero_worker", nullptr, nullptr, 1}}},
    {60971, 125, {{DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR2, "03_professor", "dialog_02", "rot"}}},
    {60972, 122, {{DLG_CLEAR, "03_professor", "static_01", nullptr},
              {DLG_CLEAR2, "01_hero_worker", "dialog_01", "rot_01"}}},
    {60973, 124, {{DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR2, "03_professor", "dialog_03", "rot"}}},
    {-1, 0, {{DLG_ANIM, "03_professor", "static_01", nullptr}}},
};
const ContentStep kDialog6055[] = {
    {-1, 0, {{DLG_POSROT, "01_hero_worker", nullptr, nullptr, 0, -80.408f, 89.844f, -0.183f, 131.204f},
              {DLG_VISIBLE, "01_hero_worker", nullptr, nullptr, 1}}},
    {60981, 124, {{DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR2, "03_professor", "dialog_02", "rot"}}},
    {60982, 122, {{DLG_CLEAR, "03_professor", "static_01", nullptr},
              {DLG_CLEAR2, "01_hero_worker", "dialog_01", "rot_01"}}},
    {60983, 123, {{DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR2, "03_professor", "dialog_01", "rot"}}},
    {60984, 128, {{DLG_CLEAR, "03_professor", "static_01", nullptr},
              {DLG_CLEAR2, "01_hero_worker", "dialog_01", "rot_01"}}},
    {60985, 125, {{DLG_CLEAR, "01_hero_worker", "static_01", nullptr},
              {DLG_CLEAR2, "03_professor", "static_01", "rot"}}},
    {60986, 125, {{DLG_ANIM, "03_professor", "static_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", "static_01", "rot_01"}}},
    {-1, 125, {{DLG_ANIM, "01_hero_worker", "static_01", nullptr}}},
};
const ContentStep kDialog6056[] = {
    {60991, 0, {{DLG_ANIM2, "16_badgui", "dialog_sit_01", "rot"}}},
    {60992, 408, {{DLG_VISIBLE, "01_hero_worker", nullptr, nullptr, 0},
              {DLG_CLEAR, "16_badgui", "static_sit_01", nullptr},
              {DLG_CLEAR2, "16_badgui2", "dialog_sit_01", "rot"}}},
    {60993, 410, {{DLG_CLEAR2, "16_badgui2", "dialog_sit_01", "rot"}}},
    {-1, 0, {{DLG_ANIM, "16_badgui2", "static_sit_01", nullptr}}},
};
const ContentStep kDialog6057[] = {
    {60995, 0, {{DLG_ANIM2, "16_badgui", "up_and_run", "rot"}}},
    {60996, 0, {{DLG_ANIM, "16_badgui", "up_and_run", nullptr},
              {DLG_ANIM2, "16_badgui2", "up_and_run", "rot"}}},
};
const ContentStep kDialog6058[] = {
    {61901, 721, {{DLG_ANIM2, "04_villain", nullptr, "dlg"}}},
    {-1, 0, {}},
};
const ContentStep kDialog6059[] = {
    {61902, 723, {{DLG_CLEAR, "02_lord", "dialog_gun", nullptr},
              {DLG_ANIM2, "02_lord", nullptr, "dlg"}}},
    {61903, 722, {{DLG_CLEAR, "01_hero_worker", "dialog_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", nullptr, "rot_01"}}},
    {61904, 723, {{DLG_CLEAR, "02_lord", "dialog", nullptr},
              {DLG_ANIM2, "02_lord", nullptr, "dlg"}}},
    {61905, 724, {{DLG_CLEAR, "01_hero_worker", "dialog_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", nullptr, "rot_01"}}},
    {61906, 725, {{DLG_CLEAR, "02_lord", "dialog", nullptr},
              {DLG_ANIM2, "02_lord", nullptr, "dlg"},
              {DLG_CLEAR, "01_hero_worker", "static_01", nullptr}}},
    {61907, 725, {{DLG_ANIM, "02_lord", "static", nullptr},
              {DLG_ANIM2, "01_hero_worker", "dialog_01", "rot_01"}}},
    {61908, 726, {{DLG_CLEAR, "02_lord", "dialog", nullptr},
              {DLG_ANIM2, "02_lord", nullptr, "dlg"}}},
    {61909, 722, {{DLG_CLEAR, "01_hero_worker", "dialog_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", nullptr, "rot_01"}}},
    {61910, 727, {{DLG_CLEAR, "02_lord", "dialog", nullptr},
              {DLG_ANIM2, "02_lord", nullptr, "dlg"}}},
    {61911, 726, {{DLG_ANIM2, "02_lord", "dialog", "dlg"}}},
    {61912, 728, {{DLG_NOTIFY, "06_10_scene", nullptr, nullptr, 300},
              {DLG_CLEAR, "01_hero_worker", "dialog_kristall", nullptr},
              {DLG_ANIM2, "01_hero_worker", nullptr, "rot_01"}}},
    {61913, 723, {{DLG_CLEAR, "02_lord", "dialog", nullptr},
              {DLG_ANIM2, "02_lord", nullptr, "dlg"}}},
    {61914, 724, {{DLG_CLEAR, "01_hero_worker", "dialog_01", nullptr},
              {DLG_ANIM2, "01_hero_worker", nullptr, "rot_01"}}},
    {61915, 727, {{DLG_CLEAR, "02_lord", "dialog", nullptr},
              {DLG_ANIM2, "02_lord", nullptr, "dlg"}}},
    {-1, 727, {{DLG_ANIM, "02_lord", "static", nullptr}}},
};
const ContentStep kDialog6060[] = {
    {60901, 701, {{DLG_CLEAR, "08_priest", "static", nullptr},
              {DLG_ANIM2, "08_priest", "dialog", "rot"}}},
    {60902, 702, {{DLG_CLEAR2, "08_priest", "dialog", "rot"}}},
    {-1, 702, {{DLG_ANIM, "08_priest", "static", nullptr}}},
};
const ContentStep kDialog6061[] = {
    {61921, 831, {{DLG_ANIM2, "05_agent_boss", "dialog", "rot"}}},
    {61922, 832, {{DLG_ANIM2, "01_hero_worker", "static_01", "rot_01"},
              {DLG_ANIM2, "05_agent_boss", "static_01", "rot_static"}}},
    {61923, 833, {{DLG_ANIM2, "01_hero_worker", "static_01", "rot_static"},
              {DLG_ANIM2, "05_agent_boss", "dialog", "rot"}}},
    {61924, 831, {{DLG_CLEAR, "05_agent_boss", "static_01", nullptr},
              {DLG_ANIM2, "05_agent_boss", "dialog", "rot"}}},
    {61925, 831, {{DLG_ANIM2, "05_agent_boss", "static_01", "rot_static"},
              {DLG_ANIM2, "11_agent_girl", "dialog", "rot"}}},
    {-1, 831, {{DLG_ANIM2, "11_agent_girl", "static_01", "rot_static"}}},
};

const ContentDialog kDialogs[] = {
    {1000, 123, kDialog1000, 9},
    {1050, 167, kDialog1050, 7},
    {1051, 172, kDialog1051, 2},
    {2050, 331, kDialog2050, 4},
    {2051, 0, kDialog2051, 1},
    {2052, 0, kDialog2052, 4},
    {3060, 0, kDialog3060, 4},
    {3061, 429, kDialog3061, 12},
    {3062, 436, kDialog3062, 8},
    {3063, 0, kDialog3063, 6},
    {5050, 0, kDialog5050, 4},
    {5051, 114, kDialog5051, 3},
    {5052, 120, kDialog5052, 3},
    {5053, 118, kDialog5053, 5},
    {5054, -1, kDialog5054, 4},
    {5055, -1, kDialog5055, 4},
    {5056, -1, kDialog5056, 4},
    {5057, -1, kDialog5057, 3},
    {5058, 0, kDialog5058, 11},
    {6050, 111, kDialog6050, 2},
    {6051, 121, kDialog6051, 29},
    {6052, 121, kDialog6052, 7},
    {6053, 130, kDialog6053, 4},
    {6054, 124, kDialog6054, 5},
    {6055, 125, kDialog6055, 8},
    {6056, 410, kDialog6056, 4},
    {6057, -1, kDialog6057, 2},
    {6058, 0, kDialog6058, 2},
    {6059, 0, kDialog6059, 15},
    {6060, 0, kDialog6060, 3},
    {6061, 0, kDialog6061, 6},
};

/// Single-line dialogs: [first, last] id ranges; the line is the id with
/// the location's level in front (locations 2 to 6: L * 10000 + NNN).
struct IdRange
{
    int first;
    int last;
};
const IdRange kSingleLines[] = {
    {120, 124},   {2000, 2029}, {2033, 2044}, {3000, 3024}, {3030, 3053}, {3056, 3059}, {3070, 3071},
    {4000, 4037}, {4040, 4042}, {4045, 4054}, {5000, 5035}, {6000, 6022},
};
/// Location 1 speaks line 10100 + NNN for these dialogs 1NNN.
const int kLocation1Singles[] = {1002, 1004, 1006, 1008, 1010, 1011, 1012, 1013, 1014, 1015, 1016,
                                 1018, 1019, 1020, 1022, 1024, 1025, 1026, 1028, 1030, 1032, 1034,
                                 1036, 1038, 1040};

/// The line of a single-line dialog, 0 when id is none.
int singleLine(int id)
{
    for (int single : kLocation1Singles)
        if (single == id)
            return 10100 + id % 1000;
    for (const IdRange& range : kSingleLines)
        if (id >= range.first && id <= range.last)
            return id < 1000 ? id : (id / 1000) * 10000 + id % 1000;
    return 0;
}

void addRange(std::vector<int>& ids, int first, int last)
{
    for (int id = first; id <= last; ++id)
        ids.push_back(id);
}

std::vector<int> makeVoices(int location)
{
    std::vector<int> ids;
    switch (location)
    {
    case 1:
        addRange(ids, 10901, 10909);
        addRange(ids, 10911, 10917);
        addRange(ids, 10920, 10921);
        break;
    case 2:
        addRange(ids, 20901, 20903);
        addRange(ids, 20911, 20911);
        break;
    case 3:
        addRange(ids, 30901, 30903);
        addRange(ids, 30911, 30926);
        addRange(ids, 20921, 20923);
        break;
    case 4:
        addRange(ids, 30931, 30935);
        break;
    case 5:
        addRange(ids, 50901, 50903);
        addRange(ids, 50911, 50912);
        addRange(ids, 50921, 50922);
        addRange(ids, 50931, 50934);
        addRange(ids, 50941, 50943);
        addRange(ids, 50951, 50953);
        addRange(ids, 50961, 50963);
        addRange(ids, 50971, 50973);
        addRange(ids, 50981, 50990);
        addRange(ids, 60901, 60902);
        break;
    case 6:
        addRange(ids, 60911, 60911);
        addRange(ids, 60921, 60937);
        addRange(ids, 60941, 60945);
        addRange(ids, 60951, 60955);
        addRange(ids, 60961, 60962);
        addRange(ids, 60971, 60973);
        addRange(ids, 60981, 60986);
        addRange(ids, 60991, 60993);
        addRange(ids, 60995, 60996);
        addRange(ids, 61901, 61915);
        addRange(ids, 61921, 61925);
        break;
    default:
        break;
    }
    return ids;
}

void addAction(sc_02_dialogs& player, const ContentAction& action)
{
    switch (action.kind)
    {
    case DLG_ANIM:
        player.dlg_AddPersAnim(action.object, action.anim);
        break;
    case DLG_ANIM2:
        player.dlg_AddPersAnim2(action.object, action.anim, action.anim2);
        break;
    case DLG_CLEAR:
        player.dlg_AddPersClear(action.object, action.anim);
        break;
    case DLG_CLEAR2:
        player.dlg_AddPersClear2(action.object, action.anim, action.anim2);
        break;
    case DLG_VISIBLE:
        player.dlg_AddObjVisible(action.object, action.value);
        break;
    case DLG_NOTIFY:
        player.dlg_AddObjNotify(action.object, action.value);
        break;
    case DLG_POSROT:
        player.dlg_AddPersPosRot(action.object, action.x, action.y, action.z, action.rZ);
        break;
    }
}
} // namespace

bool dialogContent(sc_02_dialogs& player, int id)
{
    for (const ContentDialog& dialog : kDialogs)
    {
        if (dialog.id != id)
            continue;
        for (int i = 0; i < dialog.count; ++i)
        {
            const ContentStep& step = dialog.steps[i];
            player.dlg_Add(step.line, step.line, step.cut);
            for (const ContentAction& action : step.actions)
                if (action.object)
                    addAction(player, action);
        }
        player.dlg_AfterCam(dialog.afterCam);
        return true;
    }
    const int line = singleLine(id);
    if (line == 0)
        return false;
    player.dlg_Add(line, line);
    return true;
}

const std::vector<int>& dialogVoices(int location)
{
    static std::vector<int> voices[7] = {makeVoices(0), makeVoices(1), makeVoices(2), makeVoices(3),
                                         makeVoices(4), makeVoices(5), makeVoices(6)};
    return voices[location >= 1 && location <= 6 ? location : 0];
}
