#include "00_exit.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

void sc_00_exit::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    mCamMove = gApp.findObjectHandle("01_cam_move");
    mToRoom = getObjParamI(mOwner, "to_room");
    mToCam = getObjParamI(mOwner, "to_cam");
    mFromRoom = getObjParamI(mOwner, "from_room");
    mAnimMsg = getObjParamI(mOwner, "anim_msg");
    mHint = getObjParamI(mOwner, "hint");
    mCurCam = getObjParamI(mOwner, "cur_cam");
    mAnimScript = ScriptObject::handleFromParam(mOwner, "anim_script");
}

bool sc_00_exit::condsCheck()
{
    TQ_TRACE(" condsCheck()");
    return ScriptObject::cameraMatches(mCurCam);
}

bool sc_00_exit::enter()
{
    TQ_TRACE(" enter()");
    if (!condsCheck())
        return false;
    if (mAnimScript)
        sendNotify(mAnimScript, mOwner, mAnimMsg);
    sendNotify(mCamMove, mOwner, (mToRoom + 80) * 100 + mToCam);
    sendNotifyByName("00_game_interface", 301, mOwner);
    // No clicks until the camera mover reports that the flight has ended.
    setCursorMode(-1);
    return true;
}

void sc_00_exit::ON_LBUTTONUP()
{
    TQ_TRACE(" ON_LBUTTONUP()");
    enter();
}

void sc_00_exit::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    // A request from a camera this exit does not work from is not taken,
    // so nobody is left to answer later.
    if (code == 100 && enter())
    {
        mReplyTarget = sender;
        mReplyCode = 100;
    }
    // Without a camera mover no sender is the camera mover.
    if (sender != 0 && sender == mCamMove)
    {
        setCursorMode(0);
        // One answer per request: a later click must not answer it again.
        const OBJECT_HANDLE target = mReplyTarget;
        const int reply = mReplyCode;
        mReplyTarget = 0;
        mReplyCode = 0;
        if (target)
            sendNotify(target, mOwner, reply);
    }
}

void sc_00_exit::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    if (!condsCheck())
        return;
    ScriptObject::hotSpotHovered(mOwner, mHint);
}

void sc_00_exit::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    if (!condsCheck())
        return;
    ScriptObject::hotSpotLeft(mOwner, mHint);
}
