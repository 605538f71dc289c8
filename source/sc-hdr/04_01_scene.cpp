#include "04_01_scene.h"

#include "Application.h"
#include "SceneActor.h"
#include "ScriptObject.h"
#include "Trace.h"

void sc_04_01_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    hero = gApp.findObjectHandle("01_hero");
    lift = gApp.findObjectHandle("04_lift");
    camMove = gApp.findObjectHandle("01_cam_move");
    setVisible(hero, false);
}

void sc_04_01_scene::ON_TIME(int param)
{
    TQ_TRACE(" ON_TIME(int param)");
    if (param != answerTimer)
        return;
    sendNotify(getOwner(), 0, 101);
    ScriptObject::stopTimer(getOwner(), answerTimer);
    answerTimer = -1;
}

void sc_04_01_scene::ON_NOTIFY(int param, OBJECT_HANDLE /*sndr*/)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    if (param == 100)
        start1();
    else if (param == 101)
        start2();
    else if (param == 200)
        stop();
    if (param == mLoaderAnswer)
        clear();
}

void sc_04_01_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("00_sfx_env", 1005, 0);
    sendNotifyByName("00_movies", 4016, 0);
    billboardSetVisible("04_fakel_04_bb", false);
    sendNotify(camMove, getOwner(), 10401);
    sendNotify(lift, 0, 200);
    setPositionRotZ(hero, 0.0f, 0.0f, 0.0f, 0.0f);
    setVisible(hero, true);
    SceneActor::stop(hero);
    SceneActor::queue(hero, "lift", 1);
    SceneActor::start(hero);
    answerTimer = SceneActor::startOnce(getOwner(), animGetCurrentLength(hero, "lift") - answerLead * 1000);
}

void sc_04_01_scene::start2()
{
    TQ_TRACE(" start2()");
    SceneActor::leave(hero);
    sendNotifyByName("04_02_plita_msz", 200, getOwner());
}

void sc_04_01_scene::stop()
{
    TQ_TRACE(" stop()");
    sendNotifyByName("00_game_interface", 100, getOwner());
}

void sc_04_01_scene::clear()
{
    TQ_TRACE(" clear()");
    sendNotify(lift, 0, 2);
    SceneActor::leave(hero);
    if (answerTimer > -1)
    {
        ScriptObject::stopTimer(getOwner(), answerTimer);
        answerTimer = -1;
    }
}
