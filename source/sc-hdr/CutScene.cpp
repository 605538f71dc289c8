#include "CutScene.h"

#include "AnimatableObject.h"
#include "Object.h"
#include "Trace.h"

namespace CutScene
{
CAnimatableObject* actor(OBJECT_HANDLE handle)
{
    return dynamic_cast<CAnimatableObject*>(gObjectCollector.get(handle));
}

void stopActor(OBJECT_HANDLE handle)
{
    TQ_TRACE(" CutScene::stopActor(OBJECT_HANDLE handle)");
    if (CAnimatableObject* a = actor(handle))
        a->stop();
}

void startActor(OBJECT_HANDLE handle)
{
    TQ_TRACE(" CutScene::startActor(OBJECT_HANDLE handle)");
    if (CAnimatableObject* a = actor(handle))
        a->start();
}

void nextPoint(OBJECT_HANDLE handle)
{
    TQ_TRACE(" CutScene::nextPoint(OBJECT_HANDLE handle)");
    if (CAnimatableObject* a = actor(handle))
        a->leavePoint(false);
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
