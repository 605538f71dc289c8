#include "00_near_open_zone.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

std::map<int, int>& sc_00_near_open_zone::script_values()
{
    static std::map<int, int> values;
    return values;
}

void sc_00_near_open_zone::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = gApp.findObjectHandle("01_cam_move");
    cam_out = getObjParamI(mOwner, "cam_out");
    cam_in = getObjParamI(mOwner, "cam_in");
    dialog_id_after_pick = getObjParamI(mOwner, "dialog_id_after_pick");
    picked_obj = ScriptObject::handleFromParam(mOwner, "picked_obj");
    anim_obj = ScriptObject::handleFromParam(mOwner, "anim_obj");
    getObjParamS(mOwner, "open_anim_skeleton", open_anim_skeleton);
    getObjParamS(mOwner, "open_anim", open_anim);
    getObjParamS(mOwner, "close_anim_skeleton", close_anim_skeleton);
    getObjParamS(mOwner, "close_anim", close_anim);
    picked_script_id = getObjParamI(mOwner, "picked_script_id");
    picked_script_value = getObjParamI(mOwner, "picked_script_value");
    zone_script_id = getObjParamI(mOwner, "zone_script_id");
    zone_script_value = getObjParamI(mOwner, "zone_script_value");
    update_mission_id = getObjParamI(mOwner, "update_mission_id");
    finish_mission_id = getObjParamI(mOwner, "finish_mission_id");
    start_mission_id = getObjParamI(mOwner, "start_mission_id");
    String name;
    has_pick_02 = getObjParamS(mOwner, "picked_obj_02", name) ? 1 : 0;
    if (has_pick_02)
    {
        picked_obj_02 = gApp.findObjectHandle(name);
        picked_script_id_02 = getObjParamI(mOwner, "picked_script_id_02");
        picked_script_value_02 = getObjParamI(mOwner, "picked_script_value_02");
        zone_script_id_02 = getObjParamI(mOwner, "zone_script_id_02");
        zone_script_value_02 = getObjParamI(mOwner, "zone_script_value_02");
        update_mission_id_02 = getObjParamI(mOwner, "update_mission_id_02");
        start_mission_id_02 = getObjParamI(mOwner, "start_mission_id_02");
        finish_mission_id_02 = getObjParamI(mOwner, "finish_mission_id_02");
        dialog_id_after_pick_02 = getObjParamI(mOwner, "dialog_id_after_pick_02");
    }
}

void sc_00_near_open_zone::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    setCursorMode(3);
}

void sc_00_near_open_zone::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    setCursorMode(1);
}

void sc_00_near_open_zone::ON_LBUTTONUP()
{
    TQ_TRACE(" ON_LBUTTONUP()");
    if (state != 0)
        return;
    sendNotifyByName("01_cam_move", cam_in + 6100, mOwner);
    state = 1;
    sendNotifyByName("00_game_interface", 101, 0);
    startLinkedAnimation(anim_obj, open_anim_skeleton, open_anim, 1, mOwner);
}

void sc_00_near_open_zone::startWait()
{
    // A second start would leave the first timer running for ever.
    if (timer == 0)
        timer = ScriptObject::startFrameTimer(mOwner);
}

bool sc_00_near_open_zone::tryPick(OBJECT_HANDLE obj, int pickedId, int pickedValue, int zoneId, int zoneValue,
                                   int updateId, int startId, int finishId, int dialogId)
{
    std::map<int, int>& values = script_values();
    if (values[pickedId] != pickedValue || values[zoneId] != zoneValue)
        return false;
    setVisible(obj, false);
    values[pickedId] += 1;
    int task = 0;
    if (updateId != 0)
        task = 7000 + updateId;
    else if (startId != 0)
        task = 8000 + startId;
    else if (finishId != 0)
        task = 9000 + finishId;
    if (task != 0)
        sendNotifyByName("00_game_interface", task, 0);
    if (dialogId != 0)
        sendNotifyByName("02_dialogs", dialogId, mOwner);
    else
        startWait();
    return true;
}

void sc_00_near_open_zone::ON_NOTIFY(int param, OBJECT_HANDLE src)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE src)");
    // 0 stands for "no dialog"; a code 0 is no dialog's answer.
    if (param != 0 && (param == dialog_id_after_pick || param == dialog_id_after_pick_02))
        startWait();
    if (src == 0 || src != cam_move)
        return;
    if (state == 1)
    {
        state = 2;
        if (tryPick(picked_obj, picked_script_id, picked_script_value, zone_script_id, zone_script_value,
                    update_mission_id, start_mission_id, finish_mission_id, dialog_id_after_pick))
            return;
        // Without "picked_obj_02" there is no second pick: its ids of 0
        // would otherwise raise counter 0 that other zones count on.
        if (has_pick_02 &&
            tryPick(picked_obj_02, picked_script_id_02, picked_script_value_02, zone_script_id_02,
                    zone_script_value_02, update_mission_id_02, start_mission_id_02, finish_mission_id_02,
                    dialog_id_after_pick_02))
            return;
        startWait();
    }
    else if (state == 3)
    {
        state = 0;
        sendNotifyByName("00_game_interface", 100, 0);
    }
}

void sc_00_near_open_zone::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    lbutton_before = lbutton_now;
    lbutton_now = ScriptObject::leftButtonDown() ? 1 : 0;
    if (lbutton_before != 0 && lbutton_now == 0)
    {
        sendNotifyByName("01_cam_move", cam_out + 6100, mOwner);
        state = 3;
        ScriptObject::stopFrameTimer(mOwner, timer);
        startLinkedAnimation(anim_obj, close_anim_skeleton, close_anim, 1, 0);
    }
}
