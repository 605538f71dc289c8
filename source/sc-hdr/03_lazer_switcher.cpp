#include "03_lazer_switcher.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

void sc_03_lazer_switcher::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    setAlpha(1.0f);
}

void sc_03_lazer_switcher::ON_NOTIFY(int param, OBJECT_HANDLE /*sndr*/)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    if (param == 100)
        start1();
}

void sc_03_lazer_switcher::start1()
{
    TQ_TRACE(" start1()");
    // A second switch-off while the beam fades must not start a second
    // clock: the first would never be stopped and would drive the colour
    // below black for as long as the room is loaded.
    if (frameTimer == 0)
        frameTimer = ScriptObject::startFrameTimer(getOwner());
}

void sc_03_lazer_switcher::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    t += ScriptObject::frameSeconds();
    setAlpha(1.0f - t);
    if (t > 1.0f)
    {
        ScriptObject::stopFrameTimer(getOwner(), frameTimer);
        setVisible(gApp.findObjectHandle("03_06_lazer"), false);
    }
}

void sc_03_lazer_switcher::setAlpha(float a)
{
    TQ_TRACE(" setAlpha(float a)");
    materialBlendColour("03_lazer", 0, 0, a, a, a, 1);
}
