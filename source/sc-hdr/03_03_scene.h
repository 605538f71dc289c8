// The script registered as "03_03_scene.sc": the lord and the villain in
// room 03_03.  100 wakes the dragon panel, opens the picture zone and flies
// the camera (animation 3/02); when the flight ends the two are placed and
// dialog 3062 plays, whose end answers the interface.
#pragma once

#include "00_msg.h"

class sc_03_03_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_03_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    void clear();
    void start1();
    void start2();
    void stop();

    OBJECT_HANDLE camMove = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE lord = 0;
    OBJECT_HANDLE villain = 0;
};
