// What the rooms' cut-scene scripts share: their actors are animated objects
// driven through way-point lists, a prop or camera may ride on an actor's
// own animation, and every scene ends by answering the in-game interface.
#pragma once

#include "VirtualScript.h"

class CAnimatableObject;

namespace CutScene
{
/// The animated object of a handle, or null (handle 0, a plain object).
CAnimatableObject* actor(OBJECT_HANDLE handle);
/// Ends the actor's run and empties its way-point list; no actor, nothing.
void stopActor(OBJECT_HANDLE handle);
/// Runs the actor's way-point list from its current point.
void startActor(OBJECT_HANDLE handle);
/// Leaves the actor's current way-point for the next one at once.
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
} // namespace CutScene
