// What the cut scenes of the story's frame (the prologue, the flashbacks,
// the finale and the ending) do alike: partners found by name, characters
// posed on way-points, props carried on a bone and put down again, and the
// parchment frame around the picture.
#pragma once

#include "VirtualScript.h"

class CAnimatableObject;

namespace Loc7Scene
{
/// The object of that name, or 0 with the engine's warning.
OBJECT_HANDLE find(const String& name);
/// The animated object of a handle, or null (0, a free slot, a plain object).
CAnimatableObject* animated(OBJECT_HANDLE obj);

/// Ends the object's way-point run and empties its list.
void stopPoints(OBJECT_HANDLE obj);
/// Begins the run at the current way-point.
void startPoints(OBJECT_HANDLE obj);
/// One standing way-point that plays anim: stop, the point, start.
void giveAnimation(OBJECT_HANDLE obj, const String& anim);

/// Where a character of a shot stands and which way it faces.
struct Placement
{
    float x, y, z;
    float turnDeg; ///< about the Z axis
};
/// Puts the object at its place, turned.
void place(OBJECT_HANDLE obj, const Placement& where);

/// Shows the prop and hangs it on the carrier's bone.
void carry(OBJECT_HANDLE carrier, OBJECT_HANDLE prop, const char* bone);
/// Takes the prop off the carrier's bone (when it hangs there) and hides
/// it.  A prop on a bone is no longer attached to its own node, so hiding
/// the node alone would leave it in the picture.
void putDown(OBJECT_HANDLE carrier, OBJECT_HANDLE prop);

/// Shows or hides the parchment frame ("CutSceneOverlay" and its container);
/// nothing without the overlay, and a missing container is logged.
void showParchment(bool visible);
} // namespace Loc7Scene
