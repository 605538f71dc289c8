// Scene objects: construction with a script, the own animation clock, the
// timers and the script aliases.
#include "Object.h"

#include "Application.h"
#include "Log.h"
#include "ObjectRelease.h"
#include "ScriptRegistry.h"
#include "VirtualScript.h"

#include <OgreAnimationState.h>
#include <OgreSceneNode.h>
#include <OgreStringConverter.h>

#include <unordered_map>
#include <unordered_set>

namespace
{
// Number of links from one object to another that are not its own: timers
// aimed at another object and animation ends notified to another object.
// While it is 0 (the usual case) a destroyed object need not search the
// other objects for pointers to itself.
int gCrossLinks = 0;

const char* nameOrNull(const char* text)
{
    return text ? text : "(null)";
}

// The hold of ObjectRelease: its depth and the objects destroyed during it.
int gHoldDepth = 0;
std::unordered_set<const CObject*> gDestroyed;

// Clears every queued record's and every object's pointer to the objects
// for which dead says true: one pass over the queue, and one over the
// objects when any object points at another.
template <typename Dead> void clearReferencesTo(const Dead& dead)
{
    for (CMessage& msg : gApp.mMessages)
    {
        if (msg.target && dead(msg.target))
            msg.target = nullptr;
        if (msg.sender && dead(msg.sender))
            msg.sender = nullptr;
    }
    if (gCrossLinks > 0)
    {
        for (int slot = 0; slot < gObjectCollector.count(); ++slot)
        {
            CObject* other = gObjectCollector.at(slot);
            if (!other)
                continue;
            if (other->mNotified && dead(other->mNotified))
                other->mNotified = nullptr;
            for (CTimer& timer : other->mTimers.timers)
                if (timer.target && dead(timer.target))
                    timer.target = nullptr;
        }
    }
}
} // namespace

namespace ObjectRelease
{
void hold()
{
    ++gHoldDepth;
}

void release()
{
    if (gHoldDepth > 0 && --gHoldDepth > 0)
        return;
    if (!gDestroyed.empty())
        clearReferencesTo([](const CObject* object) { return gDestroyed.count(object) != 0; });
    gDestroyed.clear();
}

bool isDestroyed(const CObject* object)
{
    return object && !gDestroyed.empty() && gDestroyed.count(object) != 0;
}
} // namespace ObjectRelease

namespace
{
// A new object may take the address of one destroyed during the hold: the
// records still queued for the old one must not reach it.
void claimAddress(const CObject* object)
{
    if (gHoldDepth > 0 && gDestroyed.erase(object))
        clearReferencesTo([object](const CObject* other) { return other == object; });
}
} // namespace

// ---------------------------------------------------------------------------
// Construction and destruction

CObject::CObject()
{
    claimAddress(this);
    mHandle = gObjectCollector.push_back(this, OBJECT_KIND_PLAIN);
}

CObject::CObject(const String& scriptName)
{
    claimAddress(this);
    bindScript(scriptName, OBJECT_KIND_PLAIN);
}

CObject::CObject(const String& scriptName, int kind)
{
    claimAddress(this);
    if (scriptName.empty())
        mHandle = gObjectCollector.push_back(this, kind);
    else
        bindScript(scriptName, kind);
}

void CObject::bindScript(const String& scriptName, int kind)
{
    const String name = applyScriptAlias(scriptName);
    mScript = createScriptByName(name);
    if (mScript && !mScript->init(name, "General"))
    {
        delete mScript;
        mScript = nullptr;
    }
    mHandle = gObjectCollector.push_back(this, kind);
    if (mScript)
        mScript->setOwner(mHandle);
}

CObject::~CObject()
{
    mTimers.clear();
    if (mHandle)
        gObjectCollector.remove(mHandle);

    // Nothing may keep pointing at a dead object: the hovered object and the
    // camera binding would be written through by picking and the frame
    // loop, queued records would be dispatched to it, and timers or
    // animation ends of other objects would post to it.
    if (gApp.mHovered == this)
        gApp.mHovered = nullptr;
    if (gApp.mCameraBoneSource == this)
        gApp.mCameraBoneSource = nullptr;
    if (gApp.mCameraHolder == this)
        gApp.mCameraHolder = nullptr;
    if (gHoldDepth > 0)
        gDestroyed.insert(this);
    else
        clearReferencesTo([this](const CObject* object) { return object == this; });
    if (gObjectCollector.count() == 0)
        gCrossLinks = 0;

    if (mNode && mNode->getListener() == this)
        mNode->setListener(nullptr);
    delete mScript;
    mScript = nullptr;
}

