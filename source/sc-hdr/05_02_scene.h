// The script registered as "05_02_scene.sc": the worker woman of room 05_02
// idles at her place, in a loop of her standing animations, from the
// room's creation on and again whenever 100 comes (the rooms around send it
// when they put themselves back).  It answers nobody.
#pragma once

#include "CodeScript.h"

class sc_05_02_scene : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_02_scene(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    /// The worker woman at her place, idling in a loop.
    void start1();

    OBJECT_HANDLE worker_woman = 0;
    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
};
