#include "00_near_plane_zone.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

bool sc_00_near_plane_zone::loadParam(String& res, const String& base, int id, const String& postfix)
{
    TQ_TRACE(" loadParam(String &res, String &base, int id, String &postfix)");
    return getObjParamS(mOwner, ScriptObject::indexedKey(base, id, postfix), res);
}

void sc_00_near_plane_zone::initObjs()
{
    TQ_TRACE(" initObjs()");
    for (OPEN_OBJ& o : objs)
        o.used = 0;
}

bool sc_00_near_plane_zone::loadObj(OPEN_OBJ& a, int id)
{
    TQ_TRACE(" loadObj(OPEN_OBJ &a, int id)");
    String name;
    if (!loadParam(name, "open_obj_", id, "_name"))
        return false;
    a.obj = gApp.findObjectHandle(name);
    a.used = 1;
    return true;
}

void sc_00_near_plane_zone::loadObjs()
{
    TQ_TRACE(" loadObjs()");
    initObjs();
    for (int id = 0; id < kObjs; ++id)
        if (!loadObj(objs[id], id))
            break;
}

void sc_00_near_plane_zone::loadConds()
{
    TQ_TRACE(" loadConds()");
    cond_count = 0;
    for (int nn = 0;; ++nn)
    {
        String param;
        if (!loadParam(param, "cond_", nn, "_param"))
            break;
        if (cond_count == kConds)
        {
            Log::print("\nWARNING: %s: more than %d hide conditions, the rest are ignored",
                       ScriptObject::nodeName(mOwner).c_str(), kConds);
            break;
        }
        ZONE_COND& cond = conds[cond_count++];
        cond.param = param;
        cond.value = 1;
        String value;
        if (loadParam(value, "cond_", nn, "_value"))
            cond.value = getObjParamI(mOwner, ScriptObject::indexedKey("cond_", nn, "_value"));
    }
}

bool sc_00_near_plane_zone::check_cond()
{
    TQ_TRACE(" check_cond()");
    for (int i = 0; i < cond_count; ++i)
        if (getVarI(conds[i].param) != conds[i].value)
            return false;
    return true;
}

bool sc_00_near_plane_zone::checkUnlock()
{
    TQ_TRACE(" checkUnlock()");
    String lockVar;
    return !(getObjParamS(mOwner, "lock_var", lockVar) && getVarI(lockVar) == 1);
}

bool sc_00_near_plane_zone::checkActive(OBJECT_HANDLE obj)
{
    TQ_TRACE(" checkActive(OBJECT_HANDLE obj)");
    return ScriptObject::objectState(obj, "picked") == 0 && ScriptObject::objectState(obj, "clicked") == 0 &&
           ScriptObject::objectState(obj, "used") == 0;
}

void sc_00_near_plane_zone::doObjs(int v)
{
    TQ_TRACE(" doObjs(int v)");
    for (const OPEN_OBJ& o : objs)
        if (o.used == 1 && o.obj != 0 && checkActive(o.obj))
            setVisible(o.obj, v != 0);
}

void sc_00_near_plane_zone::fly_in()
{
    TQ_TRACE(" fly_in()");
    if (!checkUnlock())
        return;
    sendNotify(game_interface, mOwner, 300);
    state = 1;
    sendNotify(cam_move, mOwner, cam_in + 6100);
    sendNotify(loader, mOwner, 666);
    fadeEnableAccelerate();
    setCursorMode(1);
    setVisible(mOwner, false);
    if (anim_script)
    {
        sendNotify(anim_script, mOwner, anim_open_msg);
        if (sound_open)
            sendNotify(movies, 0, sound_open);
    }
    if (anim_script2)
    {
        sendNotify(anim_script2, mOwner, anim_open_msg2);
        if (sound_open)
            sendNotify(movies, 0, sound_open);
    }
}

void sc_00_near_plane_zone::to_close()
{
    TQ_TRACE(" to_close()");
    state = 2;
    doObjs(1);
    setVisible(mOwner, false);
    sendNotify(game_interface, mOwner, 302);
}

void sc_00_near_plane_zone::blackIn()
{
    sendNotify(cam_move, 0, 666);
    sendNotify(anim_script, mOwner, anim_open_msg_black);
    if (show_obj_after_zoomin == 0)
        doObjs(1);
    sendNotify(game_interface, mOwner, 2);
}

void sc_00_near_plane_zone::arrival()
{
    if (show_obj_after_zoomin != 0)
        doObjs(1);
    if (dlg_id_near != 0)
    {
        sendNotifyByName("02_dialogs", dlg_id_near, mOwner);
        dlg_id_near = 0;
    }
    state = 2;
    sendNotifyByName("00_game_interface", 304, 0);
}

