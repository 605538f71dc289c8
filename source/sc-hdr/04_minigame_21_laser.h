// The script registered as "04_minigame_21_laser.sc": the laser cannon's
// screen in room 04_04.  Asked with 250, it shows the screen and the
// projector's light and fades the screen to black over about 1.7 seconds,
// then answers 250 to the one who asked.
#pragma once

#include "CodeScript.h"

class sc_04_minigame_21_laser : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_minigame_21_laser(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    void start1();

    float level = 0.0f; ///< of the fade, 0..1
    OBJECT_HANDLE requester = 0;
    int timer = 0;
};
