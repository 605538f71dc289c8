// Format "0.2.0": the node tree, the game objects made from it with their
// parameters and animation layers, and the overlay, particle-system and
// ribbon-trail elements of a node.
#include "dsi/dotSceneLoaderImpl-0.2.0.h"

#include "dsi/dotSceneInfo.h"

#include "AnimatableObject.h"
#include "Application.h"
#include "Hero.h"
#include "Message.h"
#include "Object.h"

#include <OgreEntity.h>
#include <OgreException.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreRibbonTrail.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSkeletonInstance.h>
#include <OgreStringConverter.h>
#include <OgreTagPoint.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>

#include <tinyxml.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace dsi
{
namespace
{
// Far beyond any room: a node past it would make OGRE's bounds overflow
// (infinite or not-a-number boxes abort the engine).
constexpr float kFarthest = 1.0e9f;

bool withinReach(const Ogre::Vector3& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z) && std::fabs(v.x) <= kFarthest &&
           std::fabs(v.y) <= kFarthest && std::fabs(v.z) <= kFarthest;
}

bool withinReach(const Ogre::Quaternion& q)
{
    return std::isfinite(q.w) && std::isfinite(q.x) && std::isfinite(q.y) && std::isfinite(q.z);
}

String attribute(const TiXmlElement* element, const char* name)
{
    const char* text = element ? element->Attribute(name) : nullptr;
    return text ? String(text) : String();
}

// Element names are compared as they lie in the document, without a copy.
bool is(const char* name, const char* wanted)
{
    return std::strcmp(name, wanted) == 0;
}

bool hasAttribute(const TiXmlElement* element, const char* name)
{
    return element && element->Attribute(name);
}

// The entity among a node's attached objects that has the named bone, or
// null.  firstOnly looks only at the node's first object.
Ogre::Entity* entityWithBone(Ogre::SceneNode* node, const String& bone, bool firstOnly)
{
    for (unsigned short i = 0; i < node->numAttachedObjects(); ++i)
    {
        Ogre::MovableObject* object = node->getAttachedObject(i);
        if (object->getMovableType() == "Entity")
        {
            Ogre::Entity* entity = static_cast<Ogre::Entity*>(object);
            if (entity->hasSkeleton() && entity->getSkeleton()->hasBone(bone))
                return entity;
            return nullptr;
        }
        if (firstOnly)
            return nullptr;
    }
    return nullptr;
}
} // namespace

void dotSceneLoaderImpl020::parseNodes(const TiXmlElement* element)
{
    if (!element)
        return;
    for (const TiXmlElement* item = element->FirstChildElement(); item; item = item->NextSiblingElement())
    {
        const char* name = item->Value();
        if (is(name, "position"))
        {
            mRootNode->setPosition(parseVector3(item));
            mRootNode->setInitialState();
        }
        else if (is(name, "rotation"))
        {
            mRootNode->setOrientation(parseQuaternion(item));
            mRootNode->setInitialState();
        }
        else if (is(name, "scale"))
        {
            mRootNode->setScale(parseScale(item));
            mRootNode->setInitialState();
        }
        else if (is(name, "node"))
        {
            // A node that cannot be made costs that node, not the room.
            try
            {
                parseNode(mRootNode, item);
            }
            catch (const Ogre::Exception& e)
            {
                logError(mFileName + ": node '" + getNameAttribute(item) + "' (line " +
                         std::to_string(item->Row()) + ") failed, the scene goes on without it: " +
                         e.getDescription());
            }
        }
        else
            logWarning("Unknown XMLNode of type '" + String(name) + "' encountered while reading 'nodes', skipping this node.");
    }
}

CObject* dotSceneLoaderImpl020::createObject(nodeObjectType type, const String& script, Ogre::SceneNode* node)
{
    CObject* object = nullptr;
    if (type == NODE_OBJECT_HERO)
        object = new CHero(script);
    else if (type == NODE_OBJECT_ANIMATED)
        object = new CAnimatableObject(script);
    else
        object = script.empty() ? new CObject() : new CObject(script);
    object->mNode = node;
    if (!script.empty())
    {
        CMessage message;
        message.target = object;
        message.type = MSG_CREATE;
        gApp.postMessage(message);
    }
    node->setListener(object);
    return object;
}

