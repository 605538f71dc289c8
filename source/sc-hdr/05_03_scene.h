// The script registered as "05_03_scene.sc": three dialogs of room 05_03,
// each started by its own code from the interface's tasks and answered with
// that code when it has been played, as often as asked.  The clear code
// puts the hero and the worker away, cuts back to the room's view and lets
// the worker woman of room 05_02 take up her place again.
#pragma once

#include "00_msg.h"

class sc_05_03_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_03_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void clear();

    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE worker = 0;
    OBJECT_HANDLE worker_woman = 0;
};
