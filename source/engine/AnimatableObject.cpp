// Animated objects: bone groups, animation layers from linked skeletons,
// way-points with their notifications, cross-fades and lip movement.
#include "AnimatableObject.h"

#include "Application.h"
#include "Log.h"
#include "SfxCore.h"

#include <OgreAnimation.h>
#include <OgreAnimationState.h>
#include <OgreBone.h>
#include <OgreEntity.h>
#include <OgreFrameListener.h>
#include <OgreSceneNode.h>
#include <OgreSkeletonInstance.h>
#include <OgreSkeletonManager.h>

#include <algorithm>
#include <cmath>

namespace
{
// A bone whose name holds one of these belongs to the mouth.
const char* const kLipBoneNames[] = {"rot", "rot_01", "rot_02", "rot_03", "rot_04", "rot_05"};

const char* nameOf(const CObject* object)
{
    const char* name = object->getNodeName();
    return name ? name : "";
}

bool isLipBone(const String& boneName)
{
    for (const char* part : kLipBoneNames)
        if (boneName.find(part) != String::npos)
            return true;
    return false;
}
} // namespace

Ogre::Quaternion rotationBetween(const Ogre::Vector3& from, const Ogre::Vector3& to)
{
    const Ogre::Vector3 a = from.normalisedCopy();
    const Ogre::Vector3 b = to.normalisedCopy();
    const Ogre::Real d = a.dotProduct(b);
    const Ogre::Quaternion halfTurn(Ogre::Radian(Ogre::Math::PI), Ogre::Vector3::UNIT_Z);
    if (d >= 1.0f)
        return Ogre::Quaternion::IDENTITY;
    if (d < -0.9999f)
        return halfTurn;
    const Ogre::Real s = std::sqrt(2.0f * (1.0f + d));
    if (s < 0.000001f)
        return halfTurn;
    const Ogre::Vector3 c = a.crossProduct(b);
    return Ogre::Quaternion(s * 0.5f, c.x / s, c.y / s, c.z / s);
}

void linkAnimationSource(Ogre::SkeletonInstance* skeleton, const String& name)
{
    // OGRE may note the link and load the file only when the skeleton is
    // loaded again; until then its animations are not seen.  Loading it
    // here first also reports a missing file before anything is linked.
    Ogre::SkeletonPtr source = Ogre::static_pointer_cast<Ogre::Skeleton>(
        Ogre::SkeletonManager::getSingleton().load(name, skeleton->getGroup()));
    skeleton->addLinkedSkeletonAnimationSource(name, 1.0f);
    for (const Ogre::LinkedSkeletonAnimationSource& link : skeleton->getLinkedSkeletonAnimationSources())
        if (link.skeletonName == name && !link.pSkeleton)
            const_cast<Ogre::LinkedSkeletonAnimationSource&>(link).pSkeleton = source;
}

// ---------------------------------------------------------------------------
// Construction

CAnimatableObject::CAnimatableObject(const String& scriptName)
    : CObject(scriptName, OBJECT_KIND_ANIMATED)
{
    mLayers.reserve(20);
    mPointList.reserve(20);
}

CAnimatableObject::~CAnimatableObject()
{
    Log::print("\nAnim object destructor!");
}

void CAnimatableObject::initBones()
{
    if (mSkeleton)
        return;
    if (!mEntity || !mEntity->hasSkeleton())
        return;
    mSkeleton = mEntity->getSkeleton();
    // Layers that run at once add by weight; the weight rules depend on it.
    mSkeleton->setBlendMode(Ogre::ANIMBLEND_CUMULATIVE);

    mBoneGroups.clear();
    mBoneGroups.resize(2);
    mBoneGroups[GROUP_BODY].name = "Body";
    mBoneGroups[GROUP_BODY].index = GROUP_BODY;
    mBoneGroups[GROUP_LIP].name = "Lip";
    mBoneGroups[GROUP_LIP].index = GROUP_LIP;
    for (unsigned short i = 0; i < mSkeleton->getNumBones(); ++i)
    {
        Ogre::Bone* bone = mSkeleton->getBone(i);
        mBoneGroups[isLipBone(bone->getName()) ? GROUP_LIP : GROUP_BODY].bones.push_back(bone);
    }
}

