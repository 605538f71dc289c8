// The generated character "01_guy" (tools/chargen) for tests on the
// headless engine: a resource folder that holds only its files, and the
// character on a scene node as the scene loader sets it up.
#pragma once

#include "Application.h"
#include "TestSupport.h"

#include <OgreEntity.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <cstdlib>
#include <initializer_list>
#include <string>

namespace tq
{
/// Copies these files of the built game into dir/media and writes
/// dir/resources.cfg naming that folder only (other media of the game may
/// need a render system).  Returns the configuration's path, or "" when a
/// file could not be copied.
inline std::string gameMediaResources(const TempDir& dir, std::initializer_list<const char*> files)
{
    const std::string media = dir.file("media");
    std::string command = "mkdir -p '" + media + "'";
    for (const char* name : files)
        command += " && cp '" TQ_GAME_DIR "/media/" + std::string(name) + "' '" + media + "/'";
    if (std::system(command.c_str()) != 0)
        return std::string();
    writeFile(dir.file("resources.cfg"), "[General]\nFileSystem=" + media + "\n");
    return dir.file("resources.cfg");
}

/// The character's files alone, as gameMediaResources gives them.
inline std::string characterResources(const TempDir& dir)
{
    return gameMediaResources(dir, {"01_guy.mesh", "01_guy.skeleton", "01_guy_idle.skeleton", "01_guy_walk.skeleton",
                                    "01_guy_dlg.skeleton", "01_guy_rassugd.skeleton", "01_guy_lip.skeleton",
                                    "01_guy.material", "01_guy_stroll.skeleton"});
}

/// Puts object on a new node named name at position with the character's
/// entity attached, as the scene loader does before it prepares the bones.
template <class T>
T* placeCharacter(T* object, const std::string& name, const Ogre::Vector3& position = Ogre::Vector3::ZERO)
{
    Ogre::SceneNode* node = gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode(name, position);
    object->mNode = node;
    node->setListener(object);
    Ogre::Entity* entity = gApp.mSceneMgr->createEntity(name, "01_guy.mesh");
    node->attachObject(entity);
    object->mEntity = entity;
    return object;
}
} // namespace tq
