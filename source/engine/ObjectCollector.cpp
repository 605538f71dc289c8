// The object collector and the per-frame update of every object.
#include "Application.h"
#include "Log.h"
#include "Object.h"

CObjectCollectorTempl gObjectCollector;

OBJECT_HANDLE CObjectCollectorTempl::push_back(CObject* object, int kind)
{
    // A slot freed earlier is reused before the table grows.
    int slot = 0;
    while (slot <= mCount && slot < kSlots && mSlots[slot])
        ++slot;
    if (slot >= kSlots)
    {
        Log::print("\nERROR (CObjectCollectorTempl<...>::push_back): What tha F! We have no room for objects!");
        return 0;
    }
    mSlots[slot] = object;
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
