// The script registered as "05_06_scene.sc": the worker stands worried by
// the wagons of room 05_03 while the two wagon side zones open.  101 starts
// the scene and 100 ends it, answering the interface with 101.
#pragma once

#include "CodeScript.h"

class sc_05_06_scene : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_06_scene(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void start1();
    void stop();

    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE worker = 0;
};
