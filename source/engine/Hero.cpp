// The hero: walking along a path, turning, settling, animation slots and
// the binding-pose blend.
#include "Hero.h"

#include "AnimatableObject.h"
#include "Application.h"
#include "Log.h"
#include "SfxCore.h"

#include <OgreAnimationState.h>
#include <OgreBone.h>
#include <OgreEntity.h>
#include <OgreFrameListener.h>
#include <OgreSceneNode.h>
#include <OgreSkeletonInstance.h>
#include <OgreStringConverter.h>

#include <algorithm>
#include <cstdlib>

namespace
{
const char* const kSkeletonFiles[] = {"01_guy_idle.skeleton", "01_guy_walk.skeleton", "01_guy_dlg.skeleton",
                                      "01_guy_rassugd.skeleton"};
const char* const kSlotStates[] = {"idle", "walk", "dlg", "dlg", "rassugd"};

const float kWalkSpeed = 130.0f;
const float kArrivalRadius = 25.0f;
const float kRunRadius = 50.0f;
const float kTurnRate = 2.5f;
} // namespace

CHero::CHero(const String& scriptName)
    : CObject(scriptName, OBJECT_KIND_HERO)
{
    mIdleTimerStart = static_cast<int32_t>(gApp.mGameClock);
    CSfxCore::setListener(mHandle);
    Log::print("\nSFX_CORE: Listener %d assigned", static_cast<int>(mHandle));
}

CHero::~CHero() = default;

// ---------------------------------------------------------------------------
// Animation slots

void CHero::initSkeletons()
{
    if (!mEntity || !mEntity->hasSkeleton())
        return;
    Ogre::SkeletonInstance* skeleton = mEntity->getSkeleton();
    skeleton->setBlendMode(Ogre::ANIMBLEND_CUMULATIVE);
    for (const char* file : kSkeletonFiles)
    {
        // A missing skeleton file costs its animation, not the room.
        try
        {
            linkAnimationSource(skeleton, file);
        }
        catch (const Ogre::Exception& e)
        {
            Log::print("\nERROR: Can't link skeleton '%s' to the hero '%s': %s", file,
                       getNodeName() ? getNodeName() : "", e.getDescription().c_str());
        }
    }
    mEntity->refreshAvailableAnimationState();
    Ogre::AnimationStateSet* states = mEntity->getAllAnimationStates();
    for (int slot = 0; slot < static_cast<int>(sizeof(kSlotStates) / sizeof(kSlotStates[0])); ++slot)
        mStates[slot] =
            states && states->hasAnimationState(kSlotStates[slot]) ? states->getAnimationState(kSlotStates[slot]) : nullptr;
    for (int slot = 0; slot < kSlotCount; ++slot)
    {
        if (!mStates[slot])
            continue;
        mStates[slot]->setWeight(0.0f);
        mStates[slot]->setLoop(true);
        mStates[slot]->setEnabled(false);
        mFadeRates[slot] = 0.0f;
    }
    setAnimWeight(SLOT_IDLE, 1.0f, true);
}

bool CHero::firstOfState(int slot) const
{
    for (int i = 0; i < slot; ++i)
        if (mStates[i] == mStates[slot])
            return false;
    return true;
}

void CHero::scaleOthers(int slot, float weight)
{
    // The two dialog slots share one state: scaling the twin of the slot
    // just set would undo it.
    for (int i = 0; i < kSlotCount; ++i)
    {
        if (i == slot || !mStates[i] || mStates[i] == mStates[slot] || !firstOfState(i))
            continue;
        const float scaled = mStates[i]->getWeight() * (1.0f - weight);
        mStates[i]->setWeight(scaled);
        if (scaled == 0.0f)
            mStates[i]->setEnabled(false);
    }
}

void CHero::setAnimWeight(int slot, float weight, bool blend)
{
    if (slot < 0 || slot >= kSlotCount || !mStates[slot])
        return;
    Ogre::AnimationState* state = mStates[slot];
    if (!state->getEnabled() && weight > 0.0f)
        state->setEnabled(true);
    state->setWeight(weight);
    if (weight == 0.0f)
        state->setEnabled(false);
    scaleOthers(slot, weight);
    if (blend)
        blendBindingPose();
}

void CHero::fadeIn(int slot, float rate)
{
    for (float& fade : mFadeRates)
        fade = 0.0f;
    if (slot < 0 || slot >= kSlotCount)
        return;
    mFadeRates[slot] = rate;
    if (mStates[slot])
        mStates[slot]->setEnabled(true);
}

Ogre::AnimationState* CHero::findState(const String& text) const
{
    for (Ogre::AnimationState* state : mStates)
        if (state && text.find(state->getAnimationName()) != String::npos)
            return state;
    return nullptr;
}

void CHero::turnTo(const Ogre::Vector3& point)
{
    if (!mNode)
        return;
    mTurning = 1;
    mTurnProgress = 0.0f;
    mStartOrientation = mNode->getOrientation();
    Ogre::Vector3 direction = point - mNode->getPosition();
    direction.normalise();
    direction.z = 0.0f;
    const Ogre::Vector3 facing = mStartOrientation * Ogre::Vector3::UNIT_X;
    mTargetOrientation = mStartOrientation * rotationBetween(facing, direction);
    mTargetOrientation.normalise();
}

// ---------------------------------------------------------------------------
// Walking

void CHero::postNotify(const char* logLine)
{
    Log::print("%s", logLine);
    CObject* target = gObjectCollector.get(mNotifyTarget);
    if (!target || target->getHandle() != mNotifyTarget)
        return;
    CMessage msg;
    msg.target = target;
    msg.type = MSG_NOTIFY;
    msg.setWord(0, static_cast<int32_t>(mHandle));
    gApp.postMessage(msg);
}