void dotSceneLoaderImpl020::parseNode(Ogre::SceneNode* parent, const TiXmlElement* element)
{
    const String name = getNameAttribute(element);
    Ogre::SceneNode* node = parent->createChildSceneNode(name, Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY);

    const char* typeName = element->Attribute("type");
    nodeObjectType type = NODE_OBJECT_PLAIN;
    if (typeName && is(typeName, "T_HERO_OBJ"))
        type = NODE_OBJECT_HERO;
    else if (typeName && is(typeName, "T_ANIM_OBJ"))
        type = NODE_OBJECT_ANIMATED;

    const String script = attribute(element, "script");
    CObject* object = createObject(type, script, node);
    object->mSceneFile = mFileName;
    if (!script.empty() && !object->getScript())
        logError(mFileName + ": node '" + name + "' (line " + std::to_string(element->Row()) +
                 ") names the script '" + script + "', which is unknown or did not start; the node has no script");

    if (mFlag3 && attribute(element, "isTarget") == "true")
        dotSceneInfo::addSceneNode(node);

    notifyProgress("parsing node", name);

    // Pass 1: the node's own transform, its bounds and its targets.
    mNodePosition = Ogre::Vector3::ZERO;
    mNodeOrientation = Ogre::Quaternion::IDENTITY;
    mNodeScale = Ogre::Vector3::UNIT_SCALE;
    Ogre::Vector3 bbCenter = Ogre::Vector3::ZERO;
    Ogre::Vector3 bbSize = Ogre::Vector3::ZERO;
    for (const TiXmlElement* item = element->FirstChildElement(); item; item = item->NextSiblingElement())
    {
        const char* childName = item->Value();
        if (is(childName, "position"))
        {
            node->setPosition(parseVector3(item));
            mNodePosition = node->_getDerivedPosition();
        }
        else if (is(childName, "rotation"))
        {
            node->setOrientation(parseQuaternion(item));
            mNodeOrientation = node->_getDerivedOrientation();
        }
        else if (is(childName, "scale"))
        {
            node->setScale(parseScale(item));
            mNodeScale = node->_getDerivedScale();
        }
        else if (is(childName, "bbcenter"))
            bbCenter = parseVector3(item);
        else if (is(childName, "bbsize"))
            bbSize = parseVector3(item);
        else if (is(childName, "lookTarget"))
            mLookTargets.insert(std::make_pair(node, item));
        else if (is(childName, "trackTarget"))
            mTrackTargets.insert(std::make_pair(node, item));
    }

    if (!withinReach(node->_getDerivedPosition()) || !withinReach(node->_getDerivedScale()) ||
        !withinReach(node->_getDerivedOrientation()))
    {
        logWarning("node '" + name + "': position, rotation or scale out of range, the node keeps its parent's place");
        node->setPosition(Ogre::Vector3::ZERO);
        node->setOrientation(Ogre::Quaternion::IDENTITY);
        node->setScale(Ogre::Vector3::UNIT_SCALE);
        mNodePosition = node->_getDerivedPosition();
        mNodeOrientation = node->_getDerivedOrientation();
        mNodeScale = node->_getDerivedScale();
    }
    if (!withinReach(bbCenter) || !withinReach(bbSize))
    {
        logWarning("node '" + name + "': bounding box out of range, the mesh keeps its own");
        bbCenter = Ogre::Vector3::ZERO;
        bbSize = Ogre::Vector3::ZERO;
    }

    // Pass 2: what hangs on the node, in document order.
    for (const TiXmlElement* item = element->FirstChildElement(); item; item = item->NextSiblingElement())
    {
        const char* childName = item->Value();
        if (is(childName, "entity"))
            parseEntity(item, node, object, type, bbCenter, bbSize);
        else if (is(childName, "rect2d"))
            parseRect2d(item, node, object);
        else if (is(childName, "overlay"))
            parseOverlay(item);
        else if (is(childName, "light"))
            parseLight(item, node);
        else if (is(childName, "camera"))
            parseCamera(item, node);
        else if (is(childName, "billboardSet"))
            parseBillboardSet(item, node);
        else if (is(childName, "particleSystem"))
            parseParticleSystem(node, item);
        else if (is(childName, "ribbonTrail"))
            parseRibbonTrail(node, item);
        else if (is(childName, "params"))
            parseParams(item, object);
        else if (is(childName, "animations"))
            parseAnimations(item, object);
    }

    // Pass 3: the child nodes.
    for (const TiXmlElement* item = element->FirstChildElement("node"); item; item = item->NextSiblingElement("node"))
        parseNode(node, item);
}

