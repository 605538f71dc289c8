#include "04_freska.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>

namespace
{
const char* const kStateVar = "freska@state";
const char* const kLight = "04_vitrag_svet";
const char* const kLitFresco = "04_02_freska_01_02";
/// Light level per second of either fade.
const float kFadeSpeed = 0.4f;

void setMaterialOf(const char* object, const char* material)
{
    const OBJECT_HANDLE h = gApp.findObjectHandle(object);
    if (h)
        CVirtualScript::setMaterial(h, 0, material);
}
} // namespace

void sc_04_freska::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    init();
}

void sc_04_freska::init()
{
    TQ_TRACE(" init()");
    const int state = getVarI(kStateVar);
    if (state == 1)
        lightFresco();
    else if (state == 2)
        changeWindow();
}

void sc_04_freska::lightFresco()
{
    TQ_TRACE(" lightFresco()");
    setMaterialOf("04_02_freska_01", kLitFresco);
    setMaterialOf("04_02_freska_sunduk01", kLitFresco);
}

void sc_04_freska::changeWindow()
{
    TQ_TRACE(" changeWindow()");
    setMaterialOf("04_vitrag_02", "04_01_room/04_window");
}

void sc_04_freska::setLight(float value)
{
    TQ_TRACE(" setLight(float value)");
    // The fade's last step runs past its end; colours stay within 0..1.
    const float v = std::min(std::max(value, 0.0f), 1.0f);
    materialSetColour(kLight, v, v, v);
}

void sc_04_freska::ON_NOTIFY(int code, OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (code == 100)
        start1();
    else if (code == 200)
        start2();
}

void sc_04_freska::start1()
{
    TQ_TRACE(" start1()");
    // Two fades at once would pull the level both ways and never end.
    ScriptObject::stopFrameTimer(getOwner(), fadeOutTimer);
    ScriptObject::stopFrameTimer(getOwner(), fadeInTimer);
    level = 0.0f;
    setLight(0.0f);
    const OBJECT_HANDLE light = gApp.findObjectHandle(kLight);
    if (light)
        setVisible(light, true);
    fadeInTimer = ScriptObject::startFrameTimer(getOwner());
    lightFresco();
}

void sc_04_freska::stop1()
{
    TQ_TRACE(" stop1()");
    ScriptObject::stopFrameTimer(getOwner(), fadeInTimer);
    setVarI(kStateVar, 1);
}

void sc_04_freska::start2()
{
    TQ_TRACE(" start2()");
    ScriptObject::stopFrameTimer(getOwner(), fadeInTimer);
    ScriptObject::stopFrameTimer(getOwner(), fadeOutTimer);
    level = 1.0f;
    fadeOutTimer = ScriptObject::startFrameTimer(getOwner());
}

void sc_04_freska::stop2()
{
    TQ_TRACE(" stop2()");
    ScriptObject::stopFrameTimer(getOwner(), fadeOutTimer);
    changeWindow();
    const OBJECT_HANDLE light = gApp.findObjectHandle(kLight);
    if (light)
        setVisible(light, false);
    setVarI(kStateVar, 2);
}

void sc_04_freska::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (id == 0)
        return;
    if (id == fadeInTimer)
        fadeIn(ScriptObject::frameSeconds());
    else if (id == fadeOutTimer)
        fadeOut(ScriptObject::frameSeconds());
}

void sc_04_freska::fadeIn(float dt)
{
    TQ_TRACE(" fadeIn(float dt)");
    level += kFadeSpeed * dt;
    setLight(level);
    if (level > 1.0f)
        stop1();
}

void sc_04_freska::fadeOut(float dt)
{
    TQ_TRACE(" fadeOut(float dt)");
    level -= kFadeSpeed * dt;
    setLight(level);
    const float v = std::max(level, 0.0f);
    materialSetColour2(kLitFresco, 1, v, v, v, 1);
    if (level < 0.0f)
        stop2();
}
