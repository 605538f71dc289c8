// The script registered as "02_03_scene.sc": the end screen of the last
// room of location 2.  On its start it switches the cursor off, fades in
// the survey overlay and has the menu show its survey menu; once the
// overlay is fully shown, a new press of the left button opens the survey
// link with the desktop and ends the program.  It never answers the
// interface.
#pragma once

#include "CodeScript.h"

class sc_02_03_scene : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_03_scene(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    /// The end screen starts fading in.
    void start1();
    /// The overlay's opacity.
    void setAlpha(float alpha);

    float alpha = 0.0f;
    int prevButton = 0; ///< the left button's state of the tick before
    int curButton = 0;  ///< the left button's state of this tick
    int fadeTimer = 0;
};