// ---------------------------------------------------------------------------
// Animation layers

void CAnimatableObject::addAnimation(const String& animName, const String& skeletonName, float moveSpeed,
                                     float blendPercent, float blendSpeed, int layerNumber)
{
    initBones();
    if (!mSkeleton)
    {
        Log::print("\nERROR: Can't add animation '%s' to the object '%s': it has no skeleton", animName.c_str(),
                   nameOf(this));
        return;
    }
    // A missing or damaged skeleton file, or an animation the file lacks,
    // costs this one layer; the room goes on loading.
    try
    {
        linkAnimationSource(mSkeleton, skeletonName);
        mEntity->refreshAvailableAnimationState();
    }
    catch (const Ogre::Exception& e)
    {
        Log::print("\nERROR: Can't link skeleton '%s' to the object '%s': %s", skeletonName.c_str(), nameOf(this),
                   e.getDescription().c_str());
        return;
    }
    Ogre::AnimationStateSet* states = mEntity->getAllAnimationStates();
    if (!states || !states->hasAnimationState(animName))
    {
        Log::print("\nERROR: Skeleton '%s' has no animation '%s' for the object '%s'; layer skipped",
                   skeletonName.c_str(), animName.c_str(), nameOf(this));
        return;
    }

    AnimLayer layer;
    layer.state = states->getAnimationState(animName);
    layer.state->setEnabled(true);
    layer.state->setLoop(false);
    layer.state->setWeight(0.0f);
    layer.state->setTimePosition(0.0f);
    const float length = layer.state->getLength();
    layer.blendTime = std::min(length * blendPercent / 100.0f, length * 0.5f);
    layer.blendSpeed = blendSpeed;
    layer.moveSpeed = moveSpeed;
    layer.layerNumber = layerNumber;
    if (layerNumber != GROUP_BODY && layerNumber != GROUP_LIP)
        Log::print("\nWARNING: Animation '%s' of the object '%s' has layer %d; only 0 and 1 are played",
                   animName.c_str(), nameOf(this), layerNumber);

    // Cut the animation down to its bone group, so that a body animation
    // never moves the mouth and a lip animation moves nothing else.
    const BoneGroup* group =
        layerNumber >= 0 && layerNumber < static_cast<int>(mBoneGroups.size()) ? &mBoneGroups[layerNumber] : nullptr;
    for (const Ogre::LinkedSkeletonAnimationSource& source : mSkeleton->getLinkedSkeletonAnimationSources())
    {
        if (!group || !source.pSkeleton || source.pSkeleton->getNumAnimations() == 0)
            continue;
        Ogre::Animation* animation = source.pSkeleton->getAnimation(0);
        if (animation->getName() != animName)
            continue;
        std::vector<unsigned short> foreign;
        for (const auto& track : animation->_getNodeTrackList())
        {
            const unsigned short handle = track.first;
            bool inGroup = false;
            if (handle < mSkeleton->getNumBones())
            {
                Ogre::Bone* bone = mSkeleton->getBone(handle);
                inGroup = std::find(group->bones.begin(), group->bones.end(), bone) != group->bones.end();
            }
            // A track for a bone this skeleton lacks would be applied to a
            // bone that does not exist; it goes as well.
            if (!inGroup)
                foreign.push_back(handle);
        }
        for (unsigned short handle : foreign)
            animation->destroyNodeTrack(handle);
        break;
    }
    mLayers.push_back(layer);
}

int CAnimatableObject::findLayerQuiet(const String& name) const
{
    for (size_t i = 0; i < mLayers.size(); ++i)
        if (mLayers[i].state && mLayers[i].state->getAnimationName() == name)
            return static_cast<int>(i);
    return -1;
}

