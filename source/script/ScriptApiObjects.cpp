// Script API: strings, objects and visibility, node placement, parameters,
// bones and the window mode.
//
// Every handle-taking function looks the object up in the collector by the
// handle's slot and does nothing for 0 or a free slot, so a script that kept
// the handle of an object of an unloaded scene cannot reach freed memory.
#include "VirtualScript.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "ScriptApiHelpers.h"
#include "platform/Platform.h"

#include <OgreBone.h>
#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreLight.h>
#include <OgreMatrix3.h>
#include <OgreRenderWindow.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSkeletonInstance.h>
#include <OgreStringConverter.h>
#include <OgreViewport.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using ScriptApi::nodeOf;
using ScriptApi::objectOf;

namespace
{
// Every visibility mask bit: what a node shows in every room.
const uint32_t kWholeSceneMask = 0xFFFFFFFFu;

// The zero-padded decimal text of a number, at least width characters wide.
String paddedInt(int value, int width)
{
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), "%0*d", width < 0 ? 0 : (width > 32 ? 32 : width), value);
    return buffer;
}

// Applies a visibility-flag operation to one movable object; false for an
// unknown operation.
bool applyFlagOperation(Ogre::MovableObject* movable, int operation, uint32_t flags)
{
    switch (operation)
    {
    case 0:
        movable->addVisibilityFlags(flags);
        return true;
    case 1:
        movable->setVisibilityFlags(flags);
        return true;
    case 2:
        movable->removeVisibilityFlags(flags);
        return true;
    default:
        return false;
    }
}

// Calls fn for every movable attached to node and, one level down, to each of
// its direct child nodes.
template <typename Fn> void forAttachedAndChildren(Ogre::SceneNode* node, Fn fn)
{
    for (Ogre::MovableObject* movable : node->getAttachedObjects())
        fn(movable);
    for (Ogre::Node* child : node->getChildren())
    {
        Ogre::SceneNode* childNode = dynamic_cast<Ogre::SceneNode*>(child);
        if (!childNode)
            continue;
        for (Ogre::MovableObject* movable : childNode->getAttachedObjects())
            fn(movable);
    }
}

Ogre::Bone* boneOf(OBJECT_HANDLE handle, const String& boneName)
{
    CObject* object = objectOf(handle);
    Ogre::Entity* entity = object ? object->getEntity() : nullptr;
    if (!entity || !entity->hasSkeleton())
        return nullptr;
    Ogre::SkeletonInstance* skeleton = entity->getSkeleton();
    if (!skeleton->hasBone(boneName))
    {
        Log::print("\nWARNING: No bone [%s] in the skeleton of [%s]", boneName.c_str(),
                   object->getNodeName() ? object->getNodeName() : "");
        return nullptr;
    }
    return skeleton->getBone(boneName);
}

// The skeleton of an object's entity; says so when the object has none.
Ogre::SkeletonInstance* skeletonOf(OBJECT_HANDLE handle)
{
    CObject* object = objectOf(handle);
    if (!object)
        return nullptr;
    Ogre::Entity* entity = object->getEntity();
    if (!entity || !entity->hasSkeleton())
    {
        Log::print("\nERROR: Object %s has nigher no mesh or no skeleton!",
                   object->getNodeName() ? object->getNodeName() : "");
        return nullptr;
    }
    return entity->getSkeleton();
}

// The saved windowed video mode ("1024 x 768 @ 32-bit colour").
void savedVideoMode(int& width, int& height)
{
    width = 1024;
    height = 768;
    auto it = gApp.mAppState.mOptions.find("Video Mode");
    if (it == gApp.mAppState.mOptions.end())
        return;
    int w = 0, h = 0;
    if (std::sscanf(it->second.value.c_str(), "%d x %d", &w, &h) == 2 && w > 0 && h > 0)
    {
        width = w;
        height = h;
    }
}
} // namespace

// ---------------------------------------------------------------------------
// Strings and numbers

void CVirtualScript::strErase(const String& pattern, String& str)
{
    if (pattern.empty())
        return;
    const size_t at = str.find(pattern);
    if (at != String::npos)
        str.erase(at, pattern.size());
}