void CObject::nodeDestroyed(const Ogre::Node*)
{
    // The node is going away: the destructor must not touch it any more.
    mNode = nullptr;
    delete this;
}

const char* CObject::getNodeName() const
{
    return mNode ? mNode->getName().c_str() : nullptr;
}

// ---------------------------------------------------------------------------
// The own animation clock

void CObject::setAnimation(Ogre::AnimationState* state, int loops, CObject* notified)
{
    mAnimState = state;
    mLoopsLeft = loops;
    mNotified = notified;
    mAnimTime = 0.0f;
    if (notified && notified != this)
        ++gCrossLinks;
}

void CObject::applyAnimTime()
{
    // The own clock does the looping; OGRE's own wrap would turn the last
    // pose, at exactly the length, into the first.
    if (mAnimState->getLoop())
        mAnimState->setLoop(false);
    const float length = mAnimState->getLength();
    float position = mAnimTime;
    if (length > 0.0f)
    {
        const float x = mAnimTime / length;
        float p = ((mCurve[3] * x + mCurve[2]) * x + mCurve[1]) * x + mCurve[0];
        if (p >= 1.0f)
            p = 1.0f;
        position = p * length;
    }
    mAnimState->setTimePosition(position);
}

void CObject::update(const Ogre::FrameEvent& evt)
{
    if (mAnimState && mAnimState->getEnabled() && mAnimSpeed > 0.0f)
    {
        const float length = mAnimState->getLength();
        mAnimTime += evt.timeSinceLastFrame * mAnimSpeed;
        if (mAnimTime < length)
        {
            applyAnimTime();
        }
        else
        {
            // A count of 0 or below plays without end; it is not lowered,
            // so it cannot overflow.
            if (mLoopsLeft <= 0 || --mLoopsLeft != 0)
            {
                mAnimTime -= length;
                applyAnimTime();
            }
            else
            {
                mAnimTime = length;
                applyAnimTime();
                CMessage msg;
                msg.target = mNotified;
                msg.type = MSG_NOTIFY;
                msg.setWord(0, static_cast<int32_t>(AnimIds::idOf(mAnimState)));
                gApp.postMessage(msg);
                mAnimTime = 0.0f;
                mAnimState = nullptr;
            }
        }
    }
    updateTimers(this);
}

void CObject::setAnimTime(float v)
{
    if (!mAnimState)
        return;
    if (v >= 0.0f)
        mAnimTime = v;
    else if (v == -2.0f)
        mAnimTime = mAnimState->getLength();
    else if (v == -1.0f)
        mAnimTime = mAnimState->getLength() - mAnimTime;
}

// ---------------------------------------------------------------------------
// Timers

void CTimerPool::clear()
{
    for (int i = 0; i < kSlots; ++i)
    {
        used[i] = 0;
        timers[i] = CTimer();
    }
    highWater = 0;
    live = 0;
}

int CObject::createTimer(CObject* owner, uint32_t interval, int repeats, CObject* target)
{
    if (!owner)
        return 0;
    CTimerPool& pool = owner->mTimers;
    int slot = -1;
    for (int i = 0; i < CTimerPool::kSlots && i <= pool.highWater; ++i)
    {
        if (!pool.used[i])
        {
            slot = i;
            break;
        }
    }
    if (slot < 0)
    {
        Log::print("\nERROR: WHAT THA F! WE HAVE NO ROOM FOR TIMER!");
        return 0;
    }
    if (!target)
        target = owner;
    if (target != owner)
        ++gCrossLinks;

    CTimer& timer = pool.timers[slot];
    timer.interval = interval;
    timer.repeats = repeats;
    timer.target = target;
    timer.start = gApp.mGameClock;
    timer.done = false;
    timer.id = slot + CTimerPool::kFirstId;
    if (slot >= pool.highWater)
        pool.highWater = slot + 1;
    pool.used[slot] = 1;
    ++pool.live;

    Log::print("\n%s", target->mScript ? target->mScript->getName().c_str() : "");
    Log::print("\ncreateTimer (%d,%d) object [%s] id=0x%x", slot, pool.live,
               nameOrNull(target->getNodeName()), timer.id);
    return timer.id;
}

