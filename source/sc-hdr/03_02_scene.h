// The script registered as "03_02_scene.sc": the hero on the kerb of room
// 03_02.  Until the board crossing has been played ("01_hero@state" 0) he
// stands there in an idle loop.  100 plays the crossing, answered a second
// before it ends, after which the idle loop no longer comes back; 400
// plays the kerb giving way under him, answered when it is over, after
// which the idle loop comes back.  Both cut straight from the idle loop
// into their animation.
#pragma once

#include "00_msg.h"

class sc_03_02_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_02_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    /// The idle loop on the kerb, queued but not started.
    void addStaticAnimHero();
    void clear();
    void start1();
    void start2();
    void start3();
    void start4();
    void stop();

    float crossingTime = 13.115f; ///< seconds the board crossing lasts
    OBJECT_HANDLE camMove = 0;
    OBJECT_HANDLE dialogs = 0;
    float answerLead = 1.0f; ///< seconds before the crossing's end at which the scene answers
    OBJECT_HANDLE hero = 0;
    int answerTimer = -1;
};
