#include "01_02_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "ScriptObject.h"
#include "Trace.h"

void sc_01_02_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    hero = gApp.findObjectHandle("01_hero");
    camMove = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
}

void sc_01_02_scene::ON_TIME(int param)
{
    TQ_TRACE(" ON_TIME(int param)");
    if (param == stepTimer)
        start2();
}

void sc_01_02_scene::ON_NOTIFY(int param, OBJECT_HANDLE sndr)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    // The start and the crane's answer share a code; only the sender tells
    // them apart.  A missing sender must not pass for a missing object.
    if (param == 100 && sndr != 0)
    {
        if (sndr == gApp.findObjectHandle("00_game_interface"))
            start1();
        else if (sndr == gApp.findObjectHandle("01_kran_02"))
            stop();
    }
    if (param == mLoaderAnswer)
        clear();
}

void sc_01_02_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("00_movies", 1005, 0);
    stepTimer = ScriptObject::startTimer(mOwner, 5146, 1);
    setVisible(hero, true);
    setPositionRotZ(hero, -628.273f, 324.141f, 0.0f, -131.104f);
    sendNotify(camMove, 0, 5141);
    animAddPoint(hero, "static_01", 0, 0);
    animAddPoint(hero, "static_kran", 0, 0);
    CutScene::startActor(hero);
    sendNotifyByName("01_kran_02", 100, mOwner);
}

void sc_01_02_scene::start2()
{
    TQ_TRACE(" start2()");
    sendNotify(camMove, 0, 5142);
    CutScene::nextPoint(hero);
}

void sc_01_02_scene::stop()
{
    TQ_TRACE(" stop()");
    CutScene::finished(mOwner);
}

void sc_01_02_scene::clear()
{
    TQ_TRACE(" clear()");
    sendNotify(camMove, 0, 5103);
    CutScene::stopActor(hero);
    setVisible(hero, false);
    // The timer is left to fire; its tick no longer matches.
    stepTimer = 0;
    sendNotifyByName("01_kran_02", 101, mOwner);
}
