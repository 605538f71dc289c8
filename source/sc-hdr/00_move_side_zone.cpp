#include "00_move_side_zone.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <cmath>

float sc_00_move_side_zone::cosFunc(float x)
{
    return (1.0f - std::cos(x * 3.1415f)) * 0.5f;
}

float sc_00_move_side_zone::cubeFunc(float x)
{
    return 2.9444f * x * x * x - 6.8167f * x * x + 4.8722f * x;
}

float sc_00_move_side_zone::cubeFunc2(float x)
{
    const float c = cubeFunc(x);
    return c > 1.0f ? 2.0f - c : c;
}

float sc_00_move_side_zone::cubeFunc3(float x)
{
    return 1.0f - cubeFunc2(1.0f - x);
}

int sc_00_move_side_zone::getMyParamI(const String& prm)
{
    TQ_TRACE(" getMyParamI(const String& prm)");
    return ScriptObject::objectState(mOwner, prm);
}

void sc_00_move_side_zone::setMyParamI(const String& prm, int val)
{
    TQ_TRACE(" setMyParamI(const String& prm, int val)");
    ScriptObject::setObjectState(mOwner, prm, val);
}

bool sc_00_move_side_zone::loadParam(String& result, const String& base, int id, const String& postfix)
{
    TQ_TRACE(" loadParam(String& result, const String& base, int id, const String& postfix)");
    return getObjParamS(mOwner, ScriptObject::indexedKey(base, id, postfix), result);
}

void sc_00_move_side_zone::loadObjs()
{
    TQ_TRACE(" loadObjs()");
    for (OPEN_OBJ& o : objs)
        o = OPEN_OBJ();
    for (int id = 0; id < kObjs; ++id)
    {
        String name;
        if (!loadParam(name, "open_obj_", id, "_name"))
            break;
        objs[id].obj = gApp.findObjectHandle(name);
        objs[id].used = 1;
    }
}

void sc_00_move_side_zone::loadAlts()
{
    TQ_TRACE(" loadAlts()");
    alt_count = 0;
    String name;
    while (loadParam(name, "alt_obj_", alt_count, ""))
    {
        if (alt_count == kAlts)
        {
            Log::print("\nWARNING: %s: more than %d alternative zones, the rest are ignored",
                       ScriptObject::nodeName(mOwner).c_str(), kAlts);
            break;
        }
        alts[alt_count++] = gApp.findObjectHandle(name);
    }
}

void sc_00_move_side_zone::loadPart(int n)
{
    const String base = ScriptObject::indexedKey("move_obj_", n);
    String name;
    if (!getObjParamS(mOwner, base, name))
        return;
    MOVE_ANIM& anim = anims[n];
    anim.obj = gApp.findObjectHandle(name);

    const String rotateBase = ScriptObject::indexedKey("rotate_obj_", n);
    vec3 offset = vec3::ZERO;
    vec3 axis = vec3::ZERO;
    float angle = 0.0f;
    const bool hasMove = getObjParamF(mOwner, base + "_x", offset.x);
    getObjParamF(mOwner, base + "_y", offset.y);
    getObjParamF(mOwner, base + "_z", offset.z);
    const bool hasRotate = getObjParamF(mOwner, rotateBase + "_x", axis.x);
    getObjParamF(mOwner, rotateBase + "_y", axis.y);
    getObjParamF(mOwner, rotateBase + "_z", axis.z);
    getObjParamF(mOwner, rotateBase + "_angle", angle);
    const int func = getObjParamI(mOwner, rotateBase + "_func");
    float start = 0.0f;
    float end = 1.0f;
    getObjParamF(mOwner, ScriptObject::indexedKey("start_obj_", n), start);
    getObjParamF(mOwner, ScriptObject::indexedKey("end_obj_", n), end);

    anim.start = start;
    anim.end = end;
    anim.len = end - start;
    anim.rotate = 0;
    anim.move = 0;
    if (hasMove)
    {
        anim.pos_begin = getPosition(anim.obj);
        anim.pos_end = anim.pos_begin + offset;
        anim.move = 1;
    }
    if (hasRotate)
    {
        anim.q_begin = getOrientation(anim.obj);
        anim.q_end = anim.q_begin * eulerDegToQuat(axis.x * angle, axis.y * angle, axis.z * angle);
        anim.func = func;
        anim.rotate = 1;
    }
}

