#include "05_06_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "Trace.h"

void sc_05_06_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    worker = gApp.findObjectHandle("01_hero_worker");
}

void sc_05_06_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (code == 101)
        start1();
    else if (code == 100)
        stop();
}

void sc_05_06_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("00_movies", 5013, 0);
    sendNotify(cam_move, 0, 5317);
    CutScene::showAt(worker, 7616.0f, 194.0f, 0.0f, -17.0f);
    CutScene::stopActor(worker);
    animAddPoint(worker, "dress_worry_static_02", 1, 0, 0);
    CutScene::startActor(worker);
    sendNotifyByName("05_03_Vagon_msz", 100, mOwner);
    sendNotifyByName("05_03_Vagon2_msz", 300, 0);
}

void sc_05_06_scene::stop()
{
    TQ_TRACE(" stop()");
    CutScene::answerInterface(mOwner, 101);
    CutScene::stopActor(worker);
}