void CVirtualScript::strAssignInt(int value, String& str, int width)
{
    str = paddedInt(value, width);
}

void CVirtualScript::strAddInt(int value, String& str, int width)
{
    str += paddedInt(value, width);
}

void CVirtualScript::strSubstr(int start, const String& str, int length, String& target)
{
    // A start past the end gives the empty text rather than an exception.
    if (start < 0 || static_cast<size_t>(start) >= str.size())
    {
        target.clear();
        return;
    }
    target = str.substr(static_cast<size_t>(start), length < 0 ? String::npos : static_cast<size_t>(length));
}

vec3 CVirtualScript::lerpVec3(const vec3& a, const vec3& b, float t)
{
    return a + (b - a) * t;
}

Ogre::Quaternion CVirtualScript::eulerDegToQuat(float x, float y, float z)
{
    Ogre::Matrix3 m;
    m.FromEulerAnglesXYZ(Ogre::Degree(x), Ogre::Degree(y), Ogre::Degree(z));
    return Ogre::Quaternion(m);
}

vec3 CVirtualScript::quatToEulerDeg(const Ogre::Quaternion& q)
{
    Ogre::Matrix3 m;
    q.ToRotationMatrix(m);
    Ogre::Radian x, y, z;
    m.ToEulerAnglesXYZ(x, y, z);
    return vec3(x.valueDegrees(), y.valueDegrees(), z.valueDegrees());
}

// ---------------------------------------------------------------------------
// Finding objects and screen positions

OBJECT_HANDLE CVirtualScript::findObjectIndexed(const String& prefix, int n)
{
    const String name = prefix + paddedInt(n, 2);
    CObject* object = gApp.findObject(name);
    if (!object)
    {
        Log::print("\nWARNING: Can't find object [%s] by name!", name.c_str());
        return 0;
    }
    return object->getHandle();
}

bool CVirtualScript::worldToScreen(OBJECT_HANDLE obj, Ogre::Vector2& screen)
{
    Ogre::SceneNode* node = nodeOf(obj);
    Ogre::Camera* camera = ScriptApi::mainCamera();
    if (!node || !camera)
        return false;
    const vec3 p = camera->getProjectionMatrix() * (camera->getViewMatrix() * node->_getDerivedPosition());
    screen.x = p.x * 0.5f + 0.5f;
    screen.y = 1.0f - (p.y * 0.5f + 0.5f);
    return true;
}

// ---------------------------------------------------------------------------
// Visibility

void CVirtualScript::setVisible(OBJECT_HANDLE obj, bool visible)
{
    Ogre::SceneNode* node = nodeOf(obj);
    if (!node)
        return;
    for (Ogre::MovableObject* movable : node->getAttachedObjects())
        movable->setVisible(visible);
}

void CVirtualScript::setVisibleByName(const String& name, bool visible)
{
    ScriptApi::forEachObjectNamed(name, [&](CObject* object) { object->getNode()->setVisible(visible, true); });
}

void CVirtualScript::setVisibleFlags(OBJECT_HANDLE obj, int operation, uint32_t flags)
{
    Ogre::SceneNode* node = nodeOf(obj);
    if (!node)
        return;
    forAttachedAndChildren(node, [&](Ogre::MovableObject* movable) {
        if (!applyFlagOperation(movable, operation, flags))
            Log::print("\n!!!!!!!!!!\nERROR: CVirtualScript::setVisibleFlags(): unknown operation type: %d\n!!!!!!!!!!\n",
                       operation);
    });
}

void CVirtualScript::setVisibleFlagsByName(const String& name, int operation, uint32_t flags)
{
    ScriptApi::forEachObjectNamed(name, [&](CObject* object) { setVisibleFlags(object->getHandle(), operation, flags); });
}

void CVirtualScript::setAttachedFlag(OBJECT_HANDLE obj, uint32_t value)
{
    // The attached flag is the query mask that picking tests: the camera
    // manager and the interface use it to make a room's objects pickable.
    Ogre::SceneNode* node = nodeOf(obj);
    if (!node)
        return;
    forAttachedAndChildren(node, [&](Ogre::MovableObject* movable) { movable->setQueryFlags(value); });
}

