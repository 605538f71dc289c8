// The script registered as "06_09_scene.sc": three short cut scenes around
// the casket of location 6, each started by the game interface and
// reported back to it: 100 the casket swings on its crane (done after
// 5.4 s), 200 the hatch opens (done when the hatch's side zone says so),
// 400 the casket moves on while the lava flares up and stones fall (done at
// the end of the second camera flight).  1100 puts the camera back.
#pragma once

#include "00_msg.h"
#include "CodeScript.h"

class sc_06_09_scene : public virtual CodeScript, public virtual sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_09_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void start1();
    void start2();
    void start3_1();
    void start3_2();
    void stop1();
    void stop2();
    void stop3();
    void clear();

    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    int stage = 0;      ///< 1 swing, 2 hatch, 3 lava
    int swingTimer = 0; ///< 5.4 s of swinging
    int lavaTimer = 0;  ///< 7.2 s of flaring lava
};
