#include "00_simple_animator.h"

#include "Application.h"
#include "Log.h"
#include "Object.h"
#include "Trace.h"

#include <cstdio>

namespace
{
const char* const kCamMove = "01_cam_move";

String recordKey(const String& prefix, int index, const String& suffix)
{
    char number[16];
    std::snprintf(number, sizeof(number), "%02d", index);
    return prefix + number + suffix;
}
} // namespace

String sc_00_simple_animator::myName()
{
    CObject* object = gObjectCollector.get(getOwner());
    const char* name = object ? object->getNodeName() : nullptr;
    return name ? name : "";
}

sc_00_simple_animator::ANIM* sc_00_simple_animator::anim(int index)
{
    return index >= 0 && index < kRecords ? &mAnims[index] : nullptr;
}

void sc_00_simple_animator::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    const OBJECT_HANDLE own = getOwner();
    loadAnims();
    loadCammoves();
    mCurAnim = getMyParamI("cur_anim");
    mNoCamReturn = getObjParamI(own, "no_cam_return");
    playAnimAt(mCurAnim);

    String attachTo;
    String attachBone;
    if (getObjParamS(own, "attach_to", attachTo) && getObjParamS(own, "attach_bone", attachBone))
    {
        mAttachTo = gApp.findObjectHandle(attachTo);
        float scale = 0.0f;
        String boneToScale;
        if (getObjParamF(own, "scale", scale) && getObjParamS(own, "bone_to_scale", boneToScale))
            bonesSetManual(own, boneToScale, vec3(scale, scale, scale));
        attachObjToBone(mAttachTo, own, attachBone.c_str(), false);
    }
}

void sc_00_simple_animator::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    timerCammoves(id);
}

void sc_00_simple_animator::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    notifyAnims(code, sender);
    notifyCammoves(code, sender);
}

void sc_00_simple_animator::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    if (getVarI("az_sparkle") != 0)
        setCursorMode(3);
}

void sc_00_simple_animator::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    setCursorMode(1);
}

int sc_00_simple_animator::getMyParamI(const String& key)
{
    return getVarI(myName() + "@" + key);
}

void sc_00_simple_animator::setMyParamI(const String& key, int value)
{
    setVarI(myName() + "@" + key, value);
}

int sc_00_simple_animator::loadParam(String& result, const String& prefix, int index, const String& suffix)
{
    return getObjParamS(getOwner(), recordKey(prefix, index, suffix), result) ? 1 : 0;
}

int sc_00_simple_animator::loadParamInt(const String& prefix, int index, const String& suffix)
{
    return getObjParamI(getOwner(), recordKey(prefix, index, suffix));
}

int sc_00_simple_animator::isLoadParamInt(const String& prefix, int index, const String& suffix, int& value)
{
    String text;
    if (!loadParam(text, prefix, index, suffix))
        return 0;
    value = loadParamInt(prefix, index, suffix);
    return 1;
}

void sc_00_simple_animator::loadAnim(ANIM& record, int index)
{
    TQ_TRACE(" loadAnim(ANIM& record, int index)");
    loadParent();
    record = ANIM();
    if (!loadParam(record.name, "anim_", index, "_name"))
        return;
    record.used = 1;
    loadParam(record.skel, "anim_", index, "_skel");
    record.times = loadParamInt("anim_", index, "_times");
    record.notify = loadParamInt("anim_", index, "_notify");
    record.owner = getOwner();
    record.speed = loadParamInt("anim_", index, "_speed");
    record.next_anim = index + 1;
    isLoadParamInt("anim_", index, "_next_anim", record.next_anim);
    record.sound = loadParamInt("anim_", index, "_sound");
    record.sound_room = loadParamInt("anim_", index, "_sound_room");
}

void sc_00_simple_animator::loadAnims()
{
    TQ_TRACE(" loadAnims()");
    for (ANIM& record : mAnims)
        record.used = 0;
    for (int i = 0; i < kRecords; ++i)
    {
        loadAnim(mAnims[i], i);
        if (!mAnims[i].used)
            break;
    }
}

