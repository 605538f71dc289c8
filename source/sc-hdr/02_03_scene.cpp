#include "02_03_scene.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

void sc_02_03_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
}

void sc_02_03_scene::ON_TIME(int param)
{
    TQ_TRACE(" ON_TIME(int param)");
    (void)param;
    prevButton = curButton;
    curButton = ScriptObject::leftButtonDown() ? 1 : 0;
    alpha += ScriptObject::frameSeconds() * 0.3f;
    if (alpha < 1.0f)
    {
        setAlpha(alpha);
        return;
    }
    // Only a new press counts: a button held since the fade began does not.
    if (prevButton == 0 && curButton != 0)
    {
        shellOpen("survey\\url.url");
        gApp.mQuit = true;
    }
}

void sc_02_03_scene::ON_NOTIFY(int param, OBJECT_HANDLE sndr)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    (void)sndr;
    if (param == 100)
        start1();
}

void sc_02_03_scene::start1()
{
    TQ_TRACE(" start1()");
    setCursorMode(-1);
    overlaySetVisible("surveyBuildScreenOverlay", nullptr, nullptr, true);
    fadeTimer = ScriptObject::startTimer(mOwner, 1, -1);
    setAlpha(0.0f);
    sendNotifyByName("interface", 200, 0);
}

void sc_02_03_scene::setAlpha(float a)
{
    TQ_TRACE(" setAlpha(float alpha)");
    materialSetAlpha("surveyBuildScreen", a);
}
