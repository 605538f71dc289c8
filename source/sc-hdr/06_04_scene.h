// The script registered as "06_04_scene.sc": two cut scenes of room 06_04.
// 100 lets the hero fall while the camera flies; the scene ends two seconds
// before the fall animation does.  50 plays dialog 6055.  Each ends with
// 100 to the interface; the clear code puts the hero away.
#pragma once

#include "00_msg.h"

class sc_06_04_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_04_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    /// The fall: the hero placed, the camera flying, the fall timer set.
    void start1();
    /// The hero starts falling.
    void start2();
    void stop();
    void clear();

    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE hero = 0;
    int fall_lead = 2;  ///< seconds before the fall's end at which the scene ends
    int fall_timer = 0; ///< 0: none
};
