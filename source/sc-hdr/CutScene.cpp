#include "CutScene.h"

#include "AnimatableObject.h"
#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"

#include <OgreAnimationState.h>

namespace CutScene
{
CAnimatableObject* actor(OBJECT_HANDLE handle)
{
    return dynamic_cast<CAnimatableObject*>(ScriptObject::of(handle));
}

void stopActor(OBJECT_HANDLE handle)
{
    if (CAnimatableObject* walker = actor(handle))
        walker->stop();
}

void startActor(OBJECT_HANDLE handle)
{
    if (CAnimatableObject* walker = actor(handle))
        walker->start();
}

void nextPoint(OBJECT_HANDLE handle)
{
    if (CAnimatableObject* walker = actor(handle))
        walker->leavePoint(false);
}

void stopOwnAnimation(OBJECT_HANDLE handle)
{
    Log::print("\nstopping ani");
    CObject* object = ScriptObject::of(handle);
    if (!object || !object->mAnimState)
        return;
    object->mAnimState->setEnabled(false);
    object->mAnimState->setLoop(false);
    object->setAnimation(nullptr, 0, nullptr);
}

void showNamed(const String& name, bool visible)
{
    CVirtualScript::setVisible(gApp.findObjectHandle(name), visible);
}

void placeLike(OBJECT_HANDLE object, OBJECT_HANDLE model)
{
    if (!ScriptObject::of(object) || !ScriptObject::of(model))
        return;
    CVirtualScript::setPosition(object, CVirtualScript::getPosition(model));
    CVirtualScript::setOrientation(object, CVirtualScript::getOrientation(model));
}

void putAway(OBJECT_HANDLE carrier, OBJECT_HANDLE prop)
{
    CVirtualScript::attachObjToBone(carrier, prop, nullptr, false);
    CVirtualScript::setVisible(prop, false);
}

void finished(OBJECT_HANDLE scene)
{
    CVirtualScript::sendNotifyByName("00_game_interface", 100, scene);
}
} // namespace CutScene
