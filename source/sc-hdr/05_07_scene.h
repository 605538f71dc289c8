// The script registered as "05_07_scene.sc": the camera ride of room 05_07.
// On 100 the camera flies; a second before the ride ends the hatch lamp
// lights up, and at its end the side zone opens.  The camera mover's echo
// of the flight answers the interface with 101.  The clear code puts the
// room into its end state (lamp lit, zone open) whether or not the ride
// has run.
#pragma once

#include "00_msg.h"

class sc_05_07_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_07_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void start1();
    void stop();
    void clear();
    /// The hatch lamp lit.
    void lightLamp();
    void killTimers();

    OBJECT_HANDLE cam_move = 0;
    int ride_length = 4250; ///< ms of the camera ride
    int lamp_lead = 1000;   ///< ms before the ride's end at which the lamp lights
    int ride_timer = 0;     ///< 0: none
    int lamp_timer = 0;     ///< 0: none
};
