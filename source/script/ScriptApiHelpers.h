// Small look-ups shared by the script API's source files (not for scripts).
#pragma once

#include "Application.h"
#include "Object.h"

#include <string>

namespace ScriptApi
{
/// The object of a handle, or null for 0 and free slots.
inline CObject* objectOf(OBJECT_HANDLE handle)
{
    return gObjectCollector.get(handle);
}

/// The scene node of a handle's object, or null.
inline Ogre::SceneNode* nodeOf(OBJECT_HANDLE handle)
{
    CObject* object = objectOf(handle);
    return object ? object->getNode() : nullptr;
}

/// Calls fn for every collector object whose scene node is named exactly name.
template <typename Fn> void forEachObjectNamed(const std::string& name, Fn fn)
{
    for (int slot = 0; slot < gObjectCollector.count(); ++slot)
    {
        CObject* object = gObjectCollector.at(slot);
        if (object && object->getNode() && object->getNode()->getName() == name)
            fn(object);
    }
}

/// The camera of the main viewport; the application's camera when there is
/// no viewport (a headless run).
inline Ogre::Camera* mainCamera()
{
    if (gApp.mViewport && gApp.mViewport->getCamera())
        return gApp.mViewport->getCamera();
    return gApp.mCamera;
}
} // namespace ScriptApi