void sc_00_move_side_zone::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    hint = getObjParamI(mOwner, "hint");
    String attachTo;
    if (getObjParamS(mOwner, "attach_to", attachTo))
        nodeSetParent(ScriptObject::nodeName(mOwner), attachTo);
    loadAlts();
    loadObjs();
    state = 0;
    progress = 0.0f;
    no_hide = getObjParamI(mOwner, "no_hide");
    cur_cam = getObjParamI(mOwner, "cur_cam");
    move_parts_num = getObjParamI(mOwner, "move_parts_num");
    time = 1.0f;
    getObjParamF(mOwner, "time", time);
    if (move_parts_num > kParts)
    {
        Log::print("\nWARNING: %s: %d moving parts, only the first %d move", ScriptObject::nodeName(mOwner).c_str(),
                   move_parts_num, kParts);
        move_parts_num = kParts;
    }
    for (int n = 0; n < move_parts_num; ++n)
        loadPart(n);
    sound_open = getObjParamI(mOwner, "sound_open");
    sound_close = getObjParamI(mOwner, "sound_close");

    if (getConfigI("load_from_save") != 0)
    {
        if (getMyParamI("lock") == 0)
        {
            state = 2;
            progress = 1.0f;
            update();
        }
    }
    else
    {
        setMyParamI("lock", 1);
        setMyParamI("moved", 0);
    }
}

void sc_00_move_side_zone::opening(int l)
{
    TQ_TRACE(" opening(int l)");
    if (sound_open != 0 && state != 2)
        sendNotifyByName("00_movies", sound_open, 0);
    return_back = l;
    state = 1;
    setMyParamI("moved", 1);
    if (timer == 0)
        timer = ScriptObject::startFrameTimer(mOwner);
}

void sc_00_move_side_zone::closing()
{
    TQ_TRACE(" closing()");
    if (sound_close != 0 && state != 0)
        sendNotifyByName("00_movies", sound_close, 0);
    state = 3;
    setMyParamI("moved", 0);
    if (timer == 0)
        timer = ScriptObject::startFrameTimer(mOwner);
    doObjs(0);
}

void sc_00_move_side_zone::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    dt = ScriptObject::frameSeconds();
    update();
}

void sc_00_move_side_zone::update()
{
    TQ_TRACE(" update()");
    // A "time" of 0 or less would divide by zero: such a zone moves at once.
    const float inc = time > 0.0f ? dt / time : 2.0f;
    if (state == 1)
    {
        const float before = progress;
        progress += inc;
        if (before <= 0.2f && progress > 0.2f)
            doObjs(1);
        if (progress > 1.0f)
        {
            progress = 1.0f;
            if (return_back)
                closing();
            else
                open();
        }
    }
    else if (state == 3)
    {
        progress -= inc;
        if (progress <= 0.0f)
        {
            progress = 0.0f;
            state = 0;
            close();
        }
    }
    for (MOVE_ANIM& anim : anims)
    {
        float ca;
        if (progress < anim.start)
            ca = 0.0f;
        else if (progress > anim.end)
            ca = 1.0f;
        else if (anim.len > 0.0f)
            ca = (progress - anim.start) / anim.len;
        else
            ca = 1.0f; // a window of no length: the part is at its end once reached
        if (anim.move)
            moveUpdate(anim, ca);
        if (anim.rotate)
            rotateUpdate(anim, ca);
    }
}

void sc_00_move_side_zone::moveUpdate(MOVE_ANIM& anim, float ca)
{
    const float p = cosFunc(ca);
    setPosition(anim.obj, anim.pos_begin * (1.0f - p) + anim.pos_end * p);
}