void dotSceneLoaderImpl020::passParams(CObject* object, const String& name, const String& value)
{
    object->mParams.insert(std::make_pair(name, value));
}

void dotSceneLoaderImpl020::parseParams(const TiXmlElement* element, CObject* object)
{
    for (const TiXmlElement* param = element->FirstChildElement("param"); param;
         param = param->NextSiblingElement("param"))
    {
        const char* name = param->Attribute("name");
        const char* value = param->Attribute("value");
        if (name && value)
            passParams(object, name, value);
    }
}

void dotSceneLoaderImpl020::parseAnimations(const TiXmlElement* element, CObject* object)
{
    for (const TiXmlElement* animation = element->FirstChildElement("animation"); animation;
         animation = animation->NextSiblingElement("animation"))
    {
        const char* skeleton = animation->Attribute("skeleton");
        const char* animName = animation->Attribute("anim_name");
        if (!skeleton || !animName)
            continue;
        animationLayerDesc layer;
        layer.skeleton = skeleton;
        layer.animName = animName;
        auto real = [&](const char* name, float fallback) {
            const char* text = animation->Attribute(name);
            return text ? static_cast<float>(std::atof(text)) : fallback;
        };
        layer.moveSpeed = real("move_speed", 0.0f);
        layer.blendSpeed = real("blend_speed", 3.0f);
        layer.blendPercent = real("blend_percent", 1.0f);
        layer.layer = static_cast<int>(real("layer", 0.0f));
        layer.hasRotSpeed = hasAttribute(animation, "rot_speed");
        layer.rotSpeed = real("rot_speed", 0.0f);
        layer.hasBlendFrames = hasAttribute(animation, "blend_frames");
        layer.blendFrames = real("blend_frames", 0.0f);
        addAnimationLayer(object, layer);
    }
}

// ---------------------------------------------------------------------------
// Overlay, particle system, ribbon trail

void dotSceneLoaderImpl020::parseOverlay(const TiXmlElement* element)
{
    getNameAttribute(element); // an unnamed element still takes its automatic name
    notifyProgress("parsing overlay");
    const String name = attribute(element, "name");
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    Ogre::Overlay* overlay = overlays && !name.empty() ? overlays->getByName(name) : nullptr;
    if (!overlay)
    {
        logWarning("overlay '" + name + "' not found, will skip it...");
        return;
    }
    overlay->show();
}

