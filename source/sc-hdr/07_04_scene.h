// The script registered as "07_04_scene.sc": a flashback of location 5.  On
// 100 the priest walks through the hall with the green gem in his left
// hand while the camera flies along; 8.45 s later the gem's billboard
// lights up in his hand; at the flight's end dialog 6060 plays, whose end
// is reported to the game interface.  The parchment frames the whole scene.
#pragma once

#include "CodeScript.h"

class sc_07_04_scene : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_07_04_scene(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void start1();
    void start2();
    void stop();
    /// The billboard comes onto the priest's hand.
    void billboardStep();

    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE tolvane = 0;
    OBJECT_HANDLE tolvane_bb = 0;
    OBJECT_HANDLE priest = 0;
    int billboardTimer = 0; ///< the newest 8.45 s timer
};
