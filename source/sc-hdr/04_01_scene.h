// The script registered as "04_01_scene.sc": the lift ride into location
// 4.  100 starts the lift and the hero's ride with the camera animation
// 4/01; three seconds before the hero's "lift" animation ends the hero is
// taken away and the plate zone "04_02_plita_msz" asked to close, and its
// answer 200 ends the scene.
#pragma once

#include "00_msg.h"

class sc_04_01_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_01_scene(int mostDerived = 1) : sc_00_msg(0)
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
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE lift = 0;
    int answerLead = 3; ///< seconds before the end of the hero's "lift" at which the ride ends
    int answerTimer = -1;
};
