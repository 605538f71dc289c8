// The script API's animation functions: an object's own animation, linked
// skeletons, the way-points of animated objects and node flights.
#include "VirtualScript.h"

#include "AnimatableObject.h"
#include "Application.h"
#include "Log.h"
#include "Object.h"
#include "ScriptApiHelpers.h"

#include <OgreAnimation.h>
#include <OgreAnimationState.h>
#include <OgreAnimationTrack.h>
#include <OgreBone.h>
#include <OgreEntity.h>
#include <OgreKeyFrame.h>
#include <OgreMatrix3.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSimpleSpline.h>
#include <OgreSkeletonInstance.h>
#include <OgreSkeletonManager.h>

#include <algorithm>
#include <cmath>

namespace
{
const char* const kInterpolation = "InterpolateAnimation";
const int kPathKeys = 32;

const char* nodeNameOf(const CObject* object)
{
    const char* name = object ? object->getNodeName() : nullptr;
    return name ? name : "";
}

CAnimatableObject* animatableOf(OBJECT_HANDLE handle)
{
    return dynamic_cast<CAnimatableObject*>(ScriptApi::objectOf(handle));
}

/// Stops what the object plays on its own clock.
void stopOwnAnimation(CObject* object)
{
    if (!object->mAnimState)
        return;
    Log::print("\nstopping ani");
    object->mAnimState->setEnabled(false);
    object->mAnimState->setLoop(false);
    object->setAnimation(nullptr, 0, nullptr);
}

/// Starts state on the object's own clock; the id its end notification carries.
int playState(CObject* object, Ogre::AnimationState* state, int loops, OBJECT_HANDLE notify)
{
    // An own animation that ended holds its last pose (a lid stays open)
    // until the next one starts, which takes its place instead of adding to
    // it.
    if (Ogre::Entity* entity = object->getEntity())
        if (Ogre::AnimationStateSet* states = entity->getAllAnimationStates())
            for (const auto& entry : states->getAnimationStates())
            {
                Ogre::AnimationState* other = entry.second;
                if (other != state && other->getEnabled() && !other->getLoop() &&
                    other->getTimePosition() >= other->getLength())
                    other->setWeight(0.0f);
            }
    state->setEnabled(true);
    state->setLoop(false); // the object counts the loops itself
    state->setWeight(1.0f);
    state->setTimePosition(0.00001f);
    object->setAnimation(state, loops, gObjectCollector.get(notify));
    return static_cast<int>(AnimIds::idOf(state));
}

/// Every bone of target takes the bind pose of source's bone of the same name.
void copySkeletonPose(Ogre::Skeleton* target, const Ogre::Skeleton* source)
{
    for (unsigned short i = 0; i < target->getNumBones(); ++i)
    {
        Ogre::Bone* bone = target->getBone(i);
        if (!source->hasBone(bone->getName()))
            continue;
        const Ogre::Bone* from = source->getBone(bone->getName());
        bone->setPosition(from->getInitialPosition());
        bone->setOrientation(from->getInitialOrientation());
        bone->setScale(from->getInitialScale());
        bone->setInitialState();
    }
}

/// Drops the scene's flight animation.  An object still playing it must
/// forget its state before OGRE frees it.
void removeInterpolation()
{
    Ogre::SceneManager* scene = gApp.mSceneMgr;
    if (!scene)
        return;
    if (scene->hasAnimationState(kInterpolation))
    {
        Ogre::AnimationState* state = scene->getAnimationState(kInterpolation);
        for (int slot = 0; slot < gObjectCollector.count(); ++slot)
        {
            CObject* object = gObjectCollector.at(slot);
            if (object && object->mAnimState == state)
                object->setAnimation(nullptr, 0, nullptr);
        }
        AnimIds::release(state);
        scene->destroyAnimationState(kInterpolation);
    }
    if (scene->hasAnimation(kInterpolation))
        scene->destroyAnimation(kInterpolation);
}

/// A flight takes half the time between alike orientations and one and a
/// half between opposite ones.
float flightLength(float duration, const Ogre::Quaternion& from, const Ogre::Quaternion& to)
{
    const Ogre::Vector3 xs = from * Ogre::Vector3::UNIT_X;
    const Ogre::Vector3 xe = to * Ogre::Vector3::UNIT_X;
    const float length = duration * (1.0f - xs.dotProduct(xe) / 2.0f);
    // OGRE divides by the length; a zero-length flight lands at once.
    return std::max(length, 0.001f);
}

/// The orientation whose Z axis points from position `to` back to
/// `from`: a camera (looking along -Z) at from then looks at to.
Ogre::Quaternion lookAtOrientation(const Ogre::Quaternion& orientation, const Ogre::Vector3& from,
                                   const Ogre::Vector3& to)
{
    const Ogre::Vector3 facing = orientation * Ogre::Vector3::UNIT_Z;
    Ogre::Quaternion result = rotationBetween(facing, (from - to).normalisedCopy()) * orientation;
    result.normalise();
    return result;
}

void addKey(Ogre::NodeAnimationTrack* track, float time, const Ogre::Vector3& position,
            const Ogre::Quaternion& orientation)
{
    Ogre::TransformKeyFrame* key = track->createNodeKeyFrame(time);
    key->setTranslate(position);
    key->setRotation(orientation);
}

void buildInterpolationKeys(Ogre::NodeAnimationTrack* track, float length, const Ogre::Vector3& startPos,
                            const Ogre::Quaternion& startRot, const Ogre::Vector3& endPos,
                            const Ogre::Quaternion& endRot, int options)
{
    const float edge = 0.05f * length;
    addKey(track, 0.0f, startPos, startRot);
    if (options)
    {
        addKey(track, edge, startPos + 30.0f * (startRot * Ogre::Vector3::UNIT_Z), startRot);
        addKey(track, length - edge, endPos - 100.0f * (endRot * Ogre::Vector3::UNIT_Z), endRot);
    }
    else
    {
        const Ogre::Quaternion look = lookAtOrientation(startRot, startPos, endPos);
        addKey(track, edge, startPos - 100.0f * (look * Ogre::Vector3::UNIT_Z), look);
        addKey(track, length - edge, endPos + 30.0f * (endRot * Ogre::Vector3::UNIT_Z), endRot);
    }
    addKey(track, length, endPos, endRot);
}

/// A new flight animation of length seconds for node, with one track.
Ogre::NodeAnimationTrack* createFlight(Ogre::SceneNode* node, float length)
{
    removeInterpolation();
    Ogre::Animation* animation = gApp.mSceneMgr->createAnimation(kInterpolation, length);
    animation->setInterpolationMode(Ogre::Animation::IM_LINEAR);
    animation->setRotationInterpolationMode(Ogre::Animation::RIM_LINEAR);
    return animation->createNodeTrack(0, node);
}

/// Node animation keys are applied on top of the node's initial state; the
/// keys hold world (parent-space) transforms, so the initial state becomes
/// the identity (the scale stays).
int startFlight(CObject* object, int loops, OBJECT_HANDLE notify)
{
    Ogre::SceneNode* node = object->getNode();
    stopOwnAnimation(object);
    node->setPosition(Ogre::Vector3::ZERO);
    node->setOrientation(Ogre::Quaternion::IDENTITY);
    node->setInitialState();
    Ogre::AnimationState* state = gApp.mSceneMgr->createAnimationState(kInterpolation);
    return playState(object, state, loops, notify);
}

CObject* flyingObject(OBJECT_HANDLE obj, const char* function)
{
    CObject* object = ScriptApi::objectOf(obj);
    if (!object || !object->getNode() || !gApp.mSceneMgr)
    {
        Log::print("\nERROR: %s: object 0x%X has no scene node", function, static_cast<unsigned>(obj));
        return nullptr;
    }
    return object;
}
} // namespace

