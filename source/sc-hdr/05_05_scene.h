// The script registered as "05_05_scene.sc": four dialogs of room 05_05,
// each started by its own code from the interface's tasks and answered with
// that code when it has been played.  The clear code sends the worker man
// back to his place in room 05_04, cuts back to the room's view and puts
// the worker away.
#pragma once

#include "00_msg.h"

class sc_05_05_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_05_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void clear();

    OBJECT_HANDLE worker_man = 0;
    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE worker = 0;
};
