#include "00_lm_switcher.h"

#include "ScriptObject.h"
#include "Trace.h"

void sc_00_lm_switcher::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    const OBJECT_HANDLE own = getOwner();
    for (count = 0; count < kMaxMaterials; ++count)
    {
        String key = "material_";
        strAddInt(count, key, 2);
        if (!getObjParamS(own, key, materials[count], sizeof(materials[count])))
            break;
    }
    getObjParamS(own, "lm_on", lm_on);
    getObjParamS(own, "lm_off", lm_off);

    int state = getVarI(ScriptObject::varName(own, "on_off"));
    if (state == 0)
        state = getObjParamI(own, "on_off");
    if (state == 1)
        switch_on();
    else if (state == 2)
        switch_off();
}

void sc_00_lm_switcher::ON_NOTIFY(int param, OBJECT_HANDLE who)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE who)");
    if (param != 100 && param != 200)
        return;
    code = param;
    requester = who;
    if (param == 100)
        switch_off();
    else
        switch_on();
}

void sc_00_lm_switcher::switch_on()
{
    TQ_TRACE(" switch_on()");
    apply(1, lm_on);
}

void sc_00_lm_switcher::switch_off()
{
    TQ_TRACE(" switch_off()");
    apply(2, lm_off);
}

void sc_00_lm_switcher::apply(int state, const String& texture)
{
    setVarI(ScriptObject::varName(getOwner(), "on_off"), state);
    for (int i = 0; i < count; ++i)
        materialSetTexturePassUnit(materials[i], 0, 1, texture);
    // The switch made at creation has no requester; its answer is dropped.
    if (requester != 0)
        sendNotify(requester, getOwner(), code);
}
