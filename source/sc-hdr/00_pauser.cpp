#include "00_pauser.h"

#include "Application.h"
#include "Object.h"
#include "Trace.h"

void sc_00_pauser::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    material = "interf/pauser";
    overlay = "PauserOverlay";
    container = "PauseContainer";
    materialSetColour(material, 1.0f, 1.0f, 1.0f, 1);
}

void sc_00_pauser::kill()
{
    TQ_TRACE(" kill()");
    if (timer != 0)
        CObject::killTimer(gObjectCollector.get(getOwner()), timer);
    timer = 0;
}

void sc_00_pauser::startTimer()
{
    kill();
    timer = CObject::createTimer(gObjectCollector.get(getOwner()), 1, -1, nullptr);
}

void sc_00_pauser::ON_NOTIFY(int code, OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (code == 1)
    {
        show = 1;
        overlaySetVisible(overlay.c_str(), nullptr, nullptr, true);
        overlaySetVisible(overlay.c_str(), container.c_str(), nullptr, true);
        startTimer();
    }
    else if (code == 2)
    {
        show = 0;
        startTimer();
    }
}

void sc_00_pauser::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    dt = gApp.mFrameMs / 1000.0f;
    if (show == 1)
    {
        alpha += dt;
        if (alpha > 1.0f)
        {
            alpha = 1.0f;
            kill();
        }
    }
    else
    {
        alpha -= dt;
        if (alpha < 0.0f)
        {
            alpha = 0.0f;
            kill();
            overlaySetVisible(overlay.c_str(), nullptr, nullptr, false);
            overlaySetVisible(overlay.c_str(), container.c_str(), nullptr, false);
        }
    }
    const float c = 1.0f - alpha;
    materialSetColour(material, c, c, c, 1);
}
