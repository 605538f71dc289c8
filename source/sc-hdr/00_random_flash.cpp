#include "00_random_flash.h"

#include "ScriptObject.h"
#include "Trace.h"

void sc_00_random_flash::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    timer = ScriptObject::startFrameTimer(getOwner());
    getObjParamS(getOwner(), "material", material);
    elapsed = duration = from = to = 0.0f;
}

void sc_00_random_flash::ON_TIME(int /*id*/)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (elapsed >= duration)
    {
        from = to;
        to = static_cast<float>(ScriptObject::random(100)) * 0.008f + 0.2f;
        elapsed = 0.0f;
        duration = static_cast<float>(ScriptObject::random(100)) * 0.003f + 0.1f;
    }
    elapsed += ScriptObject::frameSeconds();
    // k passes 1 by at most one frame; the level is then extrapolated a little.
    const float k = elapsed / duration;
    const float c = (1.0f - k) * from + k * to;
    materialSetColour2(material, 1, c, c, c, 1);
}
