// The player's character (kind 2): walks along a path, turns towards each
// next point, blends a fixed set of animations by weight and is the sound
// system's listener.
//
// A walk is ordered by filling the public fields and turning to the first
// target: mPath (at least the start and one more point), mPathIndex = 0,
// mNotifyTarget with mNotifyAtArrival, mRun, mTakeFinalOrientation with
// mFinalOrientation, then turnTo(mPath[1]).  The first segment is walked at
// the speed times the turn's progress, so a walk that never turns stands.
#pragma once

#include "Object.h"

#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <cstdint>
#include <vector>

class CHero : public CObject
{
public:
    static const int kSlotCount = 13;
    /// Animation slots of initSkeletons.
    enum
    {
        SLOT_IDLE = 0,
        SLOT_WALK = 1,
        SLOT_DLG = 2,
        SLOT_DLG2 = 3, ///< the same state as SLOT_DLG
        SLOT_RASSUGD = 4,
    };

    /// The hero bound to the named script (empty: none); it becomes the
    /// sound listener.
    explicit CHero(const String& scriptName = String());
    ~CHero() override;

    /// Links the hero's animation skeletons and fills the slots; idle gets
    /// weight 1.  Called when the entity exists.
    void initSkeletons();
    /// One slot's weight; the other slots are scaled by (1 - weight).
    void setAnimWeight(int slot, float weight, bool blend);
    /// Starts one slot fading in at rate per second; every other fade stops.
    void fadeIn(int slot, float rate);
    /// The first slot's state whose animation name occurs in text, or null.
    Ogre::AnimationState* findState(const String& text) const;
    /// Starts turning (0.4 s) to face point.
    void turnTo(const Ogre::Vector3& point);

    /// The base object's update (own clock, timers), then the walk and the
    /// animation slots.
    void update(const Ogre::FrameEvent& evt) override;

    // ---------------------------------------------------------------------
    /// Receives the arrival notification.  A handle, not a pointer: the
    /// object that ordered the walk may be gone by the time the hero arrives.
    OBJECT_HANDLE mNotifyTarget = 0;
    std::vector<Ogre::Vector3> mPath;
    int16_t mPathIndex = 0; ///< the hero walks from mPath[i] to mPath[i + 1]
    Ogre::Quaternion mStartOrientation = Ogre::Quaternion::IDENTITY;
    Ogre::Quaternion mTargetOrientation = Ogre::Quaternion::IDENTITY;
    Ogre::Quaternion mFinalOrientation = Ogre::Quaternion::IDENTITY;
    uint8_t mTakeFinalOrientation = 0;
    uint8_t mRun = 0;
    uint8_t mNotifyAtArrival = 0;
    uint8_t mNoRun = 0; ///< walks even when mRun is set
    uint8_t mTurning = 0;
    int32_t mIdleTimerStart = -1; ///< game clock, -1 when not armed
    int32_t mIdleInterval = 1000;
    int32_t mIdleDeadline = 0;
    float mTurnProgress = 0.0f;
    Ogre::AnimationState* mStates[kSlotCount] = {};
    float mFadeRates[kSlotCount] = {};
    uint8_t mSettling = 0;
    Ogre::Vector3 mSettleStart = Ogre::Vector3::ZERO;
    Ogre::Vector3 mSettleEnd = Ogre::Vector3::ZERO;

private:
    /// Whether slot is the first slot that holds its state (SLOT_DLG2
    /// repeats SLOT_DLG's state, which must be counted once).
    bool firstOfState(int slot) const;
    void scaleOthers(int slot, float weight);
    void walk(float dt);
    void arrive();
    void blendBindingPose();
    void postNotify(const char* logLine);
};