// ---------------------------------------------------------------------------
// The object's own animation

int CVirtualScript::animPlay(OBJECT_HANDLE obj, const String& name, int loops, OBJECT_HANDLE notify)
{
    CObject* object = ScriptApi::objectOf(obj);
    if (!object)
        return 0;
    stopOwnAnimation(object);
    Ogre::Entity* entity = object->getEntity();
    if (!entity)
        return 0;
    Ogre::AnimationStateSet* states = entity->getAllAnimationStates();
    if (!states || !states->hasAnimationState(name))
    {
        Log::print("\nERROR: animPlay: object '%s' has no animation '%s'", nodeNameOf(object), name.c_str());
        return 0;
    }
    return playState(object, states->getAnimationState(name), loops, notify);
}

int CVirtualScript::startLinkedAnimation(OBJECT_HANDLE obj, const String& skeleton, const String& name, int loops,
                                         OBJECT_HANDLE notify)
{
    CObject* object = ScriptApi::objectOf(obj);
    if (!object)
        return 0;
    stopOwnAnimation(object);
    Ogre::Entity* entity = object->getEntity();
    if (!entity || !entity->hasSkeleton())
    {
        Log::print("\nERROR: startLinkedAnimation failed! Entity %s has no skeleton!", nodeNameOf(object));
        return 0;
    }
    // An animated object or the hero keep pointers to their states; only a
    // plain object's states are dropped before the new ones are made.
    if (handleKind(object->getHandle()) == OBJECT_KIND_PLAIN && entity->getAllAnimationStates())
    {
        for (const auto& entry : entity->getAllAnimationStates()->getAnimationStates())
            AnimIds::release(entry.second);
        entity->getAllAnimationStates()->removeAllAnimationStates();
    }
    Ogre::SkeletonInstance* own = entity->getSkeleton();
    Log::print("\ngetNumAnimations=%d", static_cast<int>(own->getNumAnimations()));
    if (own->getName() == skeleton)
        Log::print("\nerror, skeleton names are equal");
    else
    {
        try
        {
            linkAnimationSource(own, skeleton);
        }
        catch (const Ogre::Exception& e)
        {
            Log::print("\nERROR: startLinkedAnimation: can't link skeleton '%s' to '%s': %s", skeleton.c_str(),
                       nodeNameOf(object), e.getDescription().c_str());
            entity->refreshAvailableAnimationState();
            return 0;
        }
        for (const Ogre::LinkedSkeletonAnimationSource& source : own->getLinkedSkeletonAnimationSources())
            if (source.skeletonName == skeleton && source.pSkeleton)
                copySkeletonPose(own, source.pSkeleton.get());
    }
    entity->refreshAvailableAnimationState();
    Log::print("\nPlay linked anim: skel:[%s][%s]", own->getName().c_str(), skeleton.c_str());
    return animPlay(obj, name, loops, notify);
}

