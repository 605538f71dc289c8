// The script registered as "03_05_scene.sc": the butler lying on the floor
// of location 3 is tied up.  100 sets his story state to 3 (tied) and has
// "03_04_scene" put him into the room so; its echo 101 starts the lying
// loop and the camera animation 3/04, whose end answers the interface with
// 200.
#pragma once

#include "00_msg.h"

class sc_03_05_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_05_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    void clear();
    void init();
    void start();
    void stop();

    OBJECT_HANDLE butler = 0;
    OBJECT_HANDLE camMove = 0;
};
