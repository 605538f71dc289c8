#include "05_04_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "Trace.h"

namespace
{
const char* const kThigh = "12_workman_Bip01_R_Thigh";
const char* const kHand = "12_workman_Bip01_R_Hand";
const char* const kIdle[] = {"static_01", "static_02", "static_01", "static_03", "static_02", "static_04"};
} // namespace

void sc_05_04_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    worker_man = gApp.findObjectHandle("12_worker_man");
    gadget = gApp.findObjectHandle("05_03_worker_man_hrenovina");
    screwdriver = gApp.findObjectHandle("05_03_otvertka01");
    cam_move = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    if (getVarI("bob_hide") == 1)
    {
        setVisible(worker_man, false);
        setVisible(gadget, false);
        setVisible(screwdriver, false);
    }
    else
    {
        attachObjToBone(worker_man, gadget, kThigh, false);
        attachObjToBone(worker_man, screwdriver, kHand, false);
    }
    start1();
}

void sc_05_04_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (code == 100)
        start1();
    else if (code == 200)
        start2();
}

void sc_05_04_scene::start1()
{
    TQ_TRACE(" start1()");
    setPositionRotZ(worker_man, 6892.0f, 258.0f, 0.0f, -113.0f);
    CutScene::stopActor(worker_man);
    for (const char* anim : kIdle)
        animAddPoint(worker_man, anim, 1, 0, 0);
    CutScene::startActor(worker_man);
    animSetCyclic(worker_man, true);
}

void sc_05_04_scene::start2()
{
    TQ_TRACE(" start2()");
    attachObjToBone(worker_man, gadget, kThigh, false);
    setVisible(gadget, false);
    attachObjToBone(worker_man, screwdriver, kHand, false);
    setVisible(screwdriver, false);
    setVisible(worker_man, false);
    setVarI("bob_hide", 1);
}
