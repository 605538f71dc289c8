#include "00_material_changer.h"

#include "Log.h"
#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

void sc_00_material_changer::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    String name;
    // Without "object" the changer dresses the object it is bound to.
    target = getOwner();
    if (getObjParamS(getOwner(), "object", name))
        target = gApp.findObjectHandle(name);

    for (int i = 0; i < kMaxMaterials; ++i)
    {
        String key = "material_";
        strAddInt(i, key, 2);
        material[i].submesh = getObjParamI(getOwner(), key + "_submesh");
        String value;
        if (!getObjParamS(getOwner(), key, value))
            break;
        material[i].material = value;
        ++count;
        Log::print("\nmaterial_changer- %s", value.c_str());
    }

    const int stored = getMyParamI("mat_num");
    if (stored != 0)
        change(stored - 1);
}

void sc_00_material_changer::ON_NOTIFY(int code)
{
    TQ_TRACE(" ON_NOTIFY(int code)");
    if (code >= 100 && code < 100 + count)
        change(code - 100);
}

void sc_00_material_changer::ON_TIME(int /*id*/)
{
    TQ_TRACE(" ON_TIME(int id)");
}

void sc_00_material_changer::change(int i)
{
    TQ_TRACE(" change(int i)");
    // A stored choice comes from a saved game: one that no longer matches
    // the object's list must not reach past it.
    if (i < 0 || i >= count)
    {
        Log::print("\nWARNING: material_changer: no material %d (of %d)", i, count);
        return;
    }
    setMaterial(target, material[i].submesh, material[i].material);
    setMyParamI("mat_num", i + 1);
}

int sc_00_material_changer::getMyParamI(const String& prm)
{
    return getVarI(ScriptObject::varName(getOwner(), prm));
}

void sc_00_material_changer::setMyParamI(const String& prm, int val)
{
    setVarI(ScriptObject::varName(getOwner(), prm), val);
}