void CObject::killTimer(CObject* owner, int id)
{
    if (!owner)
        return;
    CTimerPool& pool = owner->mTimers;
    const int liveBefore = pool.live;
    int position = 0;
    for (int slot = 0; slot < pool.highWater; ++slot)
    {
        if (!pool.used[slot])
            continue;
        if (pool.timers[slot].id == id)
        {
            Log::print("\nkillTimer (%d,%d) object [%s] id=0x%x", position, liveBefore,
                       nameOrNull(owner->getNodeName()), id);
            pool.used[slot] = 0;
            pool.timers[slot] = CTimer();
            --pool.live;
        }
        ++position;
    }
}

void CObject::updateTimers(CObject* object)
{
    CTimerPool& pool = object->mTimers;
    const int live = pool.live;
    if (live == 0)
        return;
    const uint32_t now = gApp.mGameClock;
    bool anyDone = false;
    int seen = 0;
    for (int slot = 0; slot < pool.highWater && seen < live; ++slot)
    {
        if (!pool.used[slot])
            continue;
        ++seen;
        CTimer& timer = pool.timers[slot];
        if (timer.done || static_cast<uint32_t>(now - timer.start) <= timer.interval)
            continue;
        CMessage msg;
        msg.target = timer.target;
        msg.type = MSG_TIME;
        msg.setWord(1, timer.id);
        gApp.postMessage(msg);
        // A count of 0 or below never runs out (-1 is the endless count);
        // it is not lowered, so it cannot overflow in a long session.
        if (timer.repeats > 0 && --timer.repeats == 0)
        {
            timer.done = true;
            anyDone = true;
        }
        else
        {
            timer.start = now;
        }
    }
    if (!anyDone)
        return;
    for (int slot = 0; slot < pool.highWater; ++slot)
    {
        if (pool.used[slot] && pool.timers[slot].done)
        {
            pool.used[slot] = 0;
            pool.timers[slot] = CTimer();
            --pool.live;
        }
    }
}

// ---------------------------------------------------------------------------
// Script aliases

std::map<String, String>& CObject::scriptAliases()
{
    static std::map<String, String> aliases;
    return aliases;
}

String CObject::applyScriptAlias(const String& scriptName)
{
    for (const auto& alias : scriptAliases())
    {
        if (Ogre::StringUtil::match(scriptName, alias.first, false))
            return alias.second;
    }
    return scriptName;
}

// ---------------------------------------------------------------------------
// Animation ids

namespace
{
struct AnimIdTable
{
    std::unordered_map<Ogre::AnimationState*, uint32_t> ids;
    std::unordered_map<uint32_t, Ogre::AnimationState*> states;
    uint32_t next = 1;
};

AnimIdTable& animIdTable()
{
    static AnimIdTable table;
    return table;
}
} // namespace

namespace AnimIds
{
uint32_t idOf(Ogre::AnimationState* state)
{
    if (!state)
        return 0;
    AnimIdTable& table = animIdTable();
    auto found = table.ids.find(state);
    if (found != table.ids.end())
        return found->second;
    uint32_t id = table.next++;
    if (id == 0)
        id = table.next++;
    table.ids[state] = id;
    table.states[id] = state;
    return id;
}

Ogre::AnimationState* stateOf(uint32_t id)
{
    AnimIdTable& table = animIdTable();
    auto found = table.states.find(id);
    return found == table.states.end() ? nullptr : found->second;
}

void release(Ogre::AnimationState* state)
{
    AnimIdTable& table = animIdTable();
    auto found = table.ids.find(state);
    if (found == table.ids.end())
        return;
    table.states.erase(found->second);
    table.ids.erase(found);
}

void clear()
{
    // Ids keep counting, so an id handed out before cannot name a new state.
    AnimIdTable& table = animIdTable();
    table.ids.clear();
    table.states.clear();
}
} // namespace AnimIds