void sc_00_near_plane_zone::flyOut()
{
    doObjs(0);
    sendNotify(cam_move, mOwner, cam_out + 6200);
    sendNotify(loader, mOwner, 666);
    fadeEnableAccelerate();
    state = 3;
    if (!checkUnlock())
        return;
    if (sound_close)
        sendNotify(movies, 0, sound_close);
    if (anim_script)
        sendNotify(anim_script, mOwner, anim_close_msg);
    if (anim_script2)
        sendNotify(anim_script2, mOwner, anim_close_msg2);
}

void sc_00_near_plane_zone::blackOut()
{
    sendNotify(cam_move, 0, 666);
    sendNotify(anim_script, mOwner, anim_close_msg_black);
}

void sc_00_near_plane_zone::returnDone()
{
    state = 0;
    sendNotify(game_interface, mOwner, 1);
    if (!check_cond())
        setVisible(mOwner, true);
}

void sc_00_near_plane_zone::leave()
{
    doObjs(0);
    state = 0;
    if (checkUnlock())
    {
        if (sound_close)
            sendNotify(movies, 0, sound_close);
        if (anim_script)
            sendNotify(anim_script, mOwner, anim_close_msg);
    }
    // The close-up seen from location 3, room 4, camera 5 is left into a
    // view in which the zone stays hidden.
    const bool keepHidden = getVarI("cur_loc") == 3 && getVarI("cur_room") == 4 && getVarI("cur_cam") == 5;
    if (!keepHidden && !check_cond())
        setVisible(mOwner, true);
}

void sc_00_near_plane_zone::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    hint = getObjParamI(mOwner, "hint");
    cam_move = gApp.findObjectHandle("01_cam_move");
    movies = gApp.findObjectHandle("00_movies");
    game_interface = gApp.findObjectHandle("00_game_interface");
    loader = gApp.findObjectHandle("00_loader");
    cam_out = getObjParamI(mOwner, "cam_out");
    cam_in = getObjParamI(mOwner, "cam_in");
    in_msg = getObjParamI(mOwner, "in_msg");
    dlg_id = getObjParamI(mOwner, "dlg_id");
    dlg_id_near = getObjParamI(mOwner, "dlg_id_near");
    show_obj_after_zoomin = getObjParamI(mOwner, "show_obj_after_zoomin");
    anim_script = ScriptObject::handleFromParam(mOwner, "anim_script");
    anim_script2 = ScriptObject::handleFromParam(mOwner, "anim_script2");
    cur_cam = getObjParamI(mOwner, "cur_cam");
    anim_open_msg = getObjParamI(mOwner, "anim_open_msg");
    anim_open_msg2 = getObjParamI(mOwner, "anim_open_msg2");
    anim_open_msg_black = getObjParamI(mOwner, "anim_open_msg_black");
    anim_close_msg = getObjParamI(mOwner, "anim_close_msg");
    anim_close_msg2 = getObjParamI(mOwner, "anim_close_msg2");
    anim_close_msg_black = getObjParamI(mOwner, "anim_close_msg_black");
    sound_open = getObjParamI(mOwner, "sound_open");
    sound_close = getObjParamI(mOwner, "sound_close");
    loadObjs();
    loadConds();
}

void sc_00_near_plane_zone::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    if (!ScriptObject::cameraMatches(cur_cam))
        return;
    ScriptObject::hotSpotHovered(mOwner, hint);
}

void sc_00_near_plane_zone::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    if (!ScriptObject::cameraMatches(cur_cam))
        return;
    ScriptObject::hotSpotLeft(mOwner, hint);
}

void sc_00_near_plane_zone::ON_LBUTTONUP()
{
    TQ_TRACE(" ON_LBUTTONUP()");
    if (!ScriptObject::cameraMatches(cur_cam) || getConfigI("loader_notify") != 0)
        return;
    if (dlg_id != 0)
    {
        // The flight follows the dialog's answer.
        sendNotifyByName("02_dialogs", dlg_id, mOwner);
        setCursorMode(1);
    }
    else if (state == 0)
        fly_in();
}

void sc_00_near_plane_zone::ON_NOTIFY(int param, OBJECT_HANDLE src)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE src)");
    // A code 0 stands for "no dialog" and "no message", never for an answer.
    if (param != 0 && param == dlg_id)
    {
        dlg_id = 0;
        fly_in();
    }
    if (in_msg != 0 && param == in_msg)
        fly_in();

    if (param == 444)
        state = 2;
    else if (param == 555)
        fly_in();
    else if (param == 556)
        to_close();
    else if (param == 666)
    {
        if (state == 1)
            blackIn();
        else if (state == 3)
            blackOut();
        return;
    }

    // Without a camera mover, no sender is the camera mover.
    const bool fromCamera = src != 0 && src == cam_move;
    if (fromCamera && state == 1)
        arrival();
    else if (param == 1 && state == 2)
        flyOut();
    else if (param == 2 && state == 2)
        leave();
    else if (fromCamera && state == 3)
        returnDone();
    else if (param == 1000)
    {
        if (check_cond())
            setVisible(mOwner, false);
    }
}
