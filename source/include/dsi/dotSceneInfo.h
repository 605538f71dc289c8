// What the current .scene load created and set: sky, fog, environment
// colours, created movable objects, target nodes, the vertex count of the
// loaded meshes and the loader's own error and warning lines.  Nothing but
// diagnostics reads it; it is reset at the start of every document load and
// when the loader goes away.
#pragma once

#include <OgreColourValue.h>
#include <OgreCommon.h>
#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <cstdint>
#include <list>
#include <map>
#include <string>

namespace Ogre
{
class MovableObject;
class SceneNode;
} // namespace Ogre

namespace dsi
{
typedef std::string String;

/// Appends "dsi::ERROR->" + message to the store's lines and writes it to
/// OGRE's log at the critical level.
void logError(const String& message);
/// Appends "dsi::WARNING->" + message to the store's lines and writes it to
/// OGRE's log at the normal level.
void logWarning(const String& message);

/// The process-wide record of the last .scene load.
class dotSceneInfo
{
public:
    struct skyBoxInfo
    {
        String material;
        bool drawFirst = true;
        bool enabled = false;
        Ogre::Quaternion orientation = Ogre::Quaternion::IDENTITY;
        float distance = 500.0f;
    };
    struct skyDomeInfo
    {
        String material;
        float curvature = 10.0f;
        float tiling = 8.0f;
        float distance = 4000.0f;
        bool drawFirst = true;
        bool enabled = false;
        Ogre::Quaternion orientation = Ogre::Quaternion::IDENTITY;
    };
    struct skyPlaneInfo
    {
        String material;
        float normalX = 0.0f, normalY = -1.0f, normalZ = 0.0f, d = 5000.0f;
        float scale = 1000.0f;
        float tiling = 10.0f;
        float bow = 0.0f;
        bool drawFirst = true;
        bool enabled = false;
    };
    struct fogInfo
    {
        Ogre::FogMode mode = Ogre::FOG_NONE;
        Ogre::ColourValue colour = Ogre::ColourValue::White;
        float expDensity = 0.001f;
        float linearStart = 0.0f;
        float linearEnd = 1.0f;
    };
    /// One created movable object with the node transform it was made under.
    struct movableObjectInfo
    {
        Ogre::MovableObject* object = nullptr;
        Ogre::Quaternion orientation = Ogre::Quaternion::IDENTITY;
        Ogre::Vector3 position = Ogre::Vector3::ZERO;
        Ogre::Vector3 scale = Ogre::Vector3::UNIT_SCALE;
        bool flag = false;
    };
    typedef std::map<String, movableObjectInfo*> movableObjectMap;
    typedef std::map<String, Ogre::SceneNode*> sceneNodeMap;

    /// Back to the defaults: sky and fog records, white ambient, black
    /// background, no objects, no nodes, no vertices, no log lines.
    static void reset();

    /// Records one object under its name (first of a name wins) in the map
    /// chosen by flag and in the map of all objects; entities add their
    /// mesh's vertex count.
    static void addMovableObject(Ogre::MovableObject* object, const Ogre::Vector3& position,
                                 const Ogre::Quaternion& orientation, const Ogre::Vector3& scale,
                                 bool flag);
    /// Records a target node under its name.
    static void addSceneNode(Ogre::SceneNode* node);

    /// Sky setters: each enables its own kind and disables the other two.
    static void setSkyBox(const String& material, float distance, bool drawFirst,
                          const Ogre::Quaternion& orientation);
    static void setSkyDome(const String& material, float curvature, float tiling, float distance,
                           bool drawFirst, const Ogre::Quaternion& orientation);
    static void setSkyPlane(const String& material, float normalX, float normalY, float normalZ,
                            float d, float scale, float tiling, float bow, bool drawFirst);
    /// Fog setter.
    static void setFog(Ogre::FogMode mode, const Ogre::ColourValue& colour, float expDensity,
                       float linearStart, float linearEnd);

    static skyBoxInfo mSkyBox;
    static skyDomeInfo mSkyDome;
    static skyPlaneInfo mSkyPlane;
    static fogInfo mFog;
    static Ogre::ColourValue mAmbientColour;
    static Ogre::ColourValue mBackgroundColour;
    static movableObjectMap mTrueObjects;
    static movableObjectMap mFalseObjects;
    static movableObjectMap mAllObjects;
    static sceneNodeMap mTargetNodes;
    static uint32_t mVertexCount;
    static std::list<String> mLogLines;

private:
    static void clearObjects();
};
} // namespace dsi
