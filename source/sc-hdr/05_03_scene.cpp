#include "05_03_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "Trace.h"

namespace
{
const CutScene::DialogStep kSteps[] = {
    {200, 5051, 200},
    {102, 5052, 102},
    {103, 5053, 103},
};
} // namespace

void sc_05_03_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    hero = gApp.findObjectHandle("01_hero");
    worker = gApp.findObjectHandle("01_hero_worker");
    worker_woman = gApp.findObjectHandle("13_worker_woman");
}

void sc_05_03_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (CutScene::playDialogStep(kSteps, code, dialogs, mOwner))
        return;
    if (code == mLoaderAnswer)
        clear();
}

void sc_05_03_scene::clear()
{
    TQ_TRACE(" clear()");
    setVisible(hero, false);
    setVisible(worker, false);
    sendNotify(cam_move, 0, 5101);
    sendNotifyByName("05_02_scene", 100, mOwner);
}
