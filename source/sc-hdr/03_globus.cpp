#include "03_globus.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <cmath>

namespace
{
const char* const kClicked = "03_globus@click";
const char* const kMaterials[2] = {"03_globus", "03_kosmosvet"};
const float kDegreesPerSecond = 4.0f;
} // namespace

void sc_03_globus::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    globe = gApp.findObjectHandle("03_06_globus");
    light = gApp.findObjectHandle("03_kosmosvet");
    if (getVarI(kClicked) != 0)
    {
        t = 1.0f;
        start();
    }
    else
    {
        setVisible(globe, false);
        setVisible(light, false);
    }
}

void sc_03_globus::ON_LBUTTONUP()
{
    TQ_TRACE(" ON_LBUTTONUP()");
    start();
}

void sc_03_globus::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    ScriptObject::hotSpotHovered(getOwner(), 0);
}

void sc_03_globus::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    setCursorMode(1);
}

void sc_03_globus::ON_NOTIFY(int /*param*/, OBJECT_HANDLE /*sndr*/)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
}

void sc_03_globus::start()
{
    TQ_TRACE(" start()");
    sendNotifyByName("00_movies", 100, 0);
    frameTimer = ScriptObject::startFrameTimer(getOwner());
    setVisible(getOwner(), false);
    setVisible(globe, true);
    setVisible(light, true);
    for (const char* material : kMaterials)
        materialSetColour(material, 0.0f, 0.0f, 0.0f, 1);
    setVarI(kClicked, 1);
}

void sc_03_globus::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    t += kDegreesPerSecond * ScriptObject::frameSeconds();
    setOrientationDeg(globe, vec3(0.0f, 0.0f, t));
    const float c = func(t);
    for (const char* material : kMaterials)
        materialSetColour(material, c, c, c, 1);
}

float sc_03_globus::func(float a)
{
    TQ_TRACE(" func(float a)");
    const float s = a / kDegreesPerSecond;
    if (s > 1.0f)
        return 1.0f;
    const float y = std::fabs((1.0f - s) * (1.0f - s) * std::cos(31.4f * s));
    return 1.0f - y;
}
