#include "00_help_bb.h"

#include "Application.h"
#include "Log.h"
#include "Object.h"
#include "Trace.h"

#include <OgreCamera.h>
#include <OgreSceneNode.h>

namespace
{
const uint32_t kIdleMs = 30000;

String recordKey(int n, const char* suffix)
{
    String key = "obj_";
    CVirtualScript::strAddInt(n, key, 2);
    return key + suffix;
}

vec3 positionOf(OBJECT_HANDLE handle)
{
    CObject* object = gObjectCollector.get(handle);
    return object && object->getNode() ? object->getNode()->_getDerivedPosition() : vec3::ZERO;
}
} // namespace

void sc_00_help_bb::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    mGlint = gApp.findObjectHandle("00_help_bb");
    const OBJECT_HANDLE me = getOwner();
    mCount = getObjParamI(me, "count");
    if (mCount < 0 || mCount > kRecords)
    {
        Log::print("\nWARNING: 00_help_bb: count %d out of 0..%d, %d records used", mCount, kRecords,
                   mCount < 0 ? 0 : kRecords);
        mCount = mCount < 0 ? 0 : kRecords;
    }
    for (int n = 0; n < mCount; ++n)
    {
        __HELP_BB_RECORD& r = mRecords[n];
        String name;
        getObjParamS(me, recordKey(n, "_name"), name);
        r.obj = gApp.findObjectHandle(name);
        r.cam = getObjParamI(me, recordKey(n, "_cur_cam"));
        getObjParamS(me, recordKey(n, "_var"), r.var);
        getObjParamS(me, recordKey(n, "_cond"), r.condVar);
        r.condValue = getObjParamI(me, recordKey(n, "_cond_value"));
    }
    enable();
    materialBlendColour(mMaterial, 0, 0, 0.0f, 0.0f, 0.0f, 3);
}

void sc_00_help_bb::ON_NOTIFY(int code)
{
    TQ_TRACE(" ON_NOTIFY(int code)");
    (void)code;
    enable();
}

void sc_00_help_bb::enable()
{
    TQ_TRACE(" enable()");
    CObject* self = gObjectCollector.get(getOwner());
    if (!self)
        return;
    // Every notification restarts the wait; one pending wait is enough, and
    // a stack of them would use up the object's timers.
    if (mArmTimer)
        CObject::killTimer(self, mArmTimer);
    mArmTimer = CObject::createTimer(self, kIdleMs, 1, nullptr);
}

void sc_00_help_bb::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (id == mGlintTimer && mGlintTimer)
    {
        processGlint();
        return;
    }
    if (id == mArmTimer && mArmTimer)
    {
        mArmTimer = 0;
        // The glint runs once; a later arming does not speed it up.
        CObject* self = gObjectCollector.get(getOwner());
        if (!mGlintTimer && self)
            mGlintTimer = CObject::createTimer(self, 1, -1, nullptr);
    }
}

void sc_00_help_bb::processGlint()
{
    TQ_TRACE(" processGlint()");
    if (mCount == 0)
        return;
    mPhase += (gApp.mFrameMs / 1000.0f) * 0.5f;
    const float v = mPhase < 1.0f ? 4.0f * mPhase * (1.0f - mPhase) : 0.0f;
    materialBlendColour(mMaterial, 0, 0, v, v, v, 3);
    materialSetTextureRotate(mMaterial, 0, mPhase * 180.0f);

    __HELP_BB_RECORD& r = mRecords[randomInt() % mCount];
    if (!r.condMet && mPhase >= 1.0f)
        r.condMet = getVarI(r.condVar) == r.condValue ? 1 : 0;
    if (mPhase >= 8.0f && getVarI("cur_cam") == r.cam && r.doneValue == 0 && r.condMet &&
        getVarI("is_camera_moving") == 0 && getVarI("advanced") == 0)
    {
        r.doneValue = getVarI(r.var);
        if (r.doneValue == 0 && r.obj)
        {
            setPosition(mGlint, positionOf(r.obj) + vec3(0.0f, 4.0f, 0.0f));
            mPhase = 0.0f;
        }
    }

    // The glint keeps its size on screen however far the camera stands.
    CObject* camera = gApp.findObject("Camera");
    const vec3 eye = camera && camera->getNode() ? camera->getNode()->_getDerivedPosition()
                                                 : (gApp.mCamera ? gApp.mCamera->getDerivedPosition() : vec3::ZERO);
    const float size = 0.05f * eye.distance(positionOf(mGlint));
    billboardSetSize("00_help_bb", size, size);
}
