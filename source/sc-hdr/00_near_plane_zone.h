// The script registered as "00_near_plane_zone.sc": a clickable area over a
// detail of a room.  A click flies the view into a close-up camera behind a
// short fade to black; while the player is there the zone's near objects
// show; the in-game interface's back control flies the view out again.  The
// zone can play a dialog before its first flight and one on its first
// arrival, send open and close codes to two animated objects, be locked by a
// game variable, and disappears for good once its hide conditions hold.
#pragma once

#include "00_msg.h"

class sc_00_near_plane_zone : public virtual CodeScript, public sc_00_msg
{
public:
    static constexpr int kConds = 16;
    static constexpr int kObjs = 16;

    /// One hide condition: the game variable param must hold value.
    struct ZONE_COND
    {
        String param;
        int value = 0;
    };
    /// One near object.
    struct OPEN_OBJ
    {
        OBJECT_HANDLE obj = 0;  ///< 0 when the name was not found
        int used = 0;           ///< 1 when the parameter existed
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_near_plane_zone(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;
    void ON_LBUTTONUP() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE src) override;

    /// The string parameter base + id (two digits) + postfix; true when it exists.
    bool loadParam(String& res, const String& base, int id, const String& postfix);
    /// Marks every near object unused.
    void initObjs();
    /// Loads "open_obj_<id>_name" into a; false when it is missing.
    bool loadObj(OPEN_OBJ& a, int id);
    /// The near objects, from 00 to the first gap.
    void loadObjs();
    /// The hide conditions, from 00 to the first gap.
    void loadConds();
    /// True when every hide condition holds (also when there is none).
    bool check_cond();
    /// False while the game variable named by "lock_var" is 1.
    bool checkUnlock();
    /// True while the object's "@picked", "@clicked" and "@used" are all 0.
    bool checkActive(OBJECT_HANDLE obj);
    /// Shows (1) or hides (0) the near objects that are still active.
    void doObjs(int v = 1);
    /// The flight into the close-up.
    void fly_in();
    /// The close-up without a flight.
    void to_close();

    int anim_close_msg = 0;
    int anim_close_msg_black = 0;
    int anim_close_msg2 = 0;
    int anim_open_msg = 0;
    int anim_open_msg_black = 0;
    int anim_open_msg2 = 0;
    OBJECT_HANDLE anim_script = 0;
    OBJECT_HANDLE anim_script2 = 0;
    int cam_in = 0;
    OBJECT_HANDLE cam_move = 0;
    int cam_out = 0;
    int state = 0;              ///< 0 outside, 1 flying in, 2 in the close-up, 3 flying out
    int cond_count = 0;
    int cur_cam = 0;
    int dlg_id = 0;             ///< 0 once its dialog has answered
    int dlg_id_near = 0;        ///< 0 once it has been sent
    OBJECT_HANDLE game_interface = 0;
    int hint = 0;
    int in_msg = 0;
    OBJECT_HANDLE loader = 0;
    ZONE_COND conds[kConds];
    OPEN_OBJ objs[kObjs];
    OBJECT_HANDLE movies = 0;
    int show_obj_after_zoomin = 0;
    int sound_close = 0;
    int sound_open = 0;

private:
    void blackIn();
    void arrival();
    void flyOut();
    void blackOut();
    void returnDone();
    void leave();
};
