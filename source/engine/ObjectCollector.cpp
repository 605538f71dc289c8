// The object collector and the per-frame update of every object.
#include "Application.h"
#include "Log.h"
#include "Object.h"

#include <unordered_map>

CObjectCollectorTempl gObjectCollector;

namespace
{
// Per collector, the lowest slot that may be free: no slot below it is.
// Kept here rather than in the collector, whose layout every script sees;
// never destroyed, as objects still leave the collector at exit.
int& firstFree(const CObjectCollectorTempl* collector)
{
    static auto* hints = new std::unordered_map<const CObjectCollectorTempl*, int>();
    return (*hints)[collector];
}
} // namespace

OBJECT_HANDLE CObjectCollectorTempl::push_back(CObject* object, int kind)
{
    // A slot freed earlier is reused before the table grows.  No slot below
    // the hint is free, so a room of thousands of objects is not searched
    // from the start for each new one.
    int& hint = firstFree(this);
    int slot = hint;
    while (slot <= mCount && slot < kSlots && mSlots[slot])
        ++slot;
    if (slot >= kSlots)
    {
        Log::print("\nERROR (CObjectCollectorTempl<...>::push_back): What tha F! We have no room for objects!");
        return 0;
    }
    mSlots[slot] = object;
    hint = slot + 1;
    if (slot >= mCount)
        mCount = slot + 1;
    return (static_cast<OBJECT_HANDLE>(kind) << 16) | static_cast<OBJECT_HANDLE>(slot);
}

void CObjectCollectorTempl::remove(OBJECT_HANDLE handle)
{
    const int slot = handleSlot(handle);
    if (slot >= kSlots)
        return;
    mSlots[slot] = nullptr;
    int& hint = firstFree(this);
    if (slot < hint)
        hint = slot;
    while (mCount > 0 && !mSlots[mCount - 1])
        --mCount;
}

void CApplication::updateObjects(const Ogre::FrameEvent& evt)
{
    for (int slot = 0; slot < gObjectCollector.count(); ++slot)
    {
        if (CObject* object = gObjectCollector.at(slot))
            object->update(evt);
    }
}
