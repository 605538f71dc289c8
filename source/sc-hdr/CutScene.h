// What the rooms' cut-scene scripts share: their actors are animated objects
// driven through way-point lists, a prop or camera may ride on an actor's
// own animation, and every scene ends by answering the in-game interface.
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

/// The animated object of a handle, or null (handle 0, a plain object).
CAnimatableObject* actor(OBJECT_HANDLE handle);
/// Ends the actor's run and empties its way-point list; no actor, nothing.
void stopActor(OBJECT_HANDLE handle);
/// Runs the actor's way-point list from its current point.
void startActor(OBJECT_HANDLE handle);
/// Leaves the actor's current way-point for the next one at once (the
/// "start, then set point 0" of every cut scene: an actor started on its
/// opening pose moves straight on to its walk).  Every actor uses this one.
void nextPoint(OBJECT_HANDLE handle);
/// Stops what the object plays on its own clock (logged even when nothing
/// plays); no end notification follows.
void stopOwnAnimation(OBJECT_HANDLE handle);
/// Shows or hides the object of that name (a missing one is logged).
void showNamed(const String& name, bool visible);
/// The object's node takes the node position and orientation of another
/// object's node.
void placeLike(OBJECT_HANDLE object, OBJECT_HANDLE model);
/// Takes a prop off the carrier's bone back onto its own node and hides
/// it: hiding looks only at the node, so a prop left on a bone would stay
/// in sight, and a prop back on its node can be hung on a bone again.
void putAway(OBJECT_HANDLE carrier, OBJECT_HANDLE prop);
/// The cut scene is over: 100 to "00_game_interface" from the scene's object.
void finished(OBJECT_HANDLE scene);
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
