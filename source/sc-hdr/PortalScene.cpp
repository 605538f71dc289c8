#include "PortalScene.h"

#include "Application.h"
#include "SceneActor.h"
#include "ScriptObject.h"
#include "Trace.h"

void CPortalScene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    camMove = gApp.findObjectHandle("01_cam_move");
}

void CPortalScene::ON_TIME(int param)
{
    TQ_TRACE(" ON_TIME(int param)");
    if (param == lampTimer)
        sendNotify(getOwner(), 0, 200);
    if (param == openTimer)
        sendNotify(getOwner(), 0, 300);
}

void CPortalScene::ON_NOTIFY(int param, OBJECT_HANDLE /*sndr*/)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    if (param == 100)
        start();
    else if (param == 200)
        start2();
    else if (param == 300)
        start3();
    else if (param == mDoor.camFlight)
        stop();
    if (param == mLoaderAnswer)
        clear();
}

void CPortalScene::start()
{
    TQ_TRACE(" start()");
    sendNotifyByName("00_movies", mDoor.voice, 0);
    sendNotify(camMove, getOwner(), mDoor.camFlight);
    openTimer = SceneActor::startOnce(getOwner(), openTime);
    lampTimer = SceneActor::startOnce(getOwner(), openTime - lampLead);
}

void CPortalScene::start2()
{
    TQ_TRACE(" start2()");
    setMaterial(gApp.findObjectHandle(mDoor.doorName), 1, "04_door/04_lamp2");
}

void CPortalScene::start3()
{
    TQ_TRACE(" start3()");
    sendNotifyByName(mDoor.zoneName, 100, 0);
}

void CPortalScene::stop()
{
    TQ_TRACE(" stop()");
    sendNotifyByName("00_game_interface", 100, getOwner());
}

void CPortalScene::clear()
{
    TQ_TRACE(" clear()");
    sendNotifyByName(mDoor.zoneName, 105, getOwner());
    ScriptObject::stopTimer(getOwner(), lampTimer);
    ScriptObject::stopTimer(getOwner(), openTimer);
}