int CAnimatableObject::findAnimation(const String& name)
{
    const int index = findLayerQuiet(name);
    if (index >= 0)
        return index;
    Log::print("\nERROR: !!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!");
    Log::print("\nERROR: Can't find animation '%s' on the object '%s'", name.c_str(), nameOf(this));
    Log::print("\nERROR: !!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!");
    return -1;
}

CAnimatableObject::AnimLayer* CAnimatableObject::getLayer(int index)
{
    return index >= 0 && index < static_cast<int>(mLayers.size()) ? &mLayers[index] : nullptr;
}

// ---------------------------------------------------------------------------
// Building the way-point list

CAnimatableObject::PointLayer* CAnimatableObject::pointLayer(WayPoint& point, int layerNumber)
{
    for (PointLayer& layer : point.layers)
        if (layer.layerNumber == layerNumber)
            return &layer;
    return nullptr;
}

int CAnimatableObject::findLayerForPoint(const String& name, int layerNumber)
{
    if (name.size() > 1)
        return findAnimation(name);
    // A short name continues what the last way-point plays on that layer.
    if (mPointList.empty())
        return -1;
    const PointLayer* last = pointLayer(mPointList.back(), layerNumber);
    return last ? last->layer : -1;
}

void CAnimatableObject::addPoint(const String& name, int loops, OBJECT_HANDLE target, int code)
{
    WayPoint point;
    if (mNode)
    {
        point.target = mNode->getPosition();
        point.start = point.target;
        point.orientation = mNode->getOrientation();
    }
    point.notifyTarget = target;
    point.notifyCode = code;
    const int index = findAnimation(name);
    if (index >= 0)
    {
        PointLayer layer;
        layer.layer = index;
        layer.loops = loops;
        layer.loopsLeft = loops;
        layer.layerNumber = mLayers[index].layerNumber;
        point.layers.push_back(layer);
    }
    mPointList.push_back(point);
}

void CAnimatableObject::addTalkPoint(const String& bodyName, int loops, const String& lipName, int sound,
                                     OBJECT_HANDLE target, int code)
{
    WayPoint point;
    if (mNode)
    {
        point.target = mNode->getPosition();
        point.start = point.target;
        point.orientation = mNode->getOrientation();
    }
    point.notifyTarget = target;
    point.notifyCode = code;
    const int body = findLayerForPoint(bodyName, GROUP_BODY);
    if (body >= 0)
    {
        PointLayer layer;
        layer.layer = body;
        layer.loops = loops;
        layer.loopsLeft = loops;
        layer.layerNumber = GROUP_BODY;
        point.layers.push_back(layer);
    }
    const int lip = findLayerForPoint(lipName, GROUP_LIP);
    if (lip >= 0)
    {
        PointLayer layer;
        layer.layer = lip;
        layer.loops = -1;
        layer.loopsLeft = -1;
        layer.layerNumber = GROUP_LIP;
        layer.sound = sound;
        point.layers.push_back(layer);
    }
    mPointList.push_back(point);
}

void CAnimatableObject::addMovePoint(const String& name, const Ogre::Vector3& position,
                                     const Ogre::Quaternion& orientation, int move, int takeOrientation,
                                     OBJECT_HANDLE target, int code)
{
    WayPoint point;
    point.target = position;
    point.start = mNode ? mNode->getPosition() : position;
    point.orientation = orientation;
    point.move = move;
    point.takeOrientation = takeOrientation;
    point.notifyTarget = target;
    point.notifyCode = code;
    // An animation that does not resolve leaves the point without a layer
    // and standing still (move speed 0); findAnimation has said why.
    const int index = findAnimation(name);
    if (index >= 0)
    {
        PointLayer layer;
        layer.layer = index;
        layer.loops = -1;
        layer.loopsLeft = -1;
        layer.layerNumber = mLayers[index].layerNumber;
        point.layers.push_back(layer);
        point.moveSpeed = mLayers[index].moveSpeed;
    }
    mPointList.push_back(point);
}

