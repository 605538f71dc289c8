// What the room scripts that stage cut scenes share: their actors (the
// animated objects they place, show and send along way-points), the answer
// that completes the game interface's waiting task, and the dialog steps.
//
// A dialog step is one line of a table: the code that starts the step, the
// dialog it asks of the dialog player (with the scene as sender, so that the
// dialog's id comes back when it has been played) and the code that the
// scene answers the interface with when that id comes back.  Most scenes
// answer the code that started the step, so that the interface's task knows
// which of several dialogs ended.
#pragma once

#include "VirtualScript.h"

#include <cstddef>

class CAnimatableObject;

namespace CutScene
{
/// One dialog of a scene: started by start, answered with answer.
struct DialogStep
{
    int start;  ///< code from the interface's task (or a camera flight's end)
    int dialog; ///< dialog id asked of "02_dialogs"
    int answer; ///< code sent to "00_game_interface" when the dialog ends
};

/// The animated object of a handle; null for 0, a free slot or an object
/// that does not animate.
CAnimatableObject* actor(OBJECT_HANDLE handle);
/// Ends the actor's run and empties its way-points; a missing actor is
/// skipped.
void stopActor(OBJECT_HANDLE handle);
/// Starts the actor along the way-points added since its stop.
void startActor(OBJECT_HANDLE handle);
/// The actor leaves its way-point at once for the next one (a standing
/// point without end would otherwise hold it for ever).
void nextPoint(OBJECT_HANDLE handle);
/// The actor plays anim loops times (-1: without end) from now on, on a
/// way-point list of its own.
void play(OBJECT_HANDLE handle, const String& anim, int loops);
/// Shows the actor and puts it at (x, y, z) turned angleDeg about Z.
void showAt(OBJECT_HANDLE handle, float x, float y, float z, float angleDeg);

/// code to "00_game_interface" with self as sender: only an answer from the
/// object that the task started completes the task.
void answerInterface(OBJECT_HANDLE self, int code);

/// Plays the step that code belongs to: a start code asks dialogs for its
/// dialog, a dialog's id answers the interface.  False for any other code.
bool playDialogStep(const DialogStep* steps, size_t count, int code, OBJECT_HANDLE dialogs, OBJECT_HANDLE self);

template <size_t N>
bool playDialogStep(const DialogStep (&steps)[N], int code, OBJECT_HANDLE dialogs, OBJECT_HANDLE self)
{
    return playDialogStep(steps, N, code, dialogs, self);
}
} // namespace CutScene
