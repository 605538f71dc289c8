// The script registered as "03_lazer_switcher.sc": the laser beam of
// location 3 ("03_06_lazer", material "03_lazer").  It burns at full colour
// until 100 switches it off: the beam fades out over a second and is
// hidden.
#pragma once

#include "CodeScript.h"

class sc_03_lazer_switcher : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_lazer_switcher(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;
    void ON_TIME() override;

    /// The beam's colour, a from 0 (dark) to 1.
    void setAlpha(float a);
    void start1();

    float t = 0.0f; ///< seconds of fade
    int frameTimer = 0;
};