// ---------------------------------------------------------------------------
// Running the list

int CAnimatableObject::nextIndex() const
{
    const int count = static_cast<int>(mPointList.size());
    if (count == 0)
        return 0;
    return mLoop ? (mCurrentPoint + 1) % count : mCurrentPoint + 1;
}

void CAnimatableObject::start()
{
    if (mPointList.empty())
    {
        Log::print("\n!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!! Error: CAnimatableObject::start(): mPointList is empty! "
                   "anim obj: %s\n!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!\n",
                   nameOf(this));
        return;
    }
    if (mCurrentPoint < 0 || mCurrentPoint > lastIndex())
        mCurrentPoint = 0;
    enterPoint(-1);
    blendBindingPose();
    mRunning = 1;
}

void CAnimatableObject::stop()
{
    mCurrentPoint = 0;
    mPointList.clear();
    mRunning = 0;
    mLoop = 0;
    mTurning = 0;
    mTurnProgress = 0.0f;
    mTurnSpeed = 0.0f;
    mStartOrientation = Ogre::Quaternion::IDENTITY;
    mTargetOrientation = Ogre::Quaternion::IDENTITY;
    for (AnimLayer& layer : mLayers)
    {
        layer.state->setEnabled(true);
        layer.state->setLoop(false);
        layer.state->setWeight(0.0f);
        layer.state->setTimePosition(0.0f);
        layer.rate = 0.0f;
        layer.mode = MODE_STEADY;
        layer.active = 0;
        layer.timeInLayer = 0.0f;
    }
}

void CAnimatableObject::enterPoint(int previous)
{
    if (mCurrentPoint < 0 || mCurrentPoint > lastIndex())
        return;
    WayPoint& point = mPointList[mCurrentPoint];
    WayPoint* before = previous >= 0 && previous <= lastIndex() ? &mPointList[previous] : nullptr;
    for (PointLayer& pl : point.layers)
    {
        AnimLayer* layer = getLayer(pl.layer);
        if (!layer)
            continue;
        pl.loopsLeft = pl.loops;
        // The same animation on the same layer plays on without a restart.
        const PointLayer* old = before ? pointLayer(*before, pl.layerNumber) : nullptr;
        if (!old || old->layer != pl.layer)
            layer->state->setTimePosition(0.0f);
        if (pl.layerNumber != GROUP_LIP)
            layer->state->setWeight(1.0f);
        layer->active = 1;
        layer->entryPoint = mCurrentPoint;
        layer->timeInLayer = 0.0f;
    }
    if (point.move && mNode)
    {
        point.start = mNode->getPosition();
        const PointLayer* body = pointLayer(point, GROUP_BODY);
        if (const AnimLayer* layer = body ? getLayer(body->layer) : nullptr)
            mTurnSpeed = layer->rotSpeed;
        turnToFace(point.target);
    }
}

void CAnimatableObject::turnToFace(const Ogre::Vector3& position)
{
    mTurning = 1;
    mTurnProgress = 0.0f;
    mStartOrientation = mNode->getOrientation();
    Ogre::Vector3 direction = position - mNode->getPosition();
    direction.normalise();
    direction.z = 0.0f;
    const Ogre::Vector3 facing = mStartOrientation * Ogre::Vector3::UNIT_X;
    mTargetOrientation = mStartOrientation * rotationBetween(facing, direction);
    mTargetOrientation.normalise();
}

void CAnimatableObject::notifyPoint(const WayPoint& point)
{
    if (!point.notifyTarget)
        return;
    CObject* target = gObjectCollector.get(point.notifyTarget);
    if (!target)
        return;
    CMessage msg;
    msg.target = target;
    msg.sender = this;
    msg.type = MSG_NOTIFY;
    msg.setWord(0, point.notifyCode);
    gApp.postMessage(msg);
}

