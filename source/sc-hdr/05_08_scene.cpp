#include "05_08_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const float kFloor = -834.0f;

// One actor who walks up to the hero: where he stands first, the animation
// he waits in, the walk (with its own animation and end pose) and the
// animation he plays on arrival.
struct Walker
{
    OBJECT_HANDLE sc_05_08_scene::*actor;
    float x, y, angle;
    const char* wait;
    const char* walk;
    float toX, toY, toAngle;
    const char* arrive;
    int arrivedCode; ///< to the scene when the walk ends; 0: none
};

const Walker kWalkers[] = {
    {&sc_05_08_scene::lord, -1287.0f, -3438.0f, 94.0f, "static", "walk", -1357.0f, -2817.0f, 85.0f, "static", 0},
    {&sc_05_08_scene::villain, -1213.0f, -3418.0f, 96.0f, "static_gun", "walk_gun", -1282.0f, -2810.0f, 111.0f,
     "dialog_gun", 200},
    {&sc_05_08_scene::bad_guy1, -1232.0f, -3615.0f, 97.0f, "static_01", "walk", -1318.0f, -2963.0f, 95.0f,
     "static_01", 0},
    {&sc_05_08_scene::bad_guy2, -1219.0f, -3506.0f, 91.0f, "static_01", "walk", -1236.0f, -2886.0f, 113.0f,
     "static_01", 0},
};

const char* const kVillainHand = "04_villain_Bip01_R_Hand";
const char* const kManHand = "16_badgui_Bip01_R_Hand";
} // namespace

void sc_05_08_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    hero = gApp.findObjectHandle("01_hero_worker");
    lord = gApp.findObjectHandle("02_lord");
    villain = gApp.findObjectHandle("04_villain");
    bad_guy1 = gApp.findObjectHandle("16_badgui");
    bad_guy2 = gApp.findObjectHandle("16_badgui2");
    pistol = gApp.findObjectHandle("05_06_villain_gun");
    rifle1 = gApp.findObjectHandle("05_06_badguy1_ak47");
    rifle2 = gApp.findObjectHandle("05_06_badguy2_ak47");
    cam_move = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    for (OBJECT_HANDLE h : {lord, villain, bad_guy1, bad_guy2, pistol, rifle1, rifle2})
        setVisible(h, false);
}

void sc_05_08_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (code == 100)
        start1();
    else if (code == 10508)
        start3();
    else if (code == 5058)
        stop();
}

void sc_05_08_scene::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    (void)id;
    start2();
}

void sc_05_08_scene::start1()
{
    TQ_TRACE(" start1()");
    start_timer = ScriptObject::startTimer(mOwner, 600, 1);
    sendNotify(cam_move, mOwner, 10508);
    sendNotifyByName("00_movies", 5018, 0);
    sendNotifyByName("00_sfx_env", 5004, 0);
}

void sc_05_08_scene::start2()
{
    TQ_TRACE(" start2()");
    sendNotifyByName("05_08_scene_msz", 100, 0);

    CutScene::showAt(hero, -1343.0f, -2666.0f, kFloor, -83.0f);
    CutScene::stopActor(hero);
    animAddPoint(hero, "static_01", 1, 0, 0);
    CutScene::startActor(hero);

    for (const Walker& w : kWalkers)
    {
        const OBJECT_HANDLE a = this->*w.actor;
        CutScene::showAt(a, w.x, w.y, kFloor, w.angle);
        CutScene::stopActor(a);
        animAddPoint(a, w.wait, -1, 0, 0);
        animAddRotatedPoint(a, vec3(0.0f, 0.0f, w.toAngle), w.walk, vec3(w.toX, w.toY, kFloor), 1, 1,
                            w.arrivedCode ? mOwner : 0, w.arrivedCode);
        animAddPoint(a, w.arrive, 1, 0, 0);
        CutScene::startActor(a);
        // Off the endless waiting point at once: the walk begins now.
        CutScene::nextPoint(a);
    }

    for (OBJECT_HANDLE gun : {pistol, rifle1, rifle2})
        setVisible(gun, true);
    attachObjToBone(villain, pistol, kVillainHand, false);
    attachObjToBone(bad_guy1, rifle1, kManHand, false);
    attachObjToBone(bad_guy2, rifle2, kManHand, false);
}

void sc_05_08_scene::start3()
{
    TQ_TRACE(" start3()");
    sendNotify(dialogs, mOwner, 5058);
}

void sc_05_08_scene::stop()
{
    TQ_TRACE(" stop()");
    CutScene::answerInterface(mOwner, 100);
}
