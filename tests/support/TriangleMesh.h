// The smallest mesh an entity can show: one triangle, made in memory.
// Header-only, so that tests, benchmarks and fuzz targets share it.
#pragma once

#include <OgreManualObject.h>
#include <OgreSceneManager.h>

#include <string>

namespace tq
{
inline void makeTriangleMesh(Ogre::SceneManager* sceneMgr, const std::string& meshName)
{
    Ogre::ManualObject* manual = sceneMgr->createManualObject();
    manual->begin("BaseWhite", Ogre::RenderOperation::OT_TRIANGLE_LIST);
    manual->position(0, 0, 0);
    manual->position(1, 0, 0);
    manual->position(0, 1, 0);
    manual->triangle(0, 1, 2);
    manual->end();
    manual->convertToMesh(meshName);
    sceneMgr->destroyManualObject(manual);
}
} // namespace tq
