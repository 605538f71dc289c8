// The script registered as "05_01_scene.sc": the arrival in location 5.  On
// the interface's 100 the date caption shows, the hero opens the door of
// room 05_01 and walks in, and dialog 5050 follows; its end completes the
// interface's task.  The clear code puts the hero away, gives the interface
// the start signal of the location's plan (555) and lets the worker woman
// of room 05_02 take up her place; from then on the echoes of the cut
// scene are ignored.
#pragma once

#include "00_msg.h"

class sc_05_01_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_01_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    /// Caption, voice, sounds and camera flight; the hero at the door.
    void start1();
    /// The door is open: the hero walks into the room.
    void start2();
    /// Starts the hero on the way-points start1 prepared.
    void startKate();
    void clear();

    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE worker = 0;
    OBJECT_HANDLE worker_woman = 0;
    int done = 0; ///< 1 after clear: the cut scene's echoes are ignored
};
