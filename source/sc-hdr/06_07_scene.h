// The script registered as "06_07_scene.sc": the lava hall.  On 100 the
// hero jumps back, the camera moves, lava spurts from four particle systems
// and two stone pillars rise out of the lava, easing in and out, while the
// lava under each slows its flow; about 13 seconds later the interface's
// task is answered.  The clear code silences the hall and puts the hero
// away; the pillars stay where they are.
#pragma once

#include "00_msg.h"

class sc_06_07_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_07_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    /// One pillar that rises out of the lava.
    struct Stolb
    {
        OBJECT_HANDLE pillar = 0;
        OBJECT_HANDLE lava = 0;
        OBJECT_HANDLE hotspot = 0;
        int rising = 0;
        float progress = 0.0f; ///< 0 down in the lava, 1 fully up
        vec3 base = vec3::ZERO; ///< where the pillar stood when the room was made
        String pillarMaterial;
        String lavaMaterial;
    };

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void initStolb();
    /// The hero's jump, the first camera move, the timeline's timers.
    void start1();
    /// The second camera move, the spurts and the pillars' frame tick.
    void start2();
    void stop();
    void clear();
    /// Moves both pillars and their lava one frame of inc seconds on.
    void stolbProcess(float inc);
    /// Eases x from 0 to 1 along half a cosine wave.
    static float cosFunc(float x);

    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE debris = 0;
    Stolb stolb[2];
    // Timers of the timeline; 0: none.
    int start2_timer = 0;
    int particles_off_timer = 0;
    int pillar1_timer = 0;
    int stop_timer = 0;
    int pillar_timer = 0;
    int spurt_a_timer = 0;
    int spurt_b_timer = 0;
};
