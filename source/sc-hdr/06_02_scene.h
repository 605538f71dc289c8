// The script registered as "06_02_scene.sc": the professor of room 06_02
// idles in a loop from the room's creation on, and again on 100 (the rooms
// around send it when they put themselves back).  Three dialogs, each
// started by its own code from the interface's tasks and answered with that
// code, in any order and as often as asked.
#pragma once

#include "00_msg.h"

class sc_06_02_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_02_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    /// The professor at his place, idling in a loop.
    void start();
    void clear();

    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE professor = 0;
};
