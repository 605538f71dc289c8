// The scene-info store and the loader's log lines.
#include "dsi/dotSceneInfo.h"

#include <OgreEntity.h>
#include <OgreLogManager.h>
#include <OgreMesh.h>
#include <OgreMovableObject.h>
#include <OgreSceneNode.h>
#include <OgreSubMesh.h>

namespace dsi
{
namespace
{
// The defaults are built once and never change; reset copies them.
const dotSceneInfo::skyBoxInfo kSkyBoxDefault;
const dotSceneInfo::skyDomeInfo kSkyDomeDefault;
const dotSceneInfo::skyPlaneInfo kSkyPlaneDefault;
const dotSceneInfo::fogInfo kFogDefault;

void writeLog(const String& text, Ogre::LogMessageLevel level)
{
    dotSceneInfo::mLogLines.push_back(text);
    if (Ogre::LogManager* logs = Ogre::LogManager::getSingletonPtr())
        logs->logMessage(text, level);
}

uint32_t vertexCountOf(Ogre::Entity* entity)
{
    const Ogre::MeshPtr& mesh = entity->getMesh();
    if (!mesh)
        return 0;
    if (mesh->sharedVertexData)
        return static_cast<uint32_t>(mesh->sharedVertexData->vertexCount);
    uint32_t count = 0;
    for (unsigned short i = 0; i < mesh->getNumSubMeshes(); ++i)
    {
        const Ogre::SubMesh* sub = mesh->getSubMesh(i);
        if (sub->vertexData)
            count += static_cast<uint32_t>(sub->vertexData->vertexCount);
    }
    return count;
}
} // namespace

void logError(const String& message)
{
    writeLog("dsi::ERROR->" + message, Ogre::LML_CRITICAL);
}

void logWarning(const String& message)
{
    writeLog("dsi::WARNING->" + message, Ogre::LML_NORMAL);
}

dotSceneInfo::skyBoxInfo dotSceneInfo::mSkyBox;
dotSceneInfo::skyDomeInfo dotSceneInfo::mSkyDome;
dotSceneInfo::skyPlaneInfo dotSceneInfo::mSkyPlane;
dotSceneInfo::fogInfo dotSceneInfo::mFog;
Ogre::ColourValue dotSceneInfo::mAmbientColour = Ogre::ColourValue::White;
Ogre::ColourValue dotSceneInfo::mBackgroundColour = Ogre::ColourValue::Black;
dotSceneInfo::movableObjectMap dotSceneInfo::mTrueObjects;
dotSceneInfo::movableObjectMap dotSceneInfo::mFalseObjects;
dotSceneInfo::movableObjectMap dotSceneInfo::mAllObjects;
dotSceneInfo::sceneNodeMap dotSceneInfo::mTargetNodes;
uint32_t dotSceneInfo::mVertexCount = 0;
std::list<String> dotSceneInfo::mLogLines;

void dotSceneInfo::clearObjects()
{
    for (movableObjectMap* map : {&mTrueObjects, &mFalseObjects, &mAllObjects})
    {
        for (auto& entry : *map)
            delete entry.second;
        map->clear();
    }
}

void dotSceneInfo::reset()
{
    mSkyBox = kSkyBoxDefault;
    mSkyDome = kSkyDomeDefault;
    mSkyPlane = kSkyPlaneDefault;
    mFog = kFogDefault;
    mAmbientColour = Ogre::ColourValue::White;
    mBackgroundColour = Ogre::ColourValue::Black;
    clearObjects();
    mTargetNodes.clear();
    mVertexCount = 0;
    mLogLines.clear();
}

void dotSceneInfo::addMovableObject(Ogre::MovableObject* object, const Ogre::Vector3& position,
                                    const Ogre::Quaternion& orientation, const Ogre::Vector3& scale,
                                    bool flag)
{
    if (!object)
        return;
    auto record = [&]() {
        movableObjectInfo* info = new movableObjectInfo;
        info->object = object;
        info->orientation = orientation;
        info->position = position;
        info->scale = scale;
        info->flag = flag;
        return info;
    };
    const String& name = object->getName();
    movableObjectMap& chosen = flag ? mTrueObjects : mFalseObjects;
    // The first record of a name stays; a later one is dropped, not leaked.
    if (!chosen.count(name))
        chosen[name] = record();
    if (!mAllObjects.count(name))
        mAllObjects[name] = record();
    if (object->getMovableType() == "Entity")
        mVertexCount += vertexCountOf(static_cast<Ogre::Entity*>(object));
}

void dotSceneInfo::addSceneNode(Ogre::SceneNode* node)
{
    if (node)
        mTargetNodes.insert(std::make_pair(node->getName(), node));
}

void dotSceneInfo::setSkyBox(const String& material, float distance, bool drawFirst,
                             const Ogre::Quaternion& orientation)
{
    mSkyBox.material = material;
    mSkyBox.distance = distance;
    mSkyBox.drawFirst = drawFirst;
    mSkyBox.orientation = orientation;
    mSkyBox.enabled = true;
    mSkyDome.enabled = false;
    mSkyPlane.enabled = false;
}

void dotSceneInfo::setSkyDome(const String& material, float curvature, float tiling, float distance,
                              bool drawFirst, const Ogre::Quaternion& orientation)
{
    mSkyDome.material = material;
    mSkyDome.curvature = curvature;
    mSkyDome.tiling = tiling;
    mSkyDome.distance = distance;
    mSkyDome.drawFirst = drawFirst;
    mSkyDome.orientation = orientation;
    mSkyDome.enabled = true;
    mSkyBox.enabled = false;
    mSkyPlane.enabled = false;
}

void dotSceneInfo::setSkyPlane(const String& material, float normalX, float normalY, float normalZ,
                               float d, float scale, float tiling, float bow, bool drawFirst)
{
    mSkyPlane.material = material;
    mSkyPlane.normalX = normalX;
    mSkyPlane.normalY = normalY;
    mSkyPlane.normalZ = normalZ;
    mSkyPlane.d = d;
    mSkyPlane.scale = scale;
    mSkyPlane.tiling = tiling;
    mSkyPlane.bow = bow;
    mSkyPlane.drawFirst = drawFirst;
    mSkyPlane.enabled = true;
    mSkyBox.enabled = false;
    mSkyDome.enabled = false;
}

void dotSceneInfo::setFog(Ogre::FogMode mode, const Ogre::ColourValue& colour, float expDensity,
                          float linearStart, float linearEnd)
{
    mFog.mode = mode;
    mFog.colour = colour;
    mFog.expDensity = expDensity;
    mFog.linearStart = linearStart;
    mFog.linearEnd = linearEnd;
}
} // namespace dsi
