// Animated characters and props: skeletal animation layers and way-points.
//
// A CAnimatableObject plays several skeletal animations at once.  Each
// animation comes from a skeleton file of its own, linked to the entity's
// skeleton as an animation source, and is cut down to one of two bone groups:
// the body ("Body", layer number 0) or the mouth ("Lip", layer number 1), so
// that lip movement driven by a voice plays over any body animation.
//
// Scripts feed the object a list of way-points (standing, talking, walking),
// start it and wait for the notification codes the way-points send.  Body
// animations cross-fade from one way-point into the next; the weights of all
// body layers always add up to 1.
//
// The world is Z-up: the object turns about Z and faces along its local X.
#pragma once

#include "Object.h"

#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <vector>

namespace Ogre
{
class Bone;
class SkeletonInstance;
} // namespace Ogre

/// The shortest rotation that turns the direction from into the direction
/// to; a half turn about Z for opposite directions.  Shared with the hero.
Ogre::Quaternion rotationBetween(const Ogre::Vector3& from, const Ogre::Vector3& to);

/// Links the skeleton file name to skeleton as an animation source (scale
/// 1) and makes sure the file is loaded, so that the entity's next refresh
/// of its animation states sees its animations.  Throws OGRE's exception
/// when the file is missing or damaged; nothing is linked then.
void linkAnimationSource(Ogre::SkeletonInstance* skeleton, const String& name);

/// Moves a bone's binding pose towards the binding pose of the same bone in
/// a linked skeleton: the first source sets it, later ones blend in by
/// weight (spherically or by normalised lerp), and the result becomes the
/// bone's initial state.
void blendBoneBindingPose(Ogre::Bone* bone, const Ogre::Bone* from, float weight, bool first, bool spherical);

class CAnimatableObject : public CObject
{
public:
    /// Bone group indices, which are also the layer numbers.
    enum
    {
        GROUP_BODY = 0,
        GROUP_LIP = 1,
    };
    /// Ways in which a layer's weight changes.
    enum
    {
        MODE_STEADY = 0,    ///< the weight stays (a lip layer follows its voice)
        MODE_CROSSFADE = 1, ///< falls from 1 to 0 across a window of animation time
        MODE_FADE = 2,      ///< changes by rate per second
    };

    struct BoneGroup
    {
        String name;
        int index = 0;
        std::vector<Ogre::Bone*> bones;
    };

    /// One animation, added from the scene file.
    struct AnimLayer
    {
        Ogre::AnimationState* state = nullptr;
        int mode = MODE_STEADY;
        float rate = 0.0f;        ///< weight per second in MODE_FADE
        float windowEnd = 0.0f;   ///< animation time, MODE_CROSSFADE
        float windowStart = 0.0f; ///< animation time, MODE_CROSSFADE
        float blendTime = 0.0f;   ///< seconds before the end of the last loop that the next point cross-fades in; 0: none
        float blendSpeed = 3.0f;  ///< weight per second when the layer fades out
        float moveSpeed = 0.0f;   ///< units per second of a way-point that walks with this animation
        float rotSpeed = 2.5f;    ///< turn progress per second of such a way-point
        int active = 0;
        int entryPoint = 0;       ///< way-point at which the layer was last started
        int layerNumber = 0;      ///< GROUP_BODY or GROUP_LIP
        float timeInLayer = 0.0f; ///< seconds since the layer was started (drives the lip level)
    };

    /// One animation of one way-point.
    struct PointLayer
    {
        int layer = -1;     ///< index into the animation layers
        int loopsLeft = 0;
        int loops = 0;      ///< negative: without end
        int layerNumber = 0;
        int sound = -1;     ///< lip layer: the sound slot whose loudness moves the mouth
    };