void CVirtualScript::objSetAnimTime(OBJECT_HANDLE obj, float time)
{
    if (CObject* object = ScriptApi::objectOf(obj))
        object->setAnimTime(time);
}

// ---------------------------------------------------------------------------
// Way-points and layers of animated objects

void CVirtualScript::animAddPoint(OBJECT_HANDLE obj, const String& name, OBJECT_HANDLE target, int code)
{
    CAnimatableObject* object = animatableOf(obj);
    if (!object)
    {
        Log::print("\nERROR: animAddPoint: object 0x%X is not an animated object", static_cast<unsigned>(obj));
        return;
    }
    object->addPoint(name, 1000, target, code);
}

void CVirtualScript::animAddPoint(OBJECT_HANDLE obj, const String& name, int loops, OBJECT_HANDLE target, int code)
{
    CAnimatableObject* object = animatableOf(obj);
    if (!object)
    {
        Log::print("\nERROR: animAddPoint: object 0x%X is not an animated object", static_cast<unsigned>(obj));
        return;
    }
    object->addPoint(name, loops, target, code);
}

void CVirtualScript::animSetCyclic(OBJECT_HANDLE obj, bool cyclic)
{
    CAnimatableObject* object = animatableOf(obj);
    if (!object)
    {
        Log::print("\nERROR: animSetCyclic: object 0x%X is not an animated object", static_cast<unsigned>(obj));
        return;
    }
    object->mLoop = cyclic ? 1 : 0;
}

void CVirtualScript::animAddTransitionPoint(OBJECT_HANDLE obj, const String& bodyName, int loops,
                                            const String& lipName, int sound, OBJECT_HANDLE target, int code)
{
    CObject* object = ScriptApi::objectOf(obj);
    if (!object)
    {
        Log::print("\nERROR: * * * Object not found! * * *");
        return;
    }
    if (!object->getNode())
    {
        Log::print("\nERROR: * * * Object node not valid! * * *");
        return;
    }
    if (!object->getEntity())
    {
        Log::print("\nERROR: * * * No entity! * * *");
        return;
    }
    CAnimatableObject* animated = dynamic_cast<CAnimatableObject*>(object);
    if (!animated)
    {
        Log::print("\nERROR: * * * For some reason object 0x%X is not valid! * * *", static_cast<unsigned>(obj));
        return;
    }
    animated->addTalkPoint(bodyName, loops, lipName, sound, target, code);
}

