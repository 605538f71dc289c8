// The script registered as "00_particles.sc": switches a particle system's
// emission on (101) and off (100), keeping the choice in the object-state
// variable "@play", or runs a one-off pair of delays (200): on after
// "time_on" ms, off after "time_off" ms, which is not saved.
#pragma once

#include "CodeScript.h"

class sc_00_particles : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_particles(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;
    void ON_TIME(int id) override;

    /// Emits when the saved "@play" is not 0, else not.
    void getPlayStop();
    /// Emission on (i not 0) or off, saved as "@play".
    void setPlayStop(int i);
    /// Starts the on and the off delay, both from now.
    void start();

    char particle[64] = {}; ///< the particle system's name
    int time_off = 0;       ///< ms from a 200 to the emission's end
    int time_on = 0;        ///< ms from a 200 to the emission's start
    int timer_off = 0;
    int timer_on = 0;
};
