// The script registered as "00_near_open_zone.sc": a clickable object that
// opens to show something.  A click flies the view into a close-up while an
// animated object plays its opening; on arrival the object inside is taken
// (it disappears and a task code goes to the in-game interface), a dialog may
// follow, and the next click anywhere flies the view back while the closing
// plays.  Which of its two picks happens depends on counters that all zones
// of this kind share, so that zones hand items out in a fixed order.
#pragma once

#include "CodeScript.h"

#include <map>

class sc_00_near_open_zone : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_near_open_zone(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;
    void ON_LBUTTONUP() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE src) override;
    void ON_TIME() override;

    /// The counters shared by every zone of this kind for the program's run,
    /// by the ids of the .scene data (any id; all 0 at start).
    static std::map<int, int>& script_values();

    OBJECT_HANDLE anim_obj = 0;
    OBJECT_HANDLE cam_move = 0;
    int cam_in = 0;
    int cam_out = 0;
    String close_anim;
    String close_anim_skeleton;
    int state = 0;  ///< 0 outside, 1 flying in, 2 in the close-up, 3 flying out
    int dialog_id_after_pick = 0;
    int dialog_id_after_pick_02 = 0;
    int finish_mission_id = 0;
    int finish_mission_id_02 = 0;
    int lbutton_now = 0;
    int lbutton_before = 0;
    String open_anim;
    String open_anim_skeleton;
    OBJECT_HANDLE picked_obj = 0;
    OBJECT_HANDLE picked_obj_02 = 0;
    int picked_script_id = 0;
    int picked_script_id_02 = 0;
    int picked_script_value = 0;
    int picked_script_value_02 = 0;
    int start_mission_id = 0;
    int start_mission_id_02 = 0;
    int timer = 0;  ///< the wait timer (0: none)
    int update_mission_id = 0;
    int update_mission_id_02 = 0;
    int zone_script_id = 0;
    int zone_script_id_02 = 0;
    int zone_script_value = 0;
    int zone_script_value_02 = 0;
    int has_pick_02 = 0;  ///< 1 when "picked_obj_02" exists

private:
    /// One pick's test and, when it holds, the pick; true when it was taken.
    bool tryPick(OBJECT_HANDLE obj, int pickedId, int pickedValue, int zoneId, int zoneValue, int updateId,
                 int startId, int finishId, int dialogId);
    void startWait();
};
