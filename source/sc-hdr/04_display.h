// The script registered as "04_display.sc": a display of location 4 that
// unfolds when its room asks (100).  After the delay of its .scene parameter
// "start" it appears flat and opens out to its full face in half a second,
// rests half a second and then grows to its full depth in another half.
#pragma once

#include "CodeScript.h"

class sc_04_display : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_display(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    enum Phase
    {
        kOpening = 0, ///< the face opens out, the depth stays thin
        kResting = 1,
        kDeepening = 2,
    };

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    /// Waits the delay, then unfolds.
    void start1();
    /// Shows the display at scale zero and starts unfolding.
    void start2();
    void tick(float dt);

    /// (1 - cos(pi t)) / 2: a smooth rise from 0 to 1.
    static float cosFunc(float t);

    float t = 0.0f;                 ///< progress of the current phase, 0..1
    vec3 fullScale = vec3::UNIT_SCALE;
    int delay = 0;                  ///< milliseconds before the display appears
    int phase = kOpening;
    int delayTimer = 0;
    int animTimer = 0;
};
