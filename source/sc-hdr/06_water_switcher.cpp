#include "06_water_switcher.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

void sc_06_water_switcher::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    setAlpha(0.0f);
}

void sc_06_water_switcher::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (code == 100)
        start1();
}

void sc_06_water_switcher::start1()
{
    TQ_TRACE(" start1()");
    // A second 100 must not leave a tick running whose id is lost: the fade
    // would never end.
    ScriptObject::stopFrameTimer(mOwner, timer);
    timer = ScriptObject::startFrameTimer(mOwner);
}

void sc_06_water_switcher::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    alpha += ScriptObject::frameSeconds() * 0.4f;
    setAlpha(alpha);
    if (alpha > 1.0f)
    {
        ScriptObject::stopFrameTimer(mOwner, timer);
        setVisible(gApp.findObjectHandle("06_04_voda"), false);
    }
}

void sc_06_water_switcher::setAlpha(float a)
{
    TQ_TRACE(" setAlpha(float a)");
    materialBlendColour("06_voda", 0, 0, a, a, a, 2);
    materialBlendColour("06_voda", 0, 1, a, a, a, 2);
}