void CVirtualScript::setAttachedFlagByName(const String& name, uint32_t value)
{
    ScriptApi::forEachObjectNamed(name, [&](CObject* object) { setAttachedFlag(object->getHandle(), value); });
}

int CVirtualScript::parseNodeName(const String& nodeName)
{
    // Node names of the rooms' objects begin "LL_RR": the room is RR.
    int room = 0;
    parseNameNumbers(nodeName, nullptr, &room);
    return room;
}

uint32_t CVirtualScript::roomVisibilityMask(int room)
{
    // Rooms 1 to 32 have one bit each; anything else (a node name without a
    // room, a variable not set yet) would shift by a negative or too large
    // count, so the object is shown in every room instead.
    if (room < 1 || room > 32)
    {
        Log::print("\nWARNING: room %d has no visibility bit, the object is shown in every room", room);
        return kWholeSceneMask;
    }
    return 1u << (room - 1);
}

void CVirtualScript::addNodeRoomFlagsByName(const String& name)
{
    ScriptApi::forEachObjectNamed(name, [&](CObject* object) {
        const uint32_t mask = roomVisibilityMask(parseNodeName(object->getNode()->getName()));
        setVisibleFlags(object->getHandle(), 1, mask);
    });
}

void CVirtualScript::dumpLights()
{
    Ogre::SceneManager* sceneMgr = gApp.mSceneMgr;
    if (!sceneMgr)
        return;
    const uint32_t mask = gApp.mViewport ? gApp.mViewport->getVisibilityMask() : kWholeSceneMask;
    Log::print("\n\nCurrent visible mask %d\nLights list:\nvisible\tflag\tis vis.\tlight name", static_cast<int>(mask));
    std::vector<Ogre::Light*> shown;
    for (const auto& entry : sceneMgr->getMovableObjects("Light"))
    {
        Ogre::MovableObject* light = entry.second;
        const bool visible = light->getVisible() && (light->getVisibilityFlags() & mask) != 0;
        Log::print("\n%d\t%d\t%d\t%s", light->getVisible() ? 1 : 0, static_cast<int>(light->getVisibilityFlags()),
                   visible ? 1 : 0, light->getName().c_str());
        if (visible)
            shown.push_back(static_cast<Ogre::Light*>(light));
    }
    Log::print("\n\nis visible lights list:");
    for (Ogre::Light* light : shown)
        Log::print("\n%s", light->getName().c_str());
    Log::print("\n\n");
}

// ---------------------------------------------------------------------------
// Scene-graph placement

void CVirtualScript::setParentByName(const String& parentName, const String& name)
{
    if (!gApp.mSceneMgr)
        return;
    Ogre::SceneNode* parent = nullptr;
    if (parentName.empty())
    {
        parent = gApp.mSceneMgr->getRootSceneNode();
    }
    else
    {
        CObject* parentObject = gApp.findObject(parentName);
        parent = parentObject ? parentObject->getNode() : nullptr;
        if (!parent)
        {
            Log::print("\nWARNING: Can't find object [%s] by name!", parentName.c_str());
            return;
        }
    }
    ScriptApi::forEachObjectNamed(name, [&](CObject* object) {
        Ogre::SceneNode* node = object->getNode();
        // A node cannot hang under itself or under one of its own children.
        for (Ogre::Node* up = parent; up; up = up->getParent())
            if (up == node)
                return;
        if (Ogre::Node* old = node->getParent())
            old->removeChild(node);
        parent->addChild(node);
    });
}

vec3 CVirtualScript::getPosition(OBJECT_HANDLE obj)
{
    Ogre::SceneNode* node = nodeOf(obj);
    return node ? node->getPosition() : vec3::ZERO;
}

bool CVirtualScript::getWorldTransform(OBJECT_HANDLE obj, vec3& position, Ogre::Quaternion& orientation)
{
    Ogre::SceneNode* node = nodeOf(obj);
    if (!node)
        return false;
    position = node->_getDerivedPosition();
    orientation = node->_getDerivedOrientation();
    return true;
}

void CVirtualScript::setPosition(OBJECT_HANDLE obj, const vec3& position)
{
    if (Ogre::SceneNode* node = nodeOf(obj))
        node->setPosition(position);
}