void sc_00_simple_animator::loadCammove(CAM_MOVE& move, int index)
{
    TQ_TRACE(" loadCammove(CAM_MOVE& move, int index)");
    move = CAM_MOVE();
    if (!isLoadParamInt("cam_move_", index, "_msg", move.msg))
        return;
    move.used = 1;
    move.notify = loadParamInt("cam_move_", index, "_notify");
    move.time = loadParamInt("cam_move_", index, "_time");
}

void sc_00_simple_animator::loadCammoves()
{
    TQ_TRACE(" loadCammoves()");
    for (int i = 0; i < kRecords; ++i)
    {
        loadCammove(mCamMoves[i], i);
        if (!mCamMoves[i].used)
            break;
    }
}

void sc_00_simple_animator::loadParent()
{
    const String name = getVarS(myName() + "@parent");
    mParent = name.empty() ? 0 : gApp.findObjectHandle(name);
}

void sc_00_simple_animator::setParent(OBJECT_HANDLE parent)
{
    mParent = parent;
    CObject* object = gObjectCollector.get(parent);
    const char* name = object ? object->getNodeName() : nullptr;
    setVarS(myName() + "@parent", name ? name : "");
}

void sc_00_simple_animator::playAnim(ANIM& record)
{
    TQ_TRACE(" playAnim(ANIM& record)");
    if (!record.used)
    {
        Log::print("\nERROR: You try to play unused animation!");
        return;
    }
    const OBJECT_HANDLE own = getOwner();
    if (!record.skel.empty())
        record.identity = startLinkedAnimation(own, record.skel, record.name, record.times, record.owner);
    else
        record.identity = animPlay(own, record.name, record.times, record.owner);
    if (record.sound != 0 && (record.sound_room == 0 || record.sound_room == getVarI("cur_room")))
        sendNotifyByName("00_movies", record.sound, 0);
    setObjAnimSpeed(own, record.speed);
}

void sc_00_simple_animator::playAnimAt(int index)
{
    if (ANIM* record = anim(index))
        playAnim(*record);
    else
        Log::print("\nERROR: You try to play unused animation!");
}

void sc_00_simple_animator::notifyAnims(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" notifyAnims(int code, OBJECT_HANDLE sender)");
    ANIM* current = anim(mCurAnim);
    // An animation that could not start has identity 0, which no end
    // notification carries.
    if (current && current->used && current->identity != 0 && code == current->identity)
    {
        if (mParent)
            sendNotify(mParent, getOwner(), current->notify);
        // The camera goes back only where a code started the animation and
        // the place was kept; an animation of the idle chain moved no
        // camera, and the mover would take a code for no place as the end
        // of its own flight.
        if (!mNoCamReturn && mSavedRoom >= 0 && mSavedCam >= 0)
            sendNotifyByName(kCamMove, (mSavedRoom + 50) * 100 + mSavedCam, 0);
        mSavedRoom = -1;
        mSavedCam = -1;
        setParent(0);
        mCurAnim = current->next_anim;
        setMyParamI("cur_anim", mCurAnim);
        playAnimAt(mCurAnim);
        return;
    }
    for (int i = 0; i < kRecords; ++i)
    {
        if (!mAnims[i].used || mAnims[i].notify != code)
            continue;
        mSavedCam = getVarI("cur_cam");
        mSavedRoom = getVarI("cur_room");
        setParent(sender);
        playAnim(mAnims[i]);
        mCurAnim = i;
        setMyParamI("cur_anim", i);
        return;
    }
}

void sc_00_simple_animator::notifyCammoves(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" notifyCammoves(int code, OBJECT_HANDLE sender)");
    (void)sender;
    CObject* own = gObjectCollector.get(getOwner());
    for (CAM_MOVE& move : mCamMoves)
        if (move.used && move.notify == code)
            move.timer = own ? CObject::createTimer(own, static_cast<uint32_t>(move.time), 1, own) : 0;
}

void sc_00_simple_animator::timerCammoves(int id)
{
    TQ_TRACE(" timerCammoves(int id)");
    for (CAM_MOVE& move : mCamMoves)
    {
        if (!move.used || move.timer == 0 || move.timer != id)
            continue;
        // Timer ids are reused once a timer is done: a fired move forgets
        // its id so that a later timer cannot fire it again.
        move.timer = 0;
        sendNotifyByName(kCamMove, move.msg, 0);
    }
}
