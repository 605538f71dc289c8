// The script registered as "07_02_scene.sc": a flashback of location 3.
// On 100 two soldiers with halberd and arquebus stand beside their leader
// and a cannon while the camera flies over the camp; at the flight's end
// the officer runs in, and when he arrives dialog 2052 plays, whose end is
// reported to the game interface.  1100 clears the scene for good.
#pragma once

#include "00_msg.h"
#include "CodeScript.h"

class sc_07_02_scene : public virtual CodeScript, public virtual sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_07_02_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void start1();
    void start2();
    void start3();
    void stop();
    void clear();

    OBJECT_HANDLE alebarda = 0;
    OBJECT_HANDLE arkebuza = 0;
    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE conq = 0;
    OBJECT_HANDLE conq2 = 0;
    OBJECT_HANDLE marvek = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE rolik1 = 0;
    OBJECT_HANDLE rolik2 = 0;
    OBJECT_HANDLE officer = 0;
    OBJECT_HANDLE pushka = 0;
    int cleared = 0;
};