void CVirtualScript::setScale(OBJECT_HANDLE obj, const vec3& scale)
{
    if (Ogre::SceneNode* node = nodeOf(obj))
        node->setScale(scale);
}

Ogre::Quaternion CVirtualScript::getOrientation(OBJECT_HANDLE obj)
{
    Ogre::SceneNode* node = nodeOf(obj);
    return node ? node->getOrientation() : Ogre::Quaternion::IDENTITY;
}

void CVirtualScript::setOrientation(OBJECT_HANDLE obj, const Ogre::Quaternion& orientation)
{
    if (Ogre::SceneNode* node = nodeOf(obj))
        node->setOrientation(orientation);
}

void CVirtualScript::setPositionRotZ(OBJECT_HANDLE obj, float x, float y, float z, float angleDeg)
{
    Ogre::SceneNode* node = nodeOf(obj);
    if (!node)
        return;
    node->setPosition(x, y, z);
    node->setOrientation(eulerDegToQuat(0.0f, 0.0f, angleDeg));
}

void CVirtualScript::setOrientationDeg(OBJECT_HANDLE obj, const vec3& anglesDeg)
{
    if (Ogre::SceneNode* node = nodeOf(obj))
        node->setOrientation(eulerDegToQuat(anglesDeg.x, anglesDeg.y, anglesDeg.z));
}

void CVirtualScript::setViewportVisibilityMask(uint32_t mask)
{
    if (gApp.mViewport)
        gApp.mViewport->setVisibilityMask(mask);
}

void CVirtualScript::setWindowMode(bool fullScreen)
{
    Ogre::RenderWindow* window = gApp.mWindow;
    if (window)
    {
        unsigned long handle = 0;
        window->getCustomAttribute("WINDOW", &handle);
        int width = 0, height = 0;
        savedVideoMode(width, height);
        if (fullScreen)
        {
            if (height < 768)
                window->setFullscreen(true, width, height);
            else
                window->setFullscreen(true, 1024, 768);
        }
        else
        {
            if (Platform::desktopDisplayMode().bitsPerPixel != 32)
                return;
            window->setFullscreen(false, width, height);
            Platform::setFixedSizeWindow(handle, width, height);
        }
    }
    // Scripts refresh what depends on the screen in their activate handler.
    for (int slot = 0; slot < gObjectCollector.count(); ++slot)
    {
        CObject* object = gObjectCollector.at(slot);
        if (!object)
            continue;
        CMessage msg;
        msg.target = object;
        msg.type = MSG_ACTIVATE;
        gApp.postMessage(msg);
    }
}

// ---------------------------------------------------------------------------
// Parameters of an object

bool CVirtualScript::getObjParamS(OBJECT_HANDLE obj, const String& key, String& value)
{
    CObject* object = objectOf(obj);
    if (!object)
        return false;
    auto it = object->mParams.find(key);
    if (it == object->mParams.end())
        return false;
    value = it->second;
    return true;
}

bool CVirtualScript::getObjParamS(OBJECT_HANDLE obj, const String& key, char* buffer, size_t size)
{
    String value;
    if (!buffer || size == 0 || !getObjParamS(obj, key, value))
        return false;
    // The scripts keep names in fixed arrays: a longer value is cut to fit.
    if (value.size() >= size)
    {
        Log::print("\nWARNING: parameter [%s] of [%s] is %u characters long, cut to %u", key.c_str(),
                   objectOf(obj)->getNodeName() ? objectOf(obj)->getNodeName() : "",
                   static_cast<unsigned>(value.size()), static_cast<unsigned>(size - 1));
        value.resize(size - 1);
    }
    std::memcpy(buffer, value.c_str(), value.size() + 1);
    return true;
}

int CVirtualScript::getObjParamI(OBJECT_HANDLE obj, const String& key)
{
    String value;
    if (!getObjParamS(obj, key, value))
        return 0;
    return Ogre::StringConverter::parseInt(value);
}

bool CVirtualScript::getObjParamF(OBJECT_HANDLE obj, const String& key, float& value)
{
    String text;
    if (!getObjParamS(obj, key, text))
        return false;
    value = Ogre::StringConverter::parseReal(text);
    return true;
}