void CAnimatableObject::finishPoint(int point, bool toLast)
{
    if (point >= 0 && point <= lastIndex())
        notifyPoint(mPointList[point]);
    const int previous = mCurrentPoint;
    if (toLast)
        mCurrentPoint = lastIndex();
    else if (!mLoop && mCurrentPoint >= lastIndex())
    {
        mRunning = 0;
        return;
    }
    else
        mCurrentPoint = nextIndex();
    enterPoint(previous);
}

bool CAnimatableObject::layerChangesAt(int layerNumber, bool toLast)
{
    if (!mLoop && mCurrentPoint >= lastIndex())
        return true;
    const int compared = toLast ? lastIndex() : nextIndex();
    if (compared < 0 || compared > lastIndex())
        return true;
    const PointLayer* now = pointLayer(mPointList[mCurrentPoint], layerNumber);
    const PointLayer* then = pointLayer(mPointList[compared], layerNumber);
    if (!now || !then)
        return true;
    return now->layer != then->layer;
}

void CAnimatableObject::fadeOut(int index)
{
    if (AnimLayer* layer = getLayer(index))
    {
        layer->mode = MODE_FADE;
        layer->rate = -layer->blendSpeed;
    }
}

void CAnimatableObject::leavePoint(bool toLast)
{
    if (mPointList.empty() || mCurrentPoint < 0 || mCurrentPoint > lastIndex())
        return;
    const bool goesOn = mLoop || mCurrentPoint != lastIndex();
    WayPoint& point = mPointList[mCurrentPoint];
    int highest = -1;
    for (const PointLayer& pl : point.layers)
        highest = std::max(highest, pl.layerNumber);
    for (int n = 0; n <= highest; ++n)
    {
        const PointLayer* pl = pointLayer(point, n);
        if (!pl || !layerChangesAt(n, toLast))
            continue;
        if (n == GROUP_LIP)
            fadeOut(pl->layer);
        else if (n == GROUP_BODY && goesOn)
        {
            const int compared = toLast ? lastIndex() : nextIndex();
            if (compared >= 0 && compared <= lastIndex() && pointLayer(mPointList[compared], GROUP_BODY))
                fadeOut(pl->layer);
        }
    }
    if (goesOn)
        finishPoint(mCurrentPoint, toLast);
}

// ---------------------------------------------------------------------------
// The frame update

void CAnimatableObject::update(const Ogre::FrameEvent& evt)
{
    // The object's own animation clock and its timers run as for any object,
    // so that a script on an animated object can use timers and animPlay.
    CObject::update(evt);
    if (!mRunning)
        return;
    if (mPointList.empty() || mCurrentPoint < 0 || mCurrentPoint > lastIndex())
    {
        mRunning = 0;
        return;
    }
    const float dt = evt.timeSinceLastFrame;
    const int point = mCurrentPoint;
    motionStep(dt);
    layerStep(dt, point);
}

void CAnimatableObject::motionStep(float dt)
{
    if (!mNode)
        return;
    const int index = mCurrentPoint;
    const WayPoint& point = mPointList[index];
    if (point.move)
    {
        const Ogre::Vector3 p = mNode->getPosition();
        Ogre::Vector3 v = point.target - p;
        const float dist = v.length();
        v.normalise();
        // A walker that is still turning walks slower.
        mNode->setPosition(p + v * (point.moveSpeed * mTurnProgress * dt));
        if (dist < 2.0f * dt * point.moveSpeed)
        {
            const PointLayer* body = pointLayer(mPointList[index], GROUP_BODY);
            if (body)
                fadeOut(body->layer);
            const bool take = point.takeOrientation != 0;
            const Ogre::Quaternion orientation = point.orientation;
            finishPoint(index, false);
            if (take)
            {
                mTurning = 1;
                mTurnProgress = 0.0f;
                mStartOrientation = mNode->getOrientation();
                mTargetOrientation = orientation;
            }
        }
    }
    if (mTurning)
    {
        mTurnProgress += dt * mTurnSpeed;
        if (mTurnProgress > 1.0f)
        {
            mTurning = 0;
            mTurnProgress = 1.0f;
        }
        mNode->setOrientation(Ogre::Quaternion::Slerp(mTurnProgress, mStartOrientation, mTargetOrientation, true));
    }
}

