// The script registered as "00_super_effect.sc": the magic effect around the
// mummy "06_mummy".  111 (show the mummy) or 112 (hide it) starts it: three
// animated effect objects appear, after 1.2 s the material "pe/mummy" glows
// up, the billboard flare runs through its frames (the mummy changes on the
// third), the glow falls, and the requester hears 900 or 901.  50 moves the
// effect onto the mummy.
#pragma once

#include "CodeScript.h"

class sc_00_super_effect : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_super_effect(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static const int kEffectObjects = 3;

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE who) override;
    void ON_TIME(int id) override;
    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;

    /// Moves the effect objects' bones and the billboard by the mummy's position.
    void init();
    /// Starts the effect: animations, effect objects shown, the delay timer.
    void start();
    /// Ends it: the answer, everything hidden, the animations stopped.
    void stop();
    /// a += b.
    static void add(vec3& a, const vec3& b);

    float glow = 0.0f;
    OBJECT_HANDLE billboard = 0;                 ///< "00_super_effect_billboard"
    int frame = 0;                               ///< texture frame counter
    int mode = 0;                                ///< 0 for 111, 1 for 112
    OBJECT_HANDLE mummy = 0;                     ///< "06_mummy"
    OBJECT_HANDLE anim_obj[kEffectObjects] = {}; ///< "00_super_effect_anim_obj_NN"
    OBJECT_HANDLE requester = 0;
    int timer_delay = -1;
    int timer_glow_in = -1;
    int timer_frames = -1;
    int timer_glow_out = -1;

private:
    void kill(int& id);
    void setGlow(float level);
};
