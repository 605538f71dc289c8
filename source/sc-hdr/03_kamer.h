// The script registered as "03_kamer.sc": a surveillance camera of location
// 3 that swings its own object between 170 and 190 degrees about Z, a full
// swing in 20 s, until 100 stops it where it is.  The stop is kept in
// "03_kamer@stop": a stopped camera does not move again.
#pragma once

#include "CodeScript.h"

class sc_03_kamer : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_kamer(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;
    void ON_TIME() override;

    /// The triangle wave of a swing: *b rises from 0 to 1 over a in 0..0.5
    /// and falls back to 0 over 0.5..1.
    void func(float a, float* b);
    void start();

    float phase = 0.0f;  ///< 0..1, one swing
    int frameTimer = -1; ///< 0 once stopped
};
