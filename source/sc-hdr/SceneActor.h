// What the room scenes do with their actors: the animated people and props
// that a cut-scene places, gives a list of way-points, starts and stops.
// A scene looks its actors up once; an actor that is missing leaves handle
// 0, and every call here then does nothing, so the scene's later steps run
// on without it (its way-point answers simply never come).
#pragma once

#include "VirtualScript.h"

class CAnimatableObject;

namespace SceneActor
{
/// The animated object of a handle, or null (also for a plain object).
CAnimatableObject* of(OBJECT_HANDLE actor);

/// Ends the actor's run and empties its way-point list.
void stop(OBJECT_HANDLE actor);
/// Begins the run at the current way-point.
void start(OBJECT_HANDLE actor);
/// Appends a standing way-point that plays name loops times (-1: without
/// end); target hears code when it is done (0: nobody).
void queue(OBJECT_HANDLE actor, const String& name, int loops, OBJECT_HANDLE target = 0, int code = 0);
/// Appends a way-point that walks with name to position and turns to
/// rotZ degrees about Z on arrival; target hears code there.
void walkTo(OBJECT_HANDLE actor, const String& name, const vec3& position, float rotZ, OBJECT_HANDLE target,
            int code);
/// Whether the run starts again with the first way-point after the last.
void setCyclic(OBJECT_HANDLE actor, bool cyclic);
/// Leaves the current way-point straight for the last one of the list, so
/// that an animation queued behind an idle loop plays at once.
void skipToLast(OBJECT_HANDLE actor);

/// Shows the actor, places it at (x, y, z) turned rotZ degrees about Z
/// and stops whatever it did: the usual opening of a step.
void enter(OBJECT_HANDLE actor, float x, float y, float z, float rotZ);
/// Hides the actor and stops it.
void leave(OBJECT_HANDLE actor);

/// A timer of intervalMs on the scene's own object that fires once; a
/// negative interval (an animation shorter than the lead the scene wants)
/// fires at the next frame.  0 when there is no object.
int startOnce(OBJECT_HANDLE owner, int intervalMs);
} // namespace SceneActor
