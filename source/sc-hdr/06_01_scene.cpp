#include "06_01_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "Trace.h"

namespace
{
// The camera flight's end starts the dialog; its end completes the task.
const CutScene::DialogStep kSteps[] = {{10602, 6050, 100}};
const char* const kHand = "16_badgui_Bip01_R_Hand";
} // namespace

void sc_06_01_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    villain = gApp.findObjectHandle("04_villain");
    bad_guy1 = gApp.findObjectHandle("16_badgui");
    bad_guy2 = gApp.findObjectHandle("16_badgui2");
    gun1 = gApp.findObjectHandle("06_01_badguy1_ak47");
    gun2 = gApp.findObjectHandle("06_01_badguy2_ak47");
    for (OBJECT_HANDLE h : {villain, bad_guy1, bad_guy2, gun1, gun2})
        setVisible(h, false);
}

void sc_06_01_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (CutScene::playDialogStep(kSteps, code, dialogs, mOwner))
        return;
    if (code == 100)
        start1();
    else if (code == mLoaderAnswer)
        clear();
}

void sc_06_01_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("00_movies", 6027, 0);
    sendNotifyByName("00_sfx_env", 5001, 0);
    sendNotifyByName("01_01_scene_ds", 10147, 0);
    sendNotify(cam_move, mOwner, 10602);

    CutScene::showAt(bad_guy1, -153.0f, -12.0f, 413.0f, -3.0f);
    CutScene::play(bad_guy1, "static_01", -1);
    CutScene::showAt(bad_guy2, -89.0f, -65.0f, 413.0f, 16.0f);
    CutScene::play(bad_guy2, "static_01", -1);
    setVisible(gun1, true);
    setVisible(gun2, true);
    attachGuns();

    CutScene::showAt(villain, 189.0f, -13.0f, 413.0f, -176.0f);
    CutScene::stopActor(villain);
    animAddPoint(villain, "static", -1, 0, 0);
    animAddRotatedPoint(villain, vec3(0.0f, 0.0f, -176.0f), "walk", vec3(60.0f, -21.0f, 413.0f), 1, 1, 0, 0);
    animAddPoint(villain, "static", -1, 0, 0);
    CutScene::startActor(villain);
    CutScene::nextPoint(villain);

    sendNotifyByName("06_01_fakel_03", 100, 0);
    sendNotifyByName("06_01_fire_02", 100, 0);
}

void sc_06_01_scene::clear()
{
    TQ_TRACE(" clear()");
    attachGuns();
    for (OBJECT_HANDLE h : {gun1, gun2, villain, bad_guy1, bad_guy2})
        setVisible(h, false);
    sendNotify(cam_move, 0, 5101);
    sendNotifyByName("06_02_scene", 100, mOwner);
    sendNotifyByName("06_01_fakel_03", 101, 0);
    sendNotifyByName("06_01_fire_02", 101, 0);
}

void sc_06_01_scene::attachGuns()
{
    TQ_TRACE(" attachGuns()");
    attachObjToBone(bad_guy1, gun1, kHand, false);
    attachObjToBone(bad_guy2, gun2, kHand, false);
}
