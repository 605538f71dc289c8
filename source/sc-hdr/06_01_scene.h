// The script registered as "06_01_scene.sc": the armed men and the villain
// arrive in room 06_01.  On 100 the two men stand with their rifles in hand,
// the villain walks up and the camera flies; the flight's end starts dialog
// 6050, whose end completes the interface's task.  The clear code puts the
// actors away, cuts back to the room's view and restarts the professor's
// loop in room 06_02.
#pragma once

#include "00_msg.h"

class sc_06_01_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_01_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void start1();
    void clear();
    /// The rifles in the men's hands.
    void attachGuns();

    OBJECT_HANDLE bad_guy1 = 0;
    OBJECT_HANDLE gun1 = 0;
    OBJECT_HANDLE bad_guy2 = 0;
    OBJECT_HANDLE gun2 = 0;
    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE villain = 0;
};
