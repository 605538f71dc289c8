#include "HotSpot.h"

#include "Application.h"
#include "Input.h"
#include "Object.h"

namespace HotSpot
{
String indexedKey(const String& base, int n, const String& suffix)
{
    String key = base;
    CVirtualScript::strAddInt(n, key, 2);
    return key + suffix;
}

String nodeName(OBJECT_HANDLE obj)
{
    CObject* object = gObjectCollector.get(obj);
    const char* name = object ? object->getNodeName() : nullptr;
    return name ? String(name) : String();
}

OBJECT_HANDLE handleFromParam(OBJECT_HANDLE owner, const String& key)
{
    String name;
    if (!CVirtualScript::getObjParamS(owner, key, name))
        return 0;
    return gApp.findObjectHandle(name);
}

bool cameraMatches(int curCam)
{
    return curCam == 0 || curCam == CVirtualScript::getVarI("cur_cam");
}

int objectState(OBJECT_HANDLE obj, const String& key)
{
    return CVirtualScript::getVarI(nodeName(obj) + "@" + key);
}

void setObjectState(OBJECT_HANDLE obj, const String& key, int value)
{
    CVirtualScript::setVarI(nodeName(obj) + "@" + key, value);
}

int startFrameTimer(OBJECT_HANDLE owner)
{
    CObject* object = gObjectCollector.get(owner);
    return object ? CObject::createTimer(object, 1, -1, nullptr) : 0;
}

void stopFrameTimer(OBJECT_HANDLE owner, int& id)
{
    if (id == 0)
        return;
    if (CObject* object = gObjectCollector.get(owner))
        CObject::killTimer(object, id);
    id = 0;
}

float frameSeconds()
{
    return static_cast<float>(gApp.mFrameMs) / 1000.0f;
}

bool leftButtonDown()
{
    return gApp.mInput && gApp.mInput->mLeftDown;
}
} // namespace HotSpot