void CVirtualScript::setObjParamI(OBJECT_HANDLE obj, const String& key, int value)
{
    if (CObject* object = objectOf(obj))
        object->mParams[key] = Ogre::StringConverter::toString(value);
}

// ---------------------------------------------------------------------------
// Bones

void CVirtualScript::attachObjToBone(OBJECT_HANDLE target, OBJECT_HANDLE obj, const char* bone, bool keepOffset)
{
    CObject* targetObject = objectOf(target);
    CObject* object = objectOf(obj);
    if (!targetObject || !object || !object->getNode())
        return;
    Ogre::Entity* targetEntity = targetObject->getEntity();
    Ogre::SceneNode* node = object->getNode();

    Ogre::MovableObject* movable = object->getEntity();
    if (!movable && node->numAttachedObjects() > 0)
        movable = node->getAttachedObject(0);

    if (bone)
    {
        if (!movable)
            return;
        // The bone is checked before the movable leaves its node: a missing
        // bone must not leave the object hanging nowhere.
        if (!targetEntity || !targetEntity->hasSkeleton() || !targetEntity->getSkeleton()->hasBone(bone))
        {
            Log::print("ERROR: attachObjToBone failed! Can't find bone %s in %s skeleton", bone,
                       targetObject->getNodeName() ? targetObject->getNodeName() : "");
            return;
        }
        movable->detachFromParent();
        if (keepOffset)
            targetEntity->attachObjectToBone(bone, movable, node->getOrientation(), node->getPosition());
        else
            targetEntity->attachObjectToBone(bone, movable);
        if (object->mEntity == movable)
            object->mEntity = nullptr;
        return;
    }

    if (!targetEntity)
        return;
    // Back from the bone: the movable was attached under the node's name.
    Ogre::MovableObject* found = nullptr;
    for (Ogre::MovableObject* child : targetEntity->getAttachedObjects())
        if (child->getName() == node->getName())
            found = child;
    if (!found)
        return;
    targetEntity->detachObjectFromBone(found);
    node->attachObject(found);
}

vec3 CVirtualScript::boneGetWorldPosition(OBJECT_HANDLE obj, const String& boneName)
{
    Ogre::Bone* bone = boneOf(obj, boneName);
    if (!bone)
        return vec3::ZERO;
    Ogre::Entity* entity = objectOf(obj)->getEntity();
    return entity->_getParentNodeFullTransform() * bone->_getDerivedPosition();
}

void CVirtualScript::boneSetManual(OBJECT_HANDLE obj, const String& boneName, bool manual)
{
    if (Ogre::Bone* bone = boneOf(obj, boneName))
        bone->setManuallyControlled(manual);
}

void CVirtualScript::bonesSetManual(OBJECT_HANDLE obj, bool manual)
{
    if (Ogre::SkeletonInstance* skeleton = skeletonOf(obj))
        for (Ogre::Bone* bone : skeleton->getBones())
            bone->setManuallyControlled(manual);
}

void CVirtualScript::bonesSetManual(OBJECT_HANDLE obj, const String& boneName, const vec3& scale)
{
    if (!skeletonOf(obj))
        return;
    if (Ogre::Bone* bone = boneOf(obj, boneName))
    {
        bone->setManuallyControlled(true);
        bone->setScale(scale);
    }
}

void CVirtualScript::boneSetPosition(OBJECT_HANDLE obj, const String& boneName, const vec3& position)
{
    if (Ogre::Bone* bone = boneOf(obj, boneName))
    {
        bone->setPosition(position);
        bone->setInitialState();
    }
}

void CVirtualScript::boneSetOrientationDeg(OBJECT_HANDLE obj, const String& boneName, float x, float y, float z)
{
    if (Ogre::Bone* bone = boneOf(obj, boneName))
    {
        bone->setManuallyControlled(true);
        bone->setOrientation(eulerDegToQuat(x, y, z));
    }
}

void CVirtualScript::cameraAttachToBone(OBJECT_HANDLE obj, const String& boneName)
{
    gApp.attachCameraToBone(objectOf(obj), boneName);
}
