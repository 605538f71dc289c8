#include "00_click_task.h"

#include "ScriptObject.h"
#include "Trace.h"

void sc_00_click_task::condsInit()
{
    TQ_TRACE(" condsInit()");
    for (__MSN_CONDITION& condition : mConditions)
    {
        condition.used = 0;
        condition.value = 0;
        condition.variable.clear();
        condition.initialised = 1;
    }
}

bool sc_00_click_task::loadParam(String& result, const String& base, int n, const String& postfix)
{
    TQ_TRACE(" loadParam(String& result, const String& base, int n, const String& postfix)");
    return getObjParamS(mOwner, ScriptObject::indexedKey(base, n, postfix), result);
}

int sc_00_click_task::loadParamInt(const String& base, int n, const String& postfix)
{
    TQ_TRACE(" loadParamInt(const String& base, int n, const String& postfix)");
    return getObjParamI(mOwner, ScriptObject::indexedKey(base, n, postfix));
}

bool sc_00_click_task::conditionLoad(int n)
{
    TQ_TRACE(" conditionLoad(int n)");
    __MSN_CONDITION& condition = mConditions[n];
    if (!loadParam(condition.variable, "cond_", n, "_param"))
        return false;
    condition.value = loadParamInt("cond_", n, "_val");
    condition.used = 1;
    return true;
}

void sc_00_click_task::condsLoad()
{
    TQ_TRACE(" condsLoad()");
    condsInit();
    for (int n = 0; n < kConditions; ++n)
        if (!conditionLoad(n))
            break;
}

bool sc_00_click_task::conditionCheck(const __MSN_CONDITION& condition)
{
    TQ_TRACE(" conditionCheck(const __MSN_CONDITION& condition)");
    return getVarI(condition.variable) == condition.value;
}

bool sc_00_click_task::condsCheck()
{
    TQ_TRACE(" condsCheck()");
    for (const __MSN_CONDITION& condition : mConditions)
        if (condition.used && !conditionCheck(condition))
            return false;
    return true;
}

void sc_00_click_task::dlgLoad()
{
    TQ_TRACE(" dlgLoad()");
    mDlgParamSet = getObjParamS(mOwner, "dlg_param", mDlgParam) ? 1 : 0;
    mDlgId = getObjParamI(mOwner, "dlg_id");
    mDlgIdUse = getObjParamI(mOwner, "dlg_id_use");
    mDlgObjUse = getObjParamI(mOwner, "dlg_obj_use");
    mSoundClick = getObjParamI(mOwner, "sound_click");
}

void sc_00_click_task::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    dlgLoad();
    condsLoad();
    mHint = getObjParamI(mOwner, "hint");
    String attachTo;
    if (getObjParamS(mOwner, "attach_to", attachTo))
        nodeSetParent(ScriptObject::nodeName(mOwner), attachTo);
    mAnimScript = ScriptObject::handleFromParam(mOwner, "anim_script");
    mAnimMsg = getObjParamI(mOwner, "anim_msg");
    mHideMe = getObjParamI(mOwner, "hide_me");
}

void sc_00_click_task::sayLine(int id)
{
    TQ_TRACE(" sayLine(int id)");
    sendNotifyByName("tutorial", 100, 0);
    sendNotifyByName("02_dialogs", id, mOwner);
    setCursorMode(-1);
}

void sc_00_click_task::ON_LBUTTONUP()
{
    TQ_TRACE(" ON_LBUTTONUP()");
    if (!condsCheck())
        return;
    bool linePending = false;
    const int dragItem = getConfigI("drag_item");
    if (mDlgIdUse != 0 && dragItem != 0 && (mDlgObjUse == 0 || mDlgObjUse == dragItem))
        sayLine(mDlgIdUse);
    if (mDlgId != 0 && dragItem == 0)
    {
        if (mDlgParamSet)
        {
            if (getVarI(mDlgParam) == 0)
            {
                linePending = true;
                setVarI(mDlgParam, 1);
                sayLine(mDlgId);
            }
        }
        else
        {
            linePending = true;
            sayLine(mDlgId);
        }
        if (mSoundClick != 0)
            sendNotifyByName("00_movies", mSoundClick, 0);
    }
    if (mHideMe != 0)
        setVisible(mOwner, false);
    if (!linePending)
        sendNotifyByName("00_game_interface", 777, mOwner);
    if (mAnimScript)
        sendNotify(mAnimScript, 0, mAnimMsg);
}

void sc_00_click_task::ON_NOTIFY(int code)
{
    TQ_TRACE(" ON_NOTIFY(int code)");
    // 0 stands for "no line": a code 0 is no answer of the dialog player.
    if (code == 0 || (code != mDlgId && code != mDlgIdUse))
        return;
    setCursorMode(0);
    sendNotifyByName("00_game_interface", 777, mOwner);
}

void sc_00_click_task::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    if (!condsCheck())
        return;
    mHint = getObjParamI(mOwner, "hint");
    ScriptObject::hotSpotHovered(mOwner, mHint);
}

void sc_00_click_task::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    if (!condsCheck())
        return;
    ScriptObject::hotSpotLeft(mOwner, mHint);
}