    struct WayPoint
    {
        Ogre::Vector3 target = Ogre::Vector3::ZERO;
        Ogre::Vector3 start = Ogre::Vector3::ZERO;
        Ogre::Quaternion orientation = Ogre::Quaternion::IDENTITY;
        std::vector<PointLayer> layers;
        int takeOrientation = 0;
        int move = 0;
        float moveSpeed = 0.0f;
        OBJECT_HANDLE notifyTarget = 0;
        int notifyCode = 0;
    };

    /// An animated object bound to the named script (empty: none).
    explicit CAnimatableObject(const String& scriptName = String());
    ~CAnimatableObject() override;

    /// Takes the entity's skeleton and sorts its bones into the two groups;
    /// does nothing once done.  Called when the entity exists.
    void initBones();

    /// Links skeletonName to the object's skeleton and adds a layer for its
    /// animation animName.  blendPercent of the animation's length (at most
    /// half of it) becomes the layer's blend time.  A skeleton that cannot be
    /// linked or lacks the animation is logged and adds no layer.
    void addAnimation(const String& animName, const String& skeletonName, float moveSpeed, float blendPercent,
                      float blendSpeed, int layerNumber);
    /// The index of the layer that plays name, or -1 (logged).
    int findAnimation(const String& name);
    /// The layer at index, or null.
    AnimLayer* getLayer(int index);

    /// A standing way-point at the node's present place that plays name
    /// loops times; code goes to target when the point is done.
    void addPoint(const String& name, int loops, OBJECT_HANDLE target, int code);
    /// A standing way-point with a body animation and a lip animation that
    /// follows the loudness of sound.  A name of zero or one character means
    /// the animation that the last way-point plays on that layer.
    void addTalkPoint(const String& bodyName, int loops, const String& lipName, int sound, OBJECT_HANDLE target,
                      int code);
    /// A way-point that plays name without end; with move it walks to
    /// position at the layer's move speed, with takeOrientation it turns to
    /// orientation on arrival.
    void addMovePoint(const String& name, const Ogre::Vector3& position, const Ogre::Quaternion& orientation, int move,
                      int takeOrientation, OBJECT_HANDLE target, int code);

    /// Begins the run at the current point (an empty list is logged).
    void start();
    /// Ends the run, empties the list and rests every layer.
    void stop();
    /// Ends the current way-point now: fades out what changes and goes on
    /// to the next way-point, or with toLast to the last one.
    void leavePoint(bool toLast);

    /// The frame update: way-point motion, then the layers.
    void update(const Ogre::FrameEvent& evt) override;

    /// The way-point being played.
    int getCurrentPoint() const { return mCurrentPoint; }
    /// Whether a run is on.
    bool isRunning() const { return mRunning != 0; }

    // ---------------------------------------------------------------------
    Ogre::SkeletonInstance* mSkeleton = nullptr;
    std::vector<BoneGroup> mBoneGroups;
    std::vector<AnimLayer> mLayers;
    Ogre::Quaternion mTargetOrientation = Ogre::Quaternion::IDENTITY;
    Ogre::Quaternion mStartOrientation = Ogre::Quaternion::IDENTITY;
    int mTurning = 0;
    float mTurnProgress = 0.0f;
    float mTurnSpeed = 0.0f;
    std::vector<WayPoint> mPointList;
    int mCurrentPoint = 0;
    int mLoop = 0; ///< after the last way-point the run goes on with the first; scripts set it
    int mRunning = 0;

private:
    int findLayerQuiet(const String& name) const;
    int findLayerForPoint(const String& name, int layerNumber);
    static PointLayer* pointLayer(WayPoint& point, int layerNumber);
    int lastIndex() const { return static_cast<int>(mPointList.size()) - 1; }
    int nextIndex() const;
    void enterPoint(int previous);
    void finishPoint(int point, bool toLast);
    void notifyPoint(const WayPoint& point);
    void turnToFace(const Ogre::Vector3& position);
    bool layerChangesAt(int layerNumber, bool toLast);
    void fadeOut(int layer);
    void normaliseBodyWeights();
    void blendBindingPose();
    void motionStep(float dt);
    void layerStep(float dt, int pointIndex);
};
