// The script registered as "05_iskri.sc": a broken cable that sparks.  The
// objects "05_03_iskri_<n>" of room 05_03 carry it, each with its own
// tuning in its .scene parameters.  After a wait (random from 2 s up to
// "interval" + 2 s, or exactly "interval" with "no_random") the particle
// system flashes for "flash_interval" ms, with a crackle when the player
// looks from the given camera of the given room, and the wait begins again,
// until the break's stop variable says that it has been mended.  A
// condition variable, when given, keeps the flash dark without changing
// the rhythm.
#pragma once

#include "CodeScript.h"

class sc_05_iskri : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_iskri(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    /// States of the spark.
    enum
    {
        WAITING = 1,
        FLASHING = 2,
    };

    void ON_CREATE() override;
    void ON_TIME(int id) override;

    /// A new wait, while the break is not mended.
    void start();
    /// The flash begins (emitting only when the condition holds).
    void flash();
    /// One frame: the countdown runs, a wait ends in a flash, a flash in a
    /// new wait.
    void tick();
    /// True while the stop variable is 0.
    bool sparking();

    int id = -1;             ///< the number in "05_03_iskri_<n>"
    String particle_name;    ///< the particle system that flashes
    String cond_param;       ///< condition variable; used when cond_value is not -1
    int cond_value = -1;     ///< -1: no condition
    String stop_param;       ///< the sparks run while this game variable is 0
    int interval = 30;       ///< seconds of the wait
    int flash_interval = 100; ///< ms of the flash
    int no_random = 0;       ///< 1: every wait is exactly interval seconds
    int cur_cam = 0;         ///< camera from which the crackle is heard; 0: never
    int cur_room = 0;        ///< room from which the crackle is heard
    int state = WAITING;
    float countdown = 0.0f;  ///< ms left of the wait or the flash
    int timer = 0;           ///< frame tick; 0: none
};
