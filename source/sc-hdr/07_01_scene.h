// The script registered as "07_01_scene.sc": the game's opening scene.  On
// 100 the priest works at the rotating machine while the camera flies; a
// spot light rises from below in 9.5 s and locks onto the machine, whose
// material changes; a green texture scrolls across it and, 13 s later, the
// gem's billboard lights up.  The parchment and the first caption are
// shown; at the end of the flight the title, and when the title is done the
// scene reports to the game interface.  1100 hides parchment and title.
#pragma once

#include "00_msg.h"
#include "CodeScript.h"

class sc_07_01_scene : public virtual CodeScript, public virtual sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_07_01_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void start1();
    void stop();
    void clear();
    void riseStep();
    void greenStep();

    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE tolvane = 0;
    OBJECT_HANDLE tolvane_bb = 0;
    OBJECT_HANDLE hrenovina = 0;
    OBJECT_HANDLE priest = 0;
    OBJECT_HANDLE spot = 0;
    vec3 spotStart = vec3::ZERO; ///< where the spot ends its rise
    float rise = 0.0f;           ///< 0 below to 1 at the machine
    float greenTime = 0.0f;      ///< seconds of the green phase
    int riseTimer = 0;
    int greenTimer = 0;
};
