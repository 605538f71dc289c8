#include "05_05_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "Trace.h"

namespace
{
// The third step plays dialog 5057 and the fourth 5056: the dialogs were
// numbered before the story put them in this order.
const CutScene::DialogStep kSteps[] = {
    {100, 5054, 100},
    {101, 5055, 101},
    {102, 5057, 102},
    {103, 5056, 103},
};
} // namespace

void sc_05_05_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    worker_man = gApp.findObjectHandle("12_worker_man");
    cam_move = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    worker = gApp.findObjectHandle("01_hero_worker");
}

void sc_05_05_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (CutScene::playDialogStep(kSteps, code, dialogs, mOwner))
        return;
    if (code == mLoaderAnswer)
        clear();
}

void sc_05_05_scene::clear()
{
    TQ_TRACE(" clear()");
    sendNotifyByName("05_04_scene", 100, mOwner);
    sendNotify(cam_move, 0, 5301);
    setVisible(worker, false);
}
