// The script registered as "00_shiver.sc": shakes the object named by
// "object" around its resting position on a sine ("ampl_x", "ampl_y",
// "ampl_z", "freq" in radians per second).  101 starts, 100 stops it; each
// switch plays "sound" through "00_movies", and the object-state variable
// "@play" keeps the switch across room loads.
#pragma once

#include "CodeScript.h"

class sc_00_shiver : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_shiver(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code) override;
    void ON_TIME() override;

    /// Shakes when the saved "@play" is not 0, else stands still.
    void getPlayStop();
    /// Shaking on (i not 0) or off, saved as "@play"; plays the sound.
    void setPlayStop(int i);

    float phase = 0.0f;                        ///< radians
    float ampl[3] = {0.0f, 0.0f, 0.0f};       ///< x, y, z amplitudes
    float freq = 0.0f;                         ///< radians per second
    OBJECT_HANDLE object = 0;                  ///< the shaken object
    vec3 rest = vec3::ZERO;                    ///< its position at creation
    int sound = 0;                             ///< code for "00_movies"; 0 none
    int timer = 0;                             ///< frame timer; 0 none
};
