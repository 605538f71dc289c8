// Scene objects and the object collector.
#pragma once

#include <OgreNode.h>
#include <OgreUserObjectBindings.h>

#include <cstdint>

namespace Ogre
{
class Entity;
class SceneNode;
} // namespace Ogre

typedef uint32_t OBJECT_HANDLE;

/// The engine side of one game object: its node, its script and its timers.
class CObject : public Ogre::Node::Listener
{
public:
    CObject();
    ~CObject() override;

    Ogre::Entity* getEntity() const { return mEntity; }
    Ogre::SceneNode* getNode() const { return mNode; }
    OBJECT_HANDLE getHandle() const { return mHandle; }

    Ogre::Entity* mEntity = nullptr;
    Ogre::SceneNode* mNode = nullptr;
    OBJECT_HANDLE mHandle = 0;
};

/// The global table of scene objects; it does not own them.
class CObjectCollectorTempl
{
public:
    static const int kSlots = 3072;

    /// One past the highest slot in use.
    int count() const { return mCount; }
    CObject* at(int slot) const { return slot >= 0 && slot < kSlots ? mSlots[slot] : nullptr; }
    OBJECT_HANDLE push_back(CObject* object, int kind);
    void remove(OBJECT_HANDLE handle);

private:
    int mCount = 0;
    CObject* mSlots[kSlots] = {};
};

extern CObjectCollectorTempl gObjectCollector;
