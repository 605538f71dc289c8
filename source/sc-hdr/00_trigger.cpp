#include "00_trigger.h"

#include "ScriptObject.h"
#include "Trace.h"

void sc_00_trigger::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    mOpen = 0;
    mAnimOpenMsg = getObjParamI(mOwner, "anim_open_msg");
    mAnimCloseMsg = getObjParamI(mOwner, "anim_close_msg");
    mAnimScript = ScriptObject::handleFromParam(mOwner, "anim_script");
    mHint = getObjParamI(mOwner, "hint");
}

void sc_00_trigger::open()
{
    TQ_TRACE(" open()");
    if (mOpen != 0)
        return;
    mOpen = 1;
    setVisible(mOwner, false);
    sendNotify(mAnimScript, 0, mAnimOpenMsg);
}

void sc_00_trigger::close()
{
    TQ_TRACE(" close()");
    if (mOpen != 1)
        return;
    sendNotify(mAnimScript, 0, mAnimCloseMsg);
    mOpen = 0;
}

void sc_00_trigger::ON_LBUTTONUP()
{
    TQ_TRACE(" ON_LBUTTONUP()");
    open();
}

void sc_00_trigger::ON_NOTIFY(int code, OBJECT_HANDLE)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    if (code == 100)
        open();
    else if (code == 200)
        close();
}

void sc_00_trigger::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    if (getVarI("az_sparkle") != 0)
        setCursorMode(3);
    if (mHint != 0)
        sendNotifyByName("00_hint", mHint, mOwner);
}

void sc_00_trigger::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    setCursorMode(1);
    if (mHint != 0)
        sendNotifyByName("00_hint", 100, mOwner);
}
