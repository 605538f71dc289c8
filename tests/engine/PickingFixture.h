// A small pickable world on the headless engine: the "default" camera at the
// origin looking down -Z, and square plates facing it, each bound to an
// object with a recording script, as the scene loader binds entities.
#pragma once

#include "HeadlessEngine.h"
#include "Input.h"
#include "Object.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreMeshManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <string>

namespace tq
{
class PickingWorld
{
public:
    PickingWorld()
    {
        // A 2 x 2 plate in the XY plane whose front faces +Z, toward the camera.
        Ogre::MeshManager::getSingleton().createPlane("test_plate", "General", Ogre::Plane(Ogre::Vector3::UNIT_Z, 0),
                                                      2, 2);
        // OGRE's default near plane lies 100 units out; the rays start there.
        gApp.mCamera->setNearClipDistance(0.1f);
        gApp.mInput = new CInput(nullptr, -1, std::string());
        gApp.mInput->setWindowSize(800, 600);
        gApp.mInput->setCursor(true);
    }
    ~PickingWorld()
    {
        delete gApp.mInput;
        gApp.mInput = nullptr;
    }

    /// A pickable plate centred at (x, y, z); turned about Y by the angle in
    /// degrees (180 shows the camera its back).
    CObject* plate(const std::string& name, float x, float y, float z, float degrees = 0.0f)
    {
        CObject* object = engine.addRecorder(name);
        Ogre::Entity* entity = gApp.mSceneMgr->createEntity(name, "test_plate");
        object->getNode()->attachObject(entity);
        object->getNode()->setPosition(x, y, z);
        object->getNode()->yaw(Ogre::Degree(degrees));
        entity->getUserObjectBindings().setUserAny(Ogre::Any(object));
        entity->setQueryFlags(1);
        object->mEntity = entity;
        object->mPickable = true;
        update();
        return object;
    }

    /// The scene graph's bounds, as a rendered frame would update them.
    void update() { gApp.mSceneMgr->getRootSceneNode()->_update(true, false); }

    /// Puts the cursor at a window fraction.
    void cursor(float x, float y)
    {
        gApp.mInput->mCursorX = x;
        gApp.mInput->mCursorY = y;
    }

    HeadlessEngine engine;
};
} // namespace tq
