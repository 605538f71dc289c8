// The script registered as "06_05_scene.sc": the hero stands before the two
// seated men of room 06_05.  100 and 200 reach the scene by one of two
// camera flights; the end of either starts dialog 6056, whose end completes
// the interface's task.  The clear code puts the three away.
#pragma once

#include "00_msg.h"

class sc_06_05_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_05_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    /// The actors in place, the first flight.
    void start1_a();
    /// The actors in place, the second flight.
    void start1_b();
    void init();
    void clear();

    OBJECT_HANDLE bad_guy1 = 0;
    OBJECT_HANDLE bad_guy2 = 0;
    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE hero = 0;
};
