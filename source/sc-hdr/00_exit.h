// The script registered as "00_exit.sc": a room exit.  Clicked (or told with
// 100) it has the camera mover carry the view to another room's camera,
// starts an optional animation script and tells the in-game interface that
// an exit was taken; under the cursor it shows the exit cursor and a hint.
#pragma once

#include "CodeScript.h"

class sc_00_exit : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_exit(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_LBUTTONUP() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;
    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;

    /// True when the exit works from the current camera ("cur_cam" 0 or
    /// equal to the game variable "cur_cam").
    bool condsCheck();
    /// Takes the exit when condsCheck holds; true when it was taken.
    bool enter();

    int mAnimMsg = 0;                ///< "anim_msg"
    OBJECT_HANDLE mAnimScript = 0;   ///< the object named by "anim_script"
    OBJECT_HANDLE mCamMove = 0;      ///< "01_cam_move"
    int mCurCam = 0;                 ///< "cur_cam": the only camera it works from (0: all)
    int mFromRoom = 0;               ///< "from_room" (kept, not used)
    int mHint = 0;                   ///< "hint"
    int mReplyCode = 0;              ///< handed back when the camera has finished
    OBJECT_HANDLE mReplyTarget = 0;  ///< to whom (0: nobody)
    int mToCam = 0;                  ///< "to_cam"
    int mToRoom = 0;                 ///< "to_room"
};
