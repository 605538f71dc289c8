#include "ScriptObject.h"

#include "Application.h"
#include "Input.h"
#include "Object.h"

namespace ScriptObject
{
CObject* of(OBJECT_HANDLE handle)
{
    return gObjectCollector.get(handle);
}

String nodeName(OBJECT_HANDLE obj)
{
    CObject* object = of(obj);
    const char* name = object ? object->getNodeName() : nullptr;
    return name ? String(name) : String();
}

String varName(OBJECT_HANDLE obj, const String& key)
{
    return nodeName(obj) + "@" + key;
}

int objectState(OBJECT_HANDLE obj, const String& key)
{
    return CVirtualScript::getVarI(varName(obj, key));
}

void setObjectState(OBJECT_HANDLE obj, const String& key, int value)
{
    CVirtualScript::setVarI(varName(obj, key), value);
}

int startTimer(OBJECT_HANDLE handle, uint32_t intervalMs, int repeats)
{
    CObject* object = of(handle);
    return object ? CObject::createTimer(object, intervalMs, repeats, nullptr) : 0;
}

void stopTimer(OBJECT_HANDLE handle, int id)
{
    CObject* object = of(handle);
    if (object && id != 0)
        CObject::killTimer(object, id);
}

int startFrameTimer(OBJECT_HANDLE owner)
{
    return startTimer(owner, 1, -1);
}

void stopFrameTimer(OBJECT_HANDLE owner, int& id)
{
    stopTimer(owner, id);
    id = 0;
}

float frameSeconds()
{
    return static_cast<float>(gApp.mFrameMs) / 1000.0f;
}

String indexedKey(const String& base, int n, const String& suffix)
{
    String key = base;
    CVirtualScript::strAddInt(n, key, 2);
    return key + suffix;
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

void hotSpotHovered(OBJECT_HANDLE owner, int hint)
{
    if (CVirtualScript::getVarI("az_sparkle") != 0)
        CVirtualScript::setCursorMode(3);
    if (hint != 0)
        CVirtualScript::sendNotifyByName("00_hint", hint, owner);
}

void hotSpotLeft(OBJECT_HANDLE owner, int hint)
{
    CVirtualScript::setCursorMode(1);
    if (hint != 0)
        CVirtualScript::sendNotifyByName("00_hint", 100, owner);
}

bool leftButtonDown()
{
    return gApp.mInput && gApp.mInput->mLeftDown;
}

int random(int n)
{
    return CVirtualScript::randomInt() % n;
}
} // namespace ScriptObject