void dotSceneLoaderImpl020::parseParticleSystem(Ogre::SceneNode* parent, const TiXmlElement* element)
{
    const String name = getNameAttribute(element);
    notifyProgress("parsing particle system", name);
    const char* templateName = element->Attribute("templateName");
    if (!templateName)
        return;
    Ogre::ParticleSystem* system = nullptr;
    try
    {
        system = mSceneManager->createParticleSystem(name, templateName);
    }
    catch (const Ogre::Exception&)
    {
        logError("'" + name + "' failed to load");
        return;
    }

    const char* bone = element->Attribute("attach_bone");
    Ogre::Entity* entity = bone ? entityWithBone(parent, bone, true) : nullptr;
    if (entity)
        entity->attachObjectToBone(bone, system, Ogre::Quaternion::IDENTITY, Ogre::Vector3::ZERO);
    else
    {
        if (bone)
            logWarning("particle system '" + name + "': the node's first object has no bone '" + bone +
                       "', attached to the node");
        parent->attachObject(system);
    }

    if (attribute(element, "show") == "false")
        system->setVisible(false);
    if (attribute(element, "play") == "false")
        for (unsigned short i = 0; i < system->getNumEmitters(); ++i)
            system->getEmitter(i)->setEnabled(false);
    if (const char* material = element->Attribute("material"))
        system->setMaterialName(material);
    if (const char* queue = element->Attribute("renderQueue"))
        system->setRenderQueueGroup(static_cast<Ogre::uint8>(std::atoi(queue)));
    if (const char* flags = element->Attribute("visibleFlag"))
        system->setVisibilityFlags(static_cast<Ogre::uint32>(std::atoi(flags)));
    recordObject(system);
}

void dotSceneLoaderImpl020::parseRibbonTrail(Ogre::SceneNode* parent, const TiXmlElement* element)
{
    const String name = getNameAttribute(element);
    notifyProgress("parsing particle system", name);
    Ogre::RibbonTrail* trail = nullptr;
    try
    {
        trail = mSceneManager->createRibbonTrail(name);
    }
    catch (const Ogre::Exception&)
    {
        logError("'" + name + "' failed to load");
        return;
    }
    // A trail is drawn in world space.
    mSceneManager->getRootSceneNode()->attachObject(trail);

    const char* bone = element->Attribute("attach_bone");
    Ogre::Entity* entity = bone ? entityWithBone(parent, bone, false) : nullptr;
    if (entity)
    {
        // A tag point on the bone carries the bone's world transform.
        Ogre::SkeletonInstance* skeleton = entity->getSkeleton();
        Ogre::TagPoint* point = skeleton->createTagPointOnBone(skeleton->getBone(bone));
        point->setParentEntity(entity);
        trail->addNode(point);
    }
    else
    {
        if (bone)
            logWarning("ribbon trail '" + name + "': the node has no entity with the bone '" + bone +
                       "', the trail follows the node");
        // The node's own listener slot belongs to its game object; the trail
        // watches a child that sits where the node is.
        trail->addNode(parent->createChildSceneNode(name + "/trail"));
    }

    if (attribute(element, "show") == "false")
        trail->setVisible(false);
    if (const char* length = element->Attribute("lenght"))
        trail->setTrailLength(Ogre::StringConverter::parseReal(length));
    if (const char* width = element->Attribute("width"))
        trail->setInitialWidth(0, Ogre::StringConverter::parseReal(width));
    if (const char* change = element->Attribute("width_change"))
        trail->setWidthChange(0, Ogre::StringConverter::parseReal(change));
    if (const char* elements = element->Attribute("max_elements"))
    {
        // OGRE needs at least one element per chain.
        const int count = std::atoi(elements);
        if (count > 0)
            trail->setMaxChainElements(static_cast<size_t>(count));
    }
    if (const char* queue = element->Attribute("renderQueue"))
        trail->setRenderQueueGroup(static_cast<Ogre::uint8>(std::atoi(queue)));
    if (const char* material = element->Attribute("material"))
        trail->setMaterialName(material);
    if (const char* flags = element->Attribute("visibleFlag"))
        trail->setVisibilityFlags(static_cast<Ogre::uint32>(std::atoi(flags)));
    if (const TiXmlElement* change = element->FirstChildElement("color_change"))
        trail->setColourChange(0, parseColour(change));
    if (const TiXmlElement* colour = element->FirstChildElement("color"))
        trail->setInitialColour(0, parseColour(colour));
    recordObject(trail);
}

void dotSceneLoaderImpl020::recordObject(Ogre::MovableObject* object)
{
    if (mFlag3)
        dotSceneInfo::addMovableObject(object, mNodePosition, mNodeOrientation, mNodeScale, false);
}
} // namespace dsi
