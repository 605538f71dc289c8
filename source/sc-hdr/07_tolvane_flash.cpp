#include "07_tolvane_flash.h"

#include "ScriptObject.h"
#include "Trace.h"

#include <cmath>

void sc_07_tolvane_flash::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    getObjParamS(getOwner(), "material", material);
    timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_07_tolvane_flash::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    (void)id;
    phase += ScriptObject::frameSeconds();
    materialSetAlpha2(material, 1, 1, pulsFunc(phase));
    // One pulse is taken off per tick: after a long stall the next ticks
    // catch up instead of jumping.
    if (phase >= 1.0f)
        phase -= 1.0f;
}

void sc_07_tolvane_flash::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)code;
    (void)sender;
}

float sc_07_tolvane_flash::pulsFunc(float x)
{
    TQ_TRACE(" pulsFunc(float x)");
    return (1.0f - std::cos(x * 6.283f)) * 0.5f;
}
