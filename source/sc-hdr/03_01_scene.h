// The script registered as "03_01_scene.sc": the hall of location 3, where
// the hero, dressed, meets the butler and then the lord.  The cut-scene is
// a counted chain: each accepted code (the task's 100, the echoes of the
// dialogs 3060 and 3061, the butler's and the lord's way-point 100, the
// loader's 101 at full black) takes the next step, whichever code it was.
// The chain plays once per load of the room; 6789 (the player skipped the
// cut-scene) freezes it, and 1100 clears the hall and has "03_04_scene"
// put the butler back as his story state says.
#pragma once

#include "00_msg.h"

class sc_03_01_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_01_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    void clear();
    void start1();
    void start2();
    void start3();
    void start4();
    void start5();
    void stop();

    OBJECT_HANDLE butler = 0;
    OBJECT_HANDLE camMove = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE lord = 0;
    int step = 0;    ///< steps taken since the room was loaded
    int skipped = 0; ///< 1 once the player skipped the cut-scene
};