void CVirtualScript::animAddRotatedPoint(OBJECT_HANDLE obj, const vec3& anglesDeg, const String& name,
                                         const vec3& position, int move, int takeOrientation, OBJECT_HANDLE target,
                                         int code)
{
    CAnimatableObject* object = animatableOf(obj);
    if (!object)
    {
        Log::print("\nERROR: animAddRotatedPoint: object 0x%X is not an animated object", static_cast<unsigned>(obj));
        return;
    }
    Ogre::Matrix3 rotation;
    rotation.FromEulerAnglesXYZ(Ogre::Degree(anglesDeg.x), Ogre::Degree(anglesDeg.y), Ogre::Degree(anglesDeg.z));
    object->addMovePoint(name, position, Ogre::Quaternion(rotation), move, takeOrientation, target, code);
}

void CVirtualScript::animSetLayerParam(const String& name, OBJECT_HANDLE obj, int value)
{
    CAnimatableObject* object = animatableOf(obj);
    if (!object)
        return;
    if (CAnimatableObject::AnimLayer* layer = object->getLayer(object->findAnimation(name)))
        layer->rotSpeed = static_cast<float>(value);
}

int CVirtualScript::animGetCurrentLength(OBJECT_HANDLE obj, const String& name)
{
    CAnimatableObject* object = animatableOf(obj);
    if (!object)
    {
        Log::print("\n!!!!!!!!!!!!\nERROR: CVirtualScript::animGetCurrentLength(): can't find CAnimatableObject by "
                   "handle %d\n!!!!!!!!!!!!\n",
                   static_cast<int>(obj));
        return 0;
    }
    const CAnimatableObject::AnimLayer* layer = object->getLayer(object->findAnimation(name));
    if (!layer)
    {
        Log::print("\n!!!!!!!!!!!!\nERROR: CVirtualScript::animGetCurrentLength(): can't find animation %s for "
                   "CAnimatableObject %s\n!!!!!!!!!!!!\n",
                   name.c_str(), nodeNameOf(object));
        return 0;
    }
    return static_cast<int>(layer->state->getLength() * 1000.0f);
}

// ---------------------------------------------------------------------------
// Flights

int CVirtualScript::animInterpolateTo(OBJECT_HANDLE obj, const vec3& position, const Ogre::Quaternion& orientation,
                                      float duration, int options)
{
    CObject* object = flyingObject(obj, "animInterpolateTo");
    if (!object)
        return 0;
    Ogre::SceneNode* node = object->getNode();
    const Ogre::Vector3 startPos = node->getPosition();
    const Ogre::Quaternion startRot = node->getOrientation();
    const float length = flightLength(duration, startRot, orientation);
    Ogre::NodeAnimationTrack* track = createFlight(node, length);
    buildInterpolationKeys(track, length, startPos, startRot, position, orientation, options);
    return startFlight(object, 1, mOwner);
}

void CVirtualScript::animInterpolatePath(OBJECT_HANDLE obj, const std::vector<InterpolationKey>& keys, float duration)
{
    animInterpolatePath(obj, keys, duration, 1, mOwner);
}

int CVirtualScript::animInterpolatePath(OBJECT_HANDLE obj, const std::vector<InterpolationKey>& keys, float duration,
                                        int loops, OBJECT_HANDLE notify)
{
    CObject* object = flyingObject(obj, "animInterpolatePath");
    if (!object)
        return 0;
    if (keys.size() < 2)
    {
        Log::print("\nERROR: animInterpolatePath: a flight needs two keys or more, %d given",
                   static_cast<int>(keys.size()));
        return 0;
    }
    const Ogre::Quaternion startRot = keys.front().orientation;
    const Ogre::Quaternion endRot = keys.back().orientation;
    const float length = flightLength(duration, startRot, endRot);
    Ogre::NodeAnimationTrack* track = createFlight(object->getNode(), length);
    // The path runs through every key's position; the orientation turns
    // from the first key's to the last's.  Both follow an eased fraction.
    Ogre::SimpleSpline path;
    for (const InterpolationKey& key : keys)
        path.addPoint(key.position);
    for (int i = 0; i <= kPathKeys; ++i)
    {
        const float f = 0.5f - 0.5f * std::cos(Ogre::Math::PI * static_cast<float>(i) / kPathKeys);
        const float time = length * static_cast<float>(i) / kPathKeys;
        const Ogre::Vector3 position = i == kPathKeys ? keys.back().position : path.interpolate(f);
        addKey(track, time, position, Ogre::Quaternion::Slerp(f, startRot, endRot, true));
    }
    return startFlight(object, loops, notify);
}
