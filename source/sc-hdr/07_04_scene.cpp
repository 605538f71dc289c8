#include "07_04_scene.h"

#include "CutScene.h"
#include "Loc7Scene.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kHand = "08_priest_Bip01_L_Hand";
} // namespace

void sc_07_04_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    priest = Loc7Scene::find("08_priest");
    tolvane = Loc7Scene::find("07_tolvane_anim");
    tolvane_bb = Loc7Scene::find("07_tolvane_anim_bb");
    cam_move = Loc7Scene::find("01_cam_move");
    dialogs = Loc7Scene::find("02_dialogs");
    setVisible(tolvane, false);
    setVisible(tolvane_bb, false);
}

void sc_07_04_scene::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (billboardTimer && id == billboardTimer)
        billboardStep();
}

void sc_07_04_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (code == 100)
        start1();
    else if (code == 10701)
        start2();
    else if (code == 6060)
        stop();
}

void sc_07_04_scene::start1()
{
    TQ_TRACE(" start1()");
    Loc7Scene::carry(priest, tolvane, kHand);
    sendNotify(cam_move, getOwner(), 5701);
    sendNotify(cam_move, getOwner(), 10701);

    setVisible(priest, true);
    Loc7Scene::place(priest, {28.0f, 3.0f, 4445.0f, 0.0f});
    Loc7Scene::stopPoints(priest);
    animAddPoint(priest, "static", 0, 0);
    animAddRotatedPoint(priest, vec3(0.0f, 0.0f, 0.0f), "walk", vec3(658.0f, 3.0f, 4445.0f), 1, 1, 0, 0);
    animAddPoint(priest, "static", 0, 0);
    Loc7Scene::startPoints(priest);

    billboardTimer = ScriptObject::startTimer(getOwner(), 8450, 1);
    Loc7Scene::showParchment(true);
    sendNotify(Loc7Scene::find("07_papirus"), 0, 100);
}

void sc_07_04_scene::billboardStep()
{
    TQ_TRACE(" billboardStep()");
    CutScene::nextPoint(priest);
    setVisible(tolvane_bb, true);
    attachObjToBone(priest, Loc7Scene::find("07_tolvane_anim_bb"), kHand, false);
}

void sc_07_04_scene::start2()
{
    TQ_TRACE(" start2()");
    sendNotify(dialogs, getOwner(), 6060);
}

void sc_07_04_scene::stop()
{
    TQ_TRACE(" stop()");
    sendNotifyByName("00_game_interface", 100, getOwner());
}