void sc_00_move_side_zone::rotateUpdate(MOVE_ANIM& anim, float ca)
{
    float p;
    if (state == 1 || state == 2)
        p = anim.func != 0 ? cosFunc(ca) : cubeFunc2(ca);
    else
        p = cubeFunc3(ca);
    setOrientation(anim.obj, Ogre::Quaternion::nlerp(p, anim.q_begin, anim.q_end, true));
}

void sc_00_move_side_zone::open()
{
    TQ_TRACE(" open()");
    state = 2;
    setMyParamI("lock", 0);
    ScriptObject::stopFrameTimer(mOwner, timer);
    if (requester != 0)
    {
        const OBJECT_HANDLE target = requester;
        requester = 0; // one answer per request
        sendNotify(target, mOwner, reply);
    }
}

void sc_00_move_side_zone::close()
{
    TQ_TRACE(" close()");
    state = 0;
    if (timer != 0)
    {
        setMyParamI("lock", 1);
        ScriptObject::stopFrameTimer(mOwner, timer);
    }
    if (requester != 0)
    {
        const OBJECT_HANDLE target = requester;
        requester = 0;
        sendNotify(target, mOwner, reply);
    }
}

int sc_00_move_side_zone::checkActive(OBJECT_HANDLE obj)
{
    TQ_TRACE(" checkActive(OBJECT_HANDLE obj)");
    return ScriptObject::objectState(obj, "picked") == 0 ? 1 : 0;
}

void sc_00_move_side_zone::doObjs(int v)
{
    TQ_TRACE(" doObjs(int v)");
    Log::print("\n\nDO OBJS\n\n");
    for (const OPEN_OBJ& o : objs)
        if (o.used && o.obj != 0 && checkActive(o.obj))
            setVisible(o.obj, v != 0);
    if (no_hide == 0)
    {
        setVisible(mOwner, false);
        setMyParamI("picked", 1);
    }
}

void sc_00_move_side_zone::closeAlts()
{
    TQ_TRACE(" closeAlts()");
    for (int i = 0; i < alt_count; ++i)
        sendNotify(alts[i], 0, 200);
}

void sc_00_move_side_zone::ON_LBUTTONUP()
{
    TQ_TRACE(" ON_LBUTTONUP()");
    if (!ScriptObject::cameraMatches(cur_cam) || getConfigI("drag_item") != 0)
        return;
    if (state == 0)
    {
        requester = 0;
        opening(0);
        closeAlts();
        sendNotifyByName("00_game_interface", 777, mOwner);
    }
    if (state == 2)
    {
        requester = 0;
        closing();
    }
}

void sc_00_move_side_zone::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    switch (code)
    {
    case 100:
        requester = sender;
        reply = 100;
        opening(0);
        break;
    case 105:
        // Set open at once: only a pending request to open is answered.
        if (reply != 100)
            requester = 0;
        progress = 1.0f;
        open();
        update();
        break;
    case 200:
    case 201:
        requester = sender;
        reply = code;
        // A neighbour that opens tells its alternatives to close, closed or
        // not: a closed zone has nothing to close, and closing it would hide
        // it and mark it picked as if it had been opened, out of the
        // player's reach for good.  It stays as it is and answers at once.
        if (state == 0)
            close();
        else
            closing();
        if (code == 201)
            closeAlts();
        break;
    case 202:
        state = 0;
        progress = 0.0f;
        ScriptObject::stopFrameTimer(mOwner, timer);
        update();
        setMyParamI("lock", 1);
        break;
    case 300:
        requester = sender;
        reply = 300;
        opening(1);
        break;
    default:
        break;
    }
}

void sc_00_move_side_zone::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    if (!ScriptObject::cameraMatches(cur_cam))
        return;
    ScriptObject::hotSpotHovered(mOwner, hint);
}

void sc_00_move_side_zone::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    if (!ScriptObject::cameraMatches(cur_cam))
        return;
    ScriptObject::hotSpotLeft(mOwner, hint);
}