void CAnimatableObject::layerStep(float dt, int pointIndex)
{
    bool changed = false;
    WayPoint& point = mPointList[pointIndex];
    for (size_t i = 0; i < mLayers.size(); ++i)
    {
        AnimLayer& layer = mLayers[i];
        if (!layer.active)
            continue;
        const int n = layer.layerNumber;
        Ogre::AnimationState* state = layer.state;
        const float length = state->getLength();
        PointLayer* pl = pointLayer(point, n);

        // 1. Time; a wrap counts one loop of the point that started the layer.
        float t = state->getTimePosition();
        if (t + dt >= length)
        {
            if (layer.entryPoint == mCurrentPoint && pl)
                --pl->loopsLeft;
            t = t + dt - length;
        }
        else
            t += dt;
        state->setTimePosition(t);
        t = state->getTimePosition();
        layer.timeInLayer += dt;

        // 2. A layer that the point does not play.
        if (!pl)
        {
            Log::print("\nWARRNING: Current point '%d' has no layer '%d' for active animation '%s'!", mCurrentPoint,
                       n, state->getAnimationName().c_str());
            if (n != GROUP_LIP)
                return;
            layer.mode = MODE_FADE;
            layer.rate = -layer.blendSpeed;
        }

        if (n == GROUP_BODY)
        {
            const bool playsThis = pl->layer == static_cast<int>(i);
            if (layer.blendTime <= 0.0f)
            {
                // 3. No blend time: the next point starts when this one's
                // last loop is over.
                if (playsThis && pl->loopsLeft == 1 && t + dt >= length)
                {
                    finishPoint(pointIndex, false);
                    state->setWeight(0.0f);
                    layer.active = 0;
                    const PointLayer* body = pointLayer(mPointList[mCurrentPoint], GROUP_BODY);
                    if (const AnimLayer* next = body ? getLayer(body->layer) : nullptr)
                    {
                        next->state->setTimePosition(0.0f);
                        next->state->setWeight(1.0f);
                    }
                    blendBindingPose();
                    return;
                }
            }
            else if (layer.mode == MODE_STEADY && playsThis)
            {
                // 4. With a blend time the next point starts blendTime
                // before the end of the last loop and cross-fades in.
                if (!mLoop && pointIndex == lastIndex())
                {
                    if (pl->loopsLeft == 0)
                    {
                        notifyPoint(point);
                        pl->loopsLeft = -1;
                    }
                }
                else if (pl->loopsLeft == 1 && t >= length - layer.blendTime)
                {
                    if (layerChangesAt(GROUP_BODY, false))
                    {
                        layer.mode = MODE_CROSSFADE;
                        layer.windowStart = t;
                        layer.windowEnd = length;
                        layer.rate = -1.0f;
                    }
                    finishPoint(pointIndex, false);
                }
            }

            // 5. Body weight.
            if (layer.mode != MODE_STEADY)
            {
                float w;
                if (layer.mode == MODE_CROSSFADE)
                {
                    float tw = t;
                    if (t < std::min(layer.windowStart, layer.windowEnd))
                        tw = t + std::max(layer.windowStart, layer.windowEnd);
                    const float span = layer.windowEnd - layer.windowStart;
                    w = span != 0.0f ? (layer.windowEnd - tw) / span : -1.0f;
                }
                else
                    w = layer.rate == 0.0f ? -1.0f : state->getWeight() + dt * layer.rate;
                const PointLayer* body = mCurrentPoint <= lastIndex()
                                             ? pointLayer(mPointList[mCurrentPoint], GROUP_BODY)
                                             : nullptr;
                AnimLayer* current = body ? getLayer(body->layer) : nullptr;
                if (w > 1.0f)
                {
                    layer.mode = MODE_STEADY;
                    layer.rate = 0.0f;
                    if (current)
                        current->mode = MODE_STEADY;
                    state->setWeight(1.0f);
                }
                else if (w < 0.0f)
                {
                    layer.mode = MODE_STEADY;
                    layer.rate = 0.0f;
                    layer.active = 0;
                    if (current)
                        current->mode = MODE_STEADY;
                    state->setWeight(0.0f);
                }
                else
                    state->setWeight(w);
                changed = true;
            }
        }
        else if (n == GROUP_LIP)
        {
            // 6. The mouth follows the voice's loudness; fading out otherwise.
            if (layer.mode == MODE_STEADY)
            {
                const float level = CSfxCore::getLevel(pl->sound, layer.timeInLayer);
                if (std::fabs(level) <= 1.0f)
                    state->setWeight(level);
            }
            else
            {
                const float w = state->getWeight() + dt * layer.rate;
                if (layer.rate == 0.0f || w < 0.0f)
                {
                    layer.mode = MODE_STEADY;
                    layer.rate = 0.0f;
                    layer.active = 0;
                    state->setWeight(0.0f);
                }
                else
                    state->setWeight(w);
            }
            changed = true;
        }
    }
    normaliseBodyWeights();
    if (changed)
        blendBindingPose();
}

