// The script registered as "05_04_scene.sc": the worker man of room 05_04
// with his gadget at the thigh and his screwdriver in the hand, idling in a
// loop.  200 sends him away for good ("bob_hide"); a later visit or saved
// game keeps him and his tools hidden, though his way-points still run.
#pragma once

#include "CodeScript.h"

class sc_05_04_scene : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_04_scene(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    /// The man at his place, idling in a loop.
    void start1();
    /// The man and his tools are gone.
    void start2();

    OBJECT_HANDLE worker_man = 0;
    OBJECT_HANDLE gadget = 0;
    OBJECT_HANDLE screwdriver = 0;
    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
};
