// The parser of .scene format "0.2.0" with the game's extensions: string
// tables, script aliases, includes, environment, the node tree with its game
// objects and attached elements, look-at and tracking targets, externals.
#pragma once

#include "dsi/dotSceneLoader.h"

#include <OgreColourValue.h>
#include <OgreHardwareBuffer.h>
#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class TiXmlElement;
class CObject;

namespace Ogre
{
class Camera;
class MovableObject;
} // namespace Ogre

namespace dsi
{
/// Game object kinds a node can ask for with its "type" attribute.
enum nodeObjectType
{
    NODE_OBJECT_PLAIN,
    NODE_OBJECT_ANIMATED, ///< "T_ANIM_OBJ"
    NODE_OBJECT_HERO,     ///< "T_HERO_OBJ"
};

/// One layer of a node's "animations" element, as the object receives it.
struct animationLayerDesc
{
    String skeleton;
    String animName;
    float moveSpeed = 0.0f;
    float blendSpeed = 3.0f;
    float blendPercent = 1.0f; ///< full weight when the attribute is absent
    int layer = 0;
    bool hasRotSpeed = false;
    float rotSpeed = 0.0f;
    bool hasBlendFrames = false;
    float blendFrames = 0.0f;
};

/// The hardware usage of a mesh's vertex or index buffer.
struct bufferUsageDesc
{
    Ogre::HardwareBuffer::Usage usage = Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY;
    bool shadowed = true;
};

class dotSceneLoaderImpl020 : public dotSceneLoaderImpl
{
public:
    dotSceneLoaderImpl020();
    ~dotSceneLoaderImpl020() override;

    void load(TiXmlDocument* document, Ogre::SceneManager* sceneManager,
              Ogre::RenderWindow* renderWindow, const String& group, Ogre::SceneNode* parent,
              bool flag1, bool flag2, bool flag3) override;

    // -- value readers ----------------------------------------------------
    /// "r", "g", "b", "a" (1 when absent); white for a missing element.
    static Ogre::ColourValue parseColour(const TiXmlElement* element);
    /// "x", "y", "z"; zero for a missing element.
    static Ogre::Vector3 parseVector3(const TiXmlElement* element);
    /// "x", "y", "z"; unit scale for a missing element.
    static Ogre::Vector3 parseScale(const TiXmlElement* element);
    /// Quaternion, axes or angles form; identity for a missing element.
    static Ogre::Quaternion parseQuaternion(const TiXmlElement* element);

    /// The "name" attribute, or "dseAutoName" with the next counter value.
    static String getNameAttribute(const TiXmlElement* element);
    /// The next automatic name ("dseAutoName0" first; never reset).
    static String nextAutoName();

    /// A new buffer description from a vertexBuffer or indexBuffer element.
    static bufferUsageDesc* parseBufferUsage(const TiXmlElement* element);

    /// The document name of the load in progress (includes change it only
    /// while they are read).
    const String& fileName() const { return mFileName; }

protected:
    // -- sections -----------------------------------------------------------
    void parseStringsTable(const TiXmlElement* element);
    void parseScriptAliases(const TiXmlElement* element);
    void parseIncludes(const TiXmlElement* element);
    /// The progress steps that parsing the document makes, and the create
    /// records of its scripted nodes (each a step of the loading screen);
    /// included documents count their own.
    static int countSteps(const TiXmlElement* root);
    void parseEnvironment(const TiXmlElement* element);
    void parseNodes(const TiXmlElement* element);
    void parseExternals(const TiXmlElement* element);
    void parseExternalItem(const TiXmlElement* element);

    // -- nodes and game objects -----------------------------------------
    void parseNode(Ogre::SceneNode* parent, const TiXmlElement* element);
    void parseParams(const TiXmlElement* element, CObject* object);
    static void passParams(CObject* object, const String& name, const String& value);
    void parseAnimations(const TiXmlElement* element, CObject* object);
    CObject* createObject(nodeObjectType type, const String& script, Ogre::SceneNode* node);

    // -- attached elements ----------------------------------------------
    void parseEntity(const TiXmlElement* element, Ogre::SceneNode* parent, CObject* object,
                     nodeObjectType type, const Ogre::Vector3& bbCenter,
                     const Ogre::Vector3& bbSize);
    void parseRect2d(const TiXmlElement* element, Ogre::SceneNode* parent, CObject* object);
    void parseOverlay(const TiXmlElement* element);
    void parseParticleSystem(Ogre::SceneNode* parent, const TiXmlElement* element);
    void parseRibbonTrail(Ogre::SceneNode* parent, const TiXmlElement* element);
    void parseLight(const TiXmlElement* element, Ogre::SceneNode* parent);
    void parseLightAttenuation(const TiXmlElement* element, float& range, float& constant,
                               float& linear, float& quadratic);
    void parseLightRange(const TiXmlElement* element, float& inner, float& outer, float& falloff);
    void parseCamera(const TiXmlElement* element, Ogre::SceneNode* parent);
    void parseClipping(const TiXmlElement* element, float& nearDistance, float& farDistance);
    void parseBillboardSet(const TiXmlElement* element, Ogre::SceneNode* parent);
    void parseBillboard(const TiXmlElement* element, class Ogre::BillboardSet* set);

    // -- environment ----------------------------------------------------
    void parseSkyBox(const TiXmlElement* element);
    void parseSkyDome(const TiXmlElement* element);
    void parseSkyPlane(const TiXmlElement* element);
    void parseFog(const TiXmlElement* element);

    // -- targets ----------------------------------------------------------
    void parseNodeAutoTrack(const TiXmlElement* element, Ogre::SceneNode* node);
    void parseNodeLookAt(const TiXmlElement* element, Ogre::SceneNode* node);
    void resolveTargets();

    /// Records an object in the scene-info store when flag3 is set.
    void recordObject(Ogre::MovableObject* object);
    /// The render target of a camera's "rtt" child; null when refused.
    void createRenderTexture(const String& textureName, const String& cameraName, int width,
                             int height, uint32_t mask, int bpp);
    /// Points the texture units that name the texture at it.
    void pointMaterialsAt(const Ogre::TexturePtr& texture);

    String mGroup;
    String mFileName;
    Ogre::SceneNode* mRootNode = nullptr;
    Ogre::SceneManager* mSceneManager = nullptr;
    Ogre::RenderWindow* mRenderWindow = nullptr;
    bool mFlag1 = false;
    bool mFlag2 = false;
    bool mFlag3 = false;

    /// The world transform of the node being read, for the store's records.
    Ogre::Vector3 mNodePosition = Ogre::Vector3::ZERO;
    Ogre::Quaternion mNodeOrientation = Ogre::Quaternion::IDENTITY;
    Ogre::Vector3 mNodeScale = Ogre::Vector3::UNIT_SCALE;

    /// Deferred targets of the document being read: node -> element.
    typedef std::map<Ogre::SceneNode*, const TiXmlElement*> targetTable;
    targetTable mTrackTargets;
    targetTable mLookTargets;

    /// The documents being read, outermost first: an include of one of them
    /// would never end.
    std::vector<String> mOpenDocuments;
};

/// Hands one layer of a node's "animations" element to its object.  Only
/// animated objects and the hero play layers.
void addAnimationLayer(CObject* object, const animationLayerDesc& layer);
/// After the entity is set: the hero makes its skeletons and animation
/// states, an animated object looks up its bones.
void initObjectSkeleton(CObject* object, nodeObjectType type);
} // namespace dsi
