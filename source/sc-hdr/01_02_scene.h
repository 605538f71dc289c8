// The script registered as "01_02_scene.sc": the hero stands at the crane
// "01_kran_02" while the crane does its own work; the scene is over when
// the crane answers.  A timer moves the hero on to his crane pose halfway.
#pragma once

#include "00_msg.h"
#include "CodeScript.h"

class sc_01_02_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_01_02_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    /// The hero at the crane, and the crane started.
    void start1();
    /// The hero's crane pose.
    void start2();
    /// Tells the in-game interface that the scene is over.
    void stop();
    /// Hides the hero and resets the crane.
    void clear();

    OBJECT_HANDLE camMove = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE hero = 0;
    int stepTimer = 0;
};
