#include "SceneActor.h"

#include "AnimatableObject.h"
#include "ScriptObject.h"

namespace SceneActor
{
CAnimatableObject* of(OBJECT_HANDLE actor)
{
    return dynamic_cast<CAnimatableObject*>(ScriptObject::of(actor));
}

void stop(OBJECT_HANDLE actor)
{
    if (CAnimatableObject* object = of(actor))
        object->stop();
}

void start(OBJECT_HANDLE actor)
{
    if (CAnimatableObject* object = of(actor))
        object->start();
}

void queue(OBJECT_HANDLE actor, const String& name, int loops, OBJECT_HANDLE target, int code)
{
    // The API logs a missing actor; a scene whose actor is not in the room
    // goes on quietly instead.
    if (actor != 0)
        CVirtualScript::animAddPoint(actor, name, loops, target, code);
}

void walkTo(OBJECT_HANDLE actor, const String& name, const vec3& position, float rotZ, OBJECT_HANDLE target,
            int code)
{
    if (actor != 0)
        CVirtualScript::animAddRotatedPoint(actor, vec3(0.0f, 0.0f, rotZ), name, position, 1, 1, target, code);
}

void setCyclic(OBJECT_HANDLE actor, bool cyclic)
{
    if (CAnimatableObject* object = of(actor))
        object->mLoop = cyclic ? 1 : 0;
}

void skipToLast(OBJECT_HANDLE actor)
{
    if (CAnimatableObject* object = of(actor))
        object->leavePoint(true);
}

void enter(OBJECT_HANDLE actor, float x, float y, float z, float rotZ)
{
    CVirtualScript::setVisible(actor, true);
    CVirtualScript::setPositionRotZ(actor, x, y, z, rotZ);
    stop(actor);
}

void leave(OBJECT_HANDLE actor)
{
    CVirtualScript::setVisible(actor, false);
    stop(actor);
}

int startOnce(OBJECT_HANDLE owner, int intervalMs)
{
    return ScriptObject::startTimer(owner, intervalMs > 0 ? static_cast<uint32_t>(intervalMs) : 0u, 1);
}
} // namespace SceneActor
