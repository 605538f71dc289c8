// The script registered as "00_near_plane_mini.sc": a clickable zone that
// leads into a puzzle panel standing in the room.  A click has the fader cut
// the view to the panel's camera behind a fade, shows the panel and starts
// it; the in-game interface's back control, or the panel's report that it is
// solved, brings the view back the same way.  A solved panel's zone hides.
#pragma once

#include "CodeScript.h"

class sc_00_near_plane_mini : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_near_plane_mini(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;
    void ON_LBUTTONUP() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE src) override;

    /// Tells the interface (303) and has the fader cut to the panel.
    void fly_in();
    /// The same without the interface's back control.
    void fly_in2();
    /// Has the fader cut the view to code's camera behind a fade; without
    /// a fader, cuts at once and goes on as if it had answered.
    void cut(int code);
    /// One of the fader's answers: 100 (the screen is covered) or the code
    /// itself (the fade is over).
    void faderAnswer(int param);

    int cam_in_msg = 0;                ///< "cam_in_msg": fader code to the panel's camera
    int cam_out_msg = 0;               ///< "cam_out_msg": fader code back to the room
    int state = 0;                     ///< 0 outside, 1 going in, 2 at the panel, 3 going out
    int cur_cam = 0;                   ///< "cur_cam"
    OBJECT_HANDLE fader = 0;           ///< "00_fader"
    int finished = 0;                  ///< 1 once the panel reported it is solved
    OBJECT_HANDLE game_interface = 0;  ///< "00_game_interface"
    OBJECT_HANDLE minigame_script = 0; ///< the panel named by "minigame_script"
};
