// The script registered as "07_03_scene.sc": a flashback of location 4.  On
// 100 a guard paces while the leader and a soldier with his halberd wait;
// 8 s later the camera flies and the officer walks up to them; on his
// arrival dialog 3063 plays, whose end is reported to the game interface.
// The objects of "07_03_scene.scene" are shown only during the scene; 1100
// clears it for good.
#pragma once

#include "00_msg.h"
#include "CodeScript.h"

class sc_07_03_scene : public virtual CodeScript, public virtual sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_07_03_scene(int mostDerived = 1) : sc_00_msg(0)
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
    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE conq = 0;
    OBJECT_HANDLE conq3 = 0;
    OBJECT_HANDLE marvek = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE rolik = 0;
    OBJECT_HANDLE officer = 0;
    int cleared = 0;
    int walkTimer = 0; ///< 8 s of waiting before the officer comes
};
