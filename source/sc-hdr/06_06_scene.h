// The script registered as "06_06_scene.sc": the two men of room 06_06 jump
// up and run out through the great door, which gives off dust.  The camera
// flight's echo ends the scene with 100 to the interface; a short dialog
// plays on the way without an answer.  The clear code puts the men and the
// dust away and stops the timeline.
#pragma once

#include "00_msg.h"

class sc_06_06_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_06_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void start1();
    /// The door's dust starts.
    void start2();
    /// The door's dust stops.
    void start3();
    void stop();
    void clear();

    OBJECT_HANDLE bad_guy1 = 0;
    OBJECT_HANDLE bad_guy2 = 0;
    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    int dialog_delay = 1150; ///< ms from the start to dialog 6057
    int dust_delay = 5000;   ///< ms from the start to the door's dust
    int dialog_timer = 0;    ///< 0: none
    int dust_on_timer = 0;   ///< 0: none
    int dust_off_timer = 0;  ///< 0: none
};
