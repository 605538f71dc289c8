// Small services that the effect scripts share about the object they are
// bound to: its scene object, the names of its state variables, its frame
// timer and the length of the current frame.
#pragma once

#include "Application.h"
#include "Object.h"
#include "VirtualScript.h"

namespace OwnObject
{
/// The scene object of a handle, or null.
inline CObject* of(OBJECT_HANDLE handle)
{
    return gObjectCollector.get(handle);
}

/// The object-state variable "<node name>@<key>" of an object; an object
/// without node gives "@<key>".
inline String varName(OBJECT_HANDLE handle, const String& key)
{
    CObject* object = of(handle);
    const char* node = object ? object->getNodeName() : nullptr;
    return String(node ? node : "") + "@" + key;
}

/// A timer on the object; 0 when the object is missing or its timers are
/// all in use.
inline int startTimer(OBJECT_HANDLE handle, uint32_t intervalMs, int repeats)
{
    CObject* object = of(handle);
    return object ? CObject::createTimer(object, intervalMs, repeats, nullptr) : 0;
}

/// A timer of 1 ms repeated for ever: it fires once per frame.
inline int startFrameTimer(OBJECT_HANDLE handle)
{
    return startTimer(handle, 1, -1);
}

/// Stops a timer of the object; id 0 does nothing.
inline void stopTimer(OBJECT_HANDLE handle, int id)
{
    CObject* object = of(handle);
    if (object && id != 0)
        CObject::killTimer(object, id);
}

/// The current frame's length in seconds, from the engine's whole
/// milliseconds.
inline float frameSeconds()
{
    return static_cast<float>(gApp.mFrameMs) / 1000.0f;
}

/// A random number from 0 to n - 1 (n > 0) from the script API's source.
inline int random(int n)
{
    return CVirtualScript::randomInt() % n;
}
} // namespace OwnObject
