// The script registered as "00_sky.sc": lightning over a sky.  Once any
// code has enabled it ("00_sky@enabled", kept in the saved game), the sky
// materials "01_nebo" and "01_fon" flash in bursts while the object's entity
// is shown, and a thunder voice (1001 to 1003 to "00_movies") opens each
// burst.
#pragma once

#include "CodeScript.h"

class sc_00_sky : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_sky(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code) override;
    void ON_TIME() override;

    float brightness = 0.0f;
    int burst = 4;                 ///< flashes left in the burst
    int thunder = 1;               ///< 1: the next flash thunders
    int pause = 0;                 ///< ms before the planned flash
    float flashDuration = 100.0f;  ///< ms
    float flashStart = 0.0f;       ///< game clock, ms
    float flashEnd = 0.0f;         ///< game clock, ms
    int timer = 0;                 ///< frame timer; 0 none

private:
    void startFrameTimer();
};
