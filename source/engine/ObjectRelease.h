// Releasing destroyed objects together.  A destroyed object's pointers in
// the message queue and in other objects are cleared.  While the queue is
// worked off (an unload destroys every object of the room) clearing them
// for each object would scan the whole queue once per object; during a
// hold the destroyed objects are only noted, records of them are recognised
// with isDestroyed, and one pass at the end of the hold clears them all.
#pragma once

class CObject;

namespace ObjectRelease
{
/// Starts a hold; holds nest.
void hold();
/// Ends a hold; the last one clears every pointer to the objects destroyed
/// meanwhile.
void release();
/// Whether the object was destroyed during the current hold.
bool isDestroyed(const CObject* object);
} // namespace ObjectRelease
