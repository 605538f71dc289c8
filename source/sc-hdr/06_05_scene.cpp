#include "06_05_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "Trace.h"

namespace
{
// The end of either flight starts the dialog, asked or not.
const CutScene::DialogStep kSteps[] = {
    {10605, 6056, 100},
    {10615, 6056, 100},
};
} // namespace

void sc_06_05_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    hero = gApp.findObjectHandle("01_hero_worker");
    bad_guy1 = gApp.findObjectHandle("16_badgui");
    bad_guy2 = gApp.findObjectHandle("16_badgui2");
}

void sc_06_05_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (CutScene::playDialogStep(kSteps, code, dialogs, mOwner))
        return;
    if (code == 100)
        start1_a();
    else if (code == 200)
        start1_b();
    else if (code == mLoaderAnswer)
        clear();
}

void sc_06_05_scene::start1_a()
{
    TQ_TRACE(" start1_a()");
    init();
    sendNotify(cam_move, mOwner, 10605);
}

void sc_06_05_scene::start1_b()
{
    TQ_TRACE(" start1_b()");
    init();
    sendNotify(cam_move, mOwner, 10615);
}

void sc_06_05_scene::init()
{
    TQ_TRACE(" init()");
    sendNotifyByName("00_sfx_env", 1002, 0);
    for (OBJECT_HANDLE h : {hero, bad_guy1, bad_guy2})
        CutScene::showAt(h, 0.0f, 0.0f, 0.0f, 0.0f);
    CutScene::play(hero, "06_05_stand", 1);
    CutScene::play(bad_guy1, "static_sit_01", -1);
    CutScene::play(bad_guy2, "static_sit_01", -1);
}

void sc_06_05_scene::clear()
{
    TQ_TRACE(" clear()");
    for (OBJECT_HANDLE h : {hero, bad_guy1, bad_guy2})
    {
        CutScene::stopActor(h);
        setVisible(h, false);
    }
    sendNotify(cam_move, 0, 5402);
}