void CAnimatableObject::normaliseBodyWeights()
{
    if (mCurrentPoint < 0 || mCurrentPoint > lastIndex())
        return;
    const PointLayer* body = pointLayer(mPointList[mCurrentPoint], GROUP_BODY);
    AnimLayer* current = body ? getLayer(body->layer) : nullptr;
    if (!current)
        return;
    float sum = 0.0f;
    for (const AnimLayer& layer : mLayers)
        if (layer.layerNumber == GROUP_BODY)
            sum += layer.state->getWeight();
    // Two layers still fading out could together hold more than 1; a
    // negative weight would play the animation inverted.
    current->state->setWeight(std::max(0.0f, current->state->getWeight() + 1.0f - sum));
}

void CAnimatableObject::blendBindingPose()
{
    if (!mSkeleton)
        return;
    int used = 0;
    for (const Ogre::LinkedSkeletonAnimationSource& source : mSkeleton->getLinkedSkeletonAnimationSources())
    {
        if (!source.pSkeleton || source.pSkeleton->getNumAnimations() == 0)
            continue;
        const int index = findLayerQuiet(source.pSkeleton->getAnimation(0)->getName());
        if (index < 0)
        {
            Log::print("\nCan't find anim state for %s", source.skeletonName.c_str());
            continue;
        }
        const AnimLayer& layer = mLayers[index];
        const float weight = layer.state->getWeight();
        if (weight == 0.0f)
            continue;
        if (layer.layerNumber < 0 || layer.layerNumber >= static_cast<int>(mBoneGroups.size()))
            continue;
        ++used;
        for (Ogre::Bone* bone : mBoneGroups[layer.layerNumber].bones)
        {
            if (!source.pSkeleton->hasBone(bone->getName()))
                continue;
            const Ogre::Bone* from = source.pSkeleton->getBone(bone->getName());
            blendBoneBindingPose(bone, from, weight, used == 1, false);
        }
    }
}

void blendBoneBindingPose(Ogre::Bone* bone, const Ogre::Bone* from, float weight, bool first, bool spherical)
{
    if (first)
    {
        bone->setPosition(from->getInitialPosition());
        bone->setOrientation(from->getInitialOrientation());
    }
    else
    {
        const Ogre::Vector3 own = bone->getPosition();
        bone->setPosition(own + (from->getInitialPosition() - own) * weight);
        bone->setOrientation(spherical ? Ogre::Quaternion::Slerp(weight, bone->getOrientation(),
                                                                 from->getInitialOrientation(), true)
                                       : Ogre::Quaternion::nlerp(weight, bone->getOrientation(),
                                                                 from->getInitialOrientation(), true));
    }
    bone->setInitialState();
}
