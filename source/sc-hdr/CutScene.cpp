#include "CutScene.h"

#include "AnimatableObject.h"
#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

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

void play(OBJECT_HANDLE handle, const String& anim, int loops)
{
    TQ_TRACE(" CutScene::play(OBJECT_HANDLE handle, const String& anim, int loops)");
    stopActor(handle);
    CVirtualScript::animAddPoint(handle, anim, loops, 0, 0);
    startActor(handle);
}

void showAt(OBJECT_HANDLE handle, float x, float y, float z, float angleDeg)
{
    TQ_TRACE(" CutScene::showAt(OBJECT_HANDLE handle, float x, float y, float z, float angleDeg)");
    CVirtualScript::setVisible(handle, true);
    CVirtualScript::setPositionRotZ(handle, x, y, z, angleDeg);
}

void answerInterface(OBJECT_HANDLE self, int code)
{
    TQ_TRACE(" CutScene::answerInterface(OBJECT_HANDLE self, int code)");
    CVirtualScript::sendNotifyByName("00_game_interface", code, self);
}

bool playDialogStep(const DialogStep* steps, size_t count, int code, OBJECT_HANDLE dialogs, OBJECT_HANDLE self)
{
    TQ_TRACE(" CutScene::playDialogStep(const DialogStep* steps, size_t count, int code, OBJECT_HANDLE dialogs, "
             "OBJECT_HANDLE self)");
    // Start codes first: a code that starts a step is never taken for the
    // end of another step's dialog.
    for (size_t i = 0; i < count; ++i)
        if (steps[i].start == code)
        {
            CVirtualScript::sendNotify(dialogs, self, steps[i].dialog);
            return true;
        }
    for (size_t i = 0; i < count; ++i)
        if (steps[i].dialog == code)
        {
            answerInterface(self, steps[i].answer);
            return true;
        }
    return false;
}
} // namespace CutScene
