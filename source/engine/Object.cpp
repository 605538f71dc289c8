#include "Object.h"

#include "Log.h"

CObjectCollectorTempl gObjectCollector;

CObject::CObject()
{
    mHandle = gObjectCollector.push_back(this, 1);
}

CObject::~CObject()
{
    if (mHandle)
        gObjectCollector.remove(mHandle);
}

OBJECT_HANDLE CObjectCollectorTempl::push_back(CObject* object, int kind)
{
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
    const int slot = static_cast<int>(handle & 0xFFFF);
    if (slot >= kSlots)
        return;
    mSlots[slot] = nullptr;
    while (mCount > 0 && !mSlots[mCount - 1])
        --mCount;
}
