// The script registered as "03_globus.sc": a hot spot of location 3 over
// the place of the globe.  A click hides the hot spot and shows the globe
// "03_06_globus" and its light "03_kosmosvet", which flicker up to full
// brightness within a second while the globe turns slowly for as long as
// the room is loaded.  The click is kept in "03_globus@click", so a
// returning player finds the globe turning.
#pragma once

#include "CodeScript.h"

class sc_03_globus : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_globus(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_LBUTTONUP() override;
    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;
    void ON_TIME() override;

    /// The brightness a (the globe's angle, four per second since the
    /// click) gives: a cosine flicker that dies away into 1 after a second.
    float func(float a);
    void start();

    float t = 0.0f; ///< the globe's angle in degrees
    OBJECT_HANDLE globe = 0;
    OBJECT_HANDLE light = 0;
    int frameTimer = -1;
};
