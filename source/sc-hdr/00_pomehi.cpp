#include "00_pomehi.h"

#include "ScriptObject.h"
#include "Trace.h"

void sc_00_pomehi::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    pass = getObjParamI(getOwner(), "pass");
    unit = getObjParamI(getOwner(), "unit");
    interval = getObjParamI(getOwner(), "interval");
    getObjParamS(getOwner(), "material", material);
    timer = ScriptObject::startTimer(getOwner(), static_cast<uint32_t>(interval < 0 ? 0 : interval), -1);
}

void sc_00_pomehi::ON_TIME(int /*id*/)
{
    TQ_TRACE(" ON_TIME(int id)");
    const float u = static_cast<float>(ScriptObject::random(100)) * 0.01f;
    const float v = static_cast<float>(ScriptObject::random(100)) * 0.01f;
    // Negative indexes name no pass or unit; the API then does nothing.
    if (pass < 0 || unit < 0)
        return;
    materialSetTextureScroll2(material, static_cast<uint16_t>(pass), static_cast<uint16_t>(unit), u, v);
}