void CHero::arrive()
{
    mIdleTimerStart = static_cast<int32_t>(gApp.mGameClock);
    fadeIn(SLOT_IDLE, 0.5f);
    const Ogre::Vector3 last = mPath.back();
    mPath.clear();
    if (mNotifyAtArrival)
        postNotify("\nMSG!!!!!!");
    if (mTakeFinalOrientation)
    {
        mTurning = 1;
        mTurnProgress = 0.0f;
        mStartOrientation = mNode->getOrientation();
        mTargetOrientation = mFinalOrientation;
    }
    mSettling = 1;
    mSettleStart = mNode->getPosition();
    mSettleEnd = last;
}

void CHero::walk(float dt)
{
    if (!mNode)
        return;
    if (!mPath.empty())
    {
        if (mPathIndex < 0)
            mPathIndex = 0;
        // A path that ends at (or before) the present index has no next
        // point to walk to: the hero has arrived.
        if (mPathIndex + 1 >= static_cast<int>(mPath.size()))
            arrive();
        else
        {
            const Ogre::Vector3 p = mNode->getPosition();
            Ogre::Vector3 v = mPath[mPathIndex + 1] - p;
            const float dist = v.length();
            v.normalise();
            float speed = kWalkSpeed;
            const auto option = gApp.mAppState.mOptions.find("walk_speed");
            if (option != gApp.mAppState.mOptions.end())
                speed = Ogre::StringConverter::parseReal(option->second.value, kWalkSpeed);
            float radius = kArrivalRadius;
            if (mRun && !mNoRun)
            {
                radius = kRunRadius;
                speed *= 2.0f;
            }
            // The hero starts slowly while it turns towards the first point.
            const float step = mPathIndex == 0 ? speed * mTurnProgress * dt : speed * dt;
            mNode->setPosition(p + v * step);
            if (dist < radius)
            {
                ++mPathIndex;
                if (mPathIndex + 1 >= static_cast<int>(mPath.size()))
                    arrive();
                else
                    turnTo(mPath[mPathIndex + 1]);
            }
        }
    }
    if (mTurning)
    {
        mTurnProgress += dt * kTurnRate;
        if (mTurnProgress > 1.0f)
        {
            mTurnProgress = 1.0f;
            mTurning = 0;
        }
        mNode->setOrientation(Ogre::Quaternion::Slerp(mTurnProgress, mStartOrientation, mTargetOrientation, true));
    }
    if (mSettling)
    {
        // The hero stops within the arrival radius and glides the rest of
        // the way onto the target while idle fades in (0.25 of idle's
        // weight brings it there).  Without an idle animation it is put
        // there at once.
        float w = mStates[SLOT_IDLE] ? mStates[SLOT_IDLE]->getWeight() * 4.0f : 1.0f;
        w = std::min(std::max(w, 0.0f), 1.0f);
        mNode->setPosition(mSettleStart * (1.0f - w) + mSettleEnd * w);
        if (w >= 1.0f)
            mSettling = 0;
    }
}

void CHero::update(const Ogre::FrameEvent& evt)
{
    CObject::update(evt);
    const float dt = evt.timeSinceLastFrame;
    walk(dt);

    bool changed = false;
    for (int slot = 0; slot < kSlotCount; ++slot)
    {
        Ogre::AnimationState* state = mStates[slot];
        if (!state)
            continue;
        // A state held by two slots advances once a frame.
        if (state->getEnabled() && firstOfState(slot))
            state->addTime(dt);
        if (mFadeRates[slot] > 0.0f)
        {
            float w = state->getWeight() + dt * mFadeRates[slot];
            if (w > 1.0f)
            {
                w = 1.0f;
                mFadeRates[slot] = 0.0f;
                if (mNotifyTarget && slot == SLOT_IDLE && !mNotifyAtArrival)
                    postNotify("\n sending message");
            }
            state->setWeight(w);
            if (w == 0.0f)
                state->setEnabled(false);
            scaleOthers(slot, w);
            changed = true;
        }
    }
    if (changed)
        blendBindingPose();

    if (mPath.empty() && !mSettling && static_cast<int32_t>(gApp.mGameClock) > mIdleDeadline - 1000 &&
        mIdleTimerStart == -1)
    {
        fadeIn(SLOT_IDLE, 0.1f);
        mIdleTimerStart = static_cast<int32_t>(gApp.mGameClock);
        mIdleInterval = 10000 + std::rand() % 3000;
    }
}

void CHero::blendBindingPose()
{
    if (!mEntity || !mEntity->hasSkeleton())
        return;
    Ogre::SkeletonInstance* skeleton = mEntity->getSkeleton();
    int used = 0;
    for (const Ogre::LinkedSkeletonAnimationSource& source : skeleton->getLinkedSkeletonAnimationSources())
    {
        if (!source.pSkeleton)
            continue;
        Ogre::AnimationState* state = findState(source.skeletonName);
        if (!state)
        {
            Log::print("\nCan`t find anim state for %s", source.skeletonName.c_str());
            continue;
        }
        if (state->getWeight() == 0.0f || !state->getEnabled())
            continue;
        ++used;
        const float weight = state->getWeight();
        for (unsigned short handle = 0; handle < skeleton->getNumBones(); ++handle)
        {
            if (handle >= source.pSkeleton->getNumBones())
                break;
            Ogre::Bone* bone = skeleton->getBone(handle);
            const Ogre::Bone* from = source.pSkeleton->getBone(handle);
            blendBoneBindingPose(bone, from, weight, used == 1, true);
        }
    }
}
