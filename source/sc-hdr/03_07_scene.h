// The script registered as "03_07_scene.sc": the tied butler is shut into
// the turning cabinet of location 3.  100 plays it: the butler turns with
// the cabinet, gagged, the hero closes it, the cabinet's doors swing to.
// The scene answers the interface 1.5 s before the hero's animation ends
// and then sets the butler's story state to 4 (gone), which "03_04_scene"
// applies.  Clearing puts the room's own cabinet doors back and locks the
// cabinet's zone.
#pragma once

#include "00_msg.h"

class sc_03_07_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_07_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    void clear();
    void start1();
    void stop();

    OBJECT_HANDLE butler = 0;
    OBJECT_HANDLE camMove = 0;
    OBJECT_HANDLE door1 = 0; ///< the cabinet doors that the cut-scene animates
    OBJECT_HANDLE door2 = 0;
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE flap = 0;  ///< the gag on the butler's head
    float answerLead = 1.5f; ///< seconds before the end of "close_shkaf" at which the scene answers
    int answerTimer = 0;
    OBJECT_HANDLE rope1 = 0;
    OBJECT_HANDLE rope2 = 0;
};
