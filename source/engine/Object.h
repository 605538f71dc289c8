// Scene objects, their timers and the object collector.
//
// A CObject is the engine side of one scene node that names a game object:
// it owns the node's script, keeps the node's parameters from the .scene
// file, plays one animation on its own clock and runs up to 16 timers.  It is
// the listener of its scene node, so destroying the node deletes the object.
// Every object is registered in the global collector, which hands out the
// OBJECT_HANDLE by which scripts address it.
#pragma once

#include <OgreNode.h>

#include <cstdint>
#include <map>
#include <string>

namespace Ogre
{
class AnimationState;
class Entity;
class SceneNode;
struct FrameEvent;
} // namespace Ogre

class CVirtualScript;
class CObject;

typedef uint32_t OBJECT_HANDLE;
typedef std::string String;

/// Object kinds, stored in the high 16 bits of a handle.
enum ObjectKind
{
    OBJECT_KIND_PLAIN = 1,
    OBJECT_KIND_HERO = 2,
    OBJECT_KIND_ANIMATED = 3,
};

/// The collector slot of a handle (the only part used for lookups).
inline int handleSlot(OBJECT_HANDLE handle)
{
    return static_cast<int>(handle & 0xFFFFu);
}
/// The kind of a handle.
inline int handleKind(OBJECT_HANDLE handle)
{
    return static_cast<int>(handle >> 16);
}

/// One timer of an object.
struct CTimer
{
    uint32_t interval = 0;      ///< milliseconds
    int32_t repeats = 0;        ///< repeats left; -1 for endless
    CObject* target = nullptr;  ///< receiver of the time message
    int32_t id = 0;             ///< slot + 100
    uint32_t start = 0;         ///< game clock at start of the running period
    bool done = false;
};

/// The 16 timers of one object; ids are 100 to 115.
struct CTimerPool
{
    static constexpr int kSlots = 16;
    static constexpr int kFirstId = 100;

    int32_t highWater = 0;          ///< one past the highest slot ever used
    unsigned char used[kSlots] = {};
    int32_t live = 0;               ///< number of live timers
    CTimer timers[kSlots];

    /// Frees every timer.
    void clear();
};

/// The engine side of one game object: its node, its script and its timers.
class CObject : public Ogre::Node::Listener
{
public:
    /// An object whose script is bound elsewhere (derived classes, tools).
    CObject();
    /// An object with the script registered under scriptName (after the
    /// script-alias substitution).  Without such a script, or when the
    /// script's init fails, the object lives without a script.
    explicit CObject(const String& scriptName);
    ~CObject() override;

    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

    /// Advances the animation clock and runs the due timers.
    virtual void update(const Ogre::FrameEvent& evt);
    /// v >= 0: time v; -2: the animation's length; -1: length minus the time.
    virtual void setAnimTime(float v);

    /// The node's destruction ends the object.
    void nodeDestroyed(const Ogre::Node* node) override;

    Ogre::Entity* getEntity() const { return mEntity; }
    Ogre::SceneNode* getNode() const { return mNode; }
    OBJECT_HANDLE getHandle() const { return mHandle; }
    CVirtualScript* getScript() const { return mScript; }
    /// The scene node's name, or null when the object has no node.
    const char* getNodeName() const;

    /// Starts playing an animation state on the object's own clock; loops
    /// <= 0 play without end; notified receives the end notification.
    void setAnimation(Ogre::AnimationState* state, int loops, CObject* notified);

    // -- timers ----------------------------------------------------------
    /// Creates a timer on owner's pool; target null means the owner.
    /// Returns the id (100..115), or 0 when all 16 slots are live.
    static int createTimer(CObject* owner, uint32_t interval, int repeats, CObject* target);
    /// Kills owner's live timer with that id; an unknown id does nothing.
    static void killTimer(CObject* owner, int id);
    /// Posts a time message for every due timer and frees finished ones.
    static void updateTimers(CObject* object);

    // -- script aliases ----------------------------------------------------
    /// Pattern (wildcards, any case) to script name; filled by the loader.
    static std::map<String, String>& scriptAliases();
    /// The script name after the alias substitution.
    static String applyScriptAlias(const String& scriptName);

    // ---------------------------------------------------------------------
    CVirtualScript* mScript = nullptr;           ///< owned
    std::map<String, String> mParams;            ///< the node's parameters
    Ogre::Entity* mEntity = nullptr;             ///< set by the loader
    Ogre::SceneNode* mNode = nullptr;            ///< set by the loader
    Ogre::AnimationState* mAnimState = nullptr;  ///< animation on the own clock
    int32_t mLoopsLeft = 0;
    CObject* mNotified = nullptr;                ///< receives the animation end
    String mSceneFile;                           ///< .scene file that made the object
    CTimerPool mTimers;
    bool mPickable = false;
    bool mHovered = false;
    OBJECT_HANDLE mHandle = 0;
    float mAnimTime = 0.0f;                      ///< seconds
    float mAnimSpeed = 1.0f;
    float mCurve[4] = {0.0f, 1.0f, 0.0f, 0.0f};  ///< c0..c3 of the time curve

protected:
    /// For derived classes: registers with the given kind and binds the
    /// named script when scriptName is not empty.
    CObject(const String& scriptName, int kind);

    /// Sets the animation state's position from the own clock and curve.
    void applyAnimTime();

private:
    void bindScript(const String& scriptName, int kind);
};

/// Small 32-bit ids for animation states: the end-of-animation notification
/// carries one 32-bit word, which cannot hold a pointer on this platform.
namespace AnimIds
{
/// The id of a state (made on first use; never 0 for a state).
uint32_t idOf(Ogre::AnimationState* state);
/// The state of an id, or null when the id is unknown or was released.
Ogre::AnimationState* stateOf(uint32_t id);
/// Forgets one state (before OGRE destroys it).
void release(Ogre::AnimationState* state);
/// Forgets every state (at scene unload).
void clear();
} // namespace AnimIds

/// The global table of scene objects; it does not own them.
class CObjectCollectorTempl
{
public:
    static constexpr int kSlots = 3072;

    /// One past the highest slot in use.
    int count() const { return mCount; }
    /// The object in a slot, or null.
    CObject* at(int slot) const { return slot >= 0 && slot < kSlots ? mSlots[slot] : nullptr; }
    /// The object of a handle, or null (only the slot part is used).
    CObject* get(OBJECT_HANDLE handle) const { return handle ? at(handleSlot(handle)) : nullptr; }
    /// Stores the object in the first free slot; the handle, or 0 when full.
    OBJECT_HANDLE push_back(CObject* object, int kind);
    /// Empties the handle's slot and lowers the count past empty slots.
    void remove(OBJECT_HANDLE handle);

private:
    int mCount = 0;
    CObject* mSlots[kSlots] = {};
};

typedef CObjectCollectorTempl CObjectCollector;

extern CObjectCollectorTempl gObjectCollector;
