#include "05_02_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "Trace.h"

void sc_05_02_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    worker_woman = gApp.findObjectHandle("13_worker_woman");
    cam_move = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    setVisible(worker_woman, false);
    start1();
}

void sc_05_02_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (code == 100)
        start1();
}

void sc_05_02_scene::start1()
{
    TQ_TRACE(" start1()");
    CutScene::showAt(worker_woman, 930.884f, 143.988f, 0.0f, -78.034f);
    CutScene::stopActor(worker_woman);
    animAddPoint(worker_woman, "static_01", 2, 0, 0);
    animAddPoint(worker_woman, "static_02", 1, 0, 0);
    animSetCyclic(worker_woman, true);
    CutScene::startActor(worker_woman);
}
