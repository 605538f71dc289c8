#include "Loc7Scene.h"

#include "AnimatableObject.h"
#include "Application.h"
#include "Object.h"
#include "Trace.h"

namespace Loc7Scene
{
OBJECT_HANDLE find(const String& name)
{
    TQ_TRACE(" find(const String& name)");
    return gApp.findObjectHandle(name);
}

CAnimatableObject* animated(OBJECT_HANDLE obj)
{
    TQ_TRACE(" animated(OBJECT_HANDLE obj)");
    return obj ? dynamic_cast<CAnimatableObject*>(gObjectCollector.get(obj)) : nullptr;
}

void stopPoints(OBJECT_HANDLE obj)
{
    TQ_TRACE(" stopPoints(OBJECT_HANDLE obj)");
    if (CAnimatableObject* person = animated(obj))
        person->stop();
}

void startPoints(OBJECT_HANDLE obj)
{
    TQ_TRACE(" startPoints(OBJECT_HANDLE obj)");
    if (CAnimatableObject* person = animated(obj))
        person->start();
}

void giveAnimation(OBJECT_HANDLE obj, const String& anim)
{
    TQ_TRACE(" giveAnimation(OBJECT_HANDLE obj, const String& anim)");
    if (!animated(obj))
        return;
    stopPoints(obj);
    CVirtualScript::animAddPoint(obj, anim, 0, 0);
    startPoints(obj);
}

void place(OBJECT_HANDLE obj, const Placement& where)
{
    TQ_TRACE(" place(OBJECT_HANDLE obj, const Placement& where)");
    CVirtualScript::setPositionRotZ(obj, where.x, where.y, where.z, where.turnDeg);
}

void carry(OBJECT_HANDLE carrier, OBJECT_HANDLE prop, const char* bone)
{
    TQ_TRACE(" carry(OBJECT_HANDLE carrier, OBJECT_HANDLE prop, const char* bone)");
    CVirtualScript::setVisible(prop, true);
    CVirtualScript::attachObjToBone(carrier, prop, bone, false);
}

void putDown(OBJECT_HANDLE carrier, OBJECT_HANDLE prop)
{
    TQ_TRACE(" putDown(OBJECT_HANDLE carrier, OBJECT_HANDLE prop)");
    CVirtualScript::attachObjToBone(carrier, prop, nullptr, false);
    CVirtualScript::setVisible(prop, false);
}

void showParchment(bool visible)
{
    TQ_TRACE(" showParchment(bool visible)");
    CVirtualScript::overlaySetVisible("CutSceneOverlay", nullptr, nullptr, visible);
    CVirtualScript::overlaySetVisible("CutSceneOverlay", "CutSceneContainer", nullptr, visible);
}
} // namespace Loc7Scene
