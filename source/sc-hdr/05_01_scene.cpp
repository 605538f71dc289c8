#include "05_01_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "Trace.h"

namespace
{
// The hero's arrival (300) starts the dialog; its end completes the task.
const CutScene::DialogStep kSteps[] = {{300, 5050, 100}};
} // namespace

void sc_05_01_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    hero = gApp.findObjectHandle("01_hero");
    worker = gApp.findObjectHandle("01_hero_worker");
    worker_woman = gApp.findObjectHandle("13_worker_woman");
    setVisible(hero, false);
    setVisible(worker, false);
}

void sc_05_01_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (code == 100)
    {
        start1();
        return;
    }
    if (done == 0)
    {
        if (code == 200)
        {
            start2();
            return;
        }
        if (code == 400)
        {
            startKate();
            return;
        }
        if (CutScene::playDialogStep(kSteps, code, dialogs, mOwner))
            return;
    }
    if (code == mLoaderAnswer)
        clear();
}

void sc_05_01_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("01_01_scene_ds", 10146, 0);
    sendNotifyByName("00_movies", 5002, 0);
    sendNotifyByName("00_sfx_env", 1007, 0);
    sendNotify(cam_move, 0, 10501);

    CutScene::showAt(hero, 0.0f, 0.0f, 0.0f, 0.0f);
    sendNotifyByName("05_01_Door2_1", 100, 0);
    CutScene::stopActor(hero);
    animAddPoint(hero, "open_door", 1, mOwner, 200);
    // The hero starts on the next pass of the queue, after the door has
    // had its 100.
    sendNotify(mOwner, 0, 400);

    setVisible(worker_woman, true);
    CutScene::stopActor(worker_woman);
    animAddPoint(worker_woman, "static_02", -1, 0, 0);
    CutScene::startActor(worker_woman);
}

void sc_05_01_scene::start2()
{
    TQ_TRACE(" start2()");
    sendNotify(cam_move, 0, 5121);
    CutScene::showAt(hero, 106.965f, -1.955f, 0.0f, 3.432f);
    animSetLayerParam("walk", hero, 1000);
    CutScene::stopActor(hero);
    animAddRotatedPoint(hero, vec3(0.0f, 0.0f, 3.432f), "walk", vec3(597.525f, 27.465f, 0.0f), 1, 1, mOwner, 300);
    CutScene::startActor(hero);
}

void sc_05_01_scene::startKate()
{
    TQ_TRACE(" startKate()");
    CutScene::startActor(hero);
}

void sc_05_01_scene::clear()
{
    TQ_TRACE(" clear()");
    setVisible(hero, false);
    sendNotifyByName("00_game_interface", 555, 0);
    sendNotify(cam_move, 0, 5101);
    sendNotifyByName("05_02_scene", 100, mOwner);
    done = 1;
}
