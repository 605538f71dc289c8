// The script registered as "03_04_scene.sc": the butler's room scene of
// location 3, and the keeper of the butler's story state "10_butler@state"
// (0 or 1 standing in the hall, 2 lying after the fall, 3 lying tied, 4 shut
// into the cabinet).  It puts the butler into the room as that state says
// when it is created and whenever it is asked (100, or 101 which it echoes
// to the sender).  200 plays the shot: the hero draws the gun (300), the
// syringe flies and the butler falls (400), and the interface hears 200.
// Clearing leaves the butler lying (state 2).
#pragma once

#include "00_msg.h"

class sc_03_04_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_04_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    void clear();
    /// Puts the butler into the room as his story state says.
    void start1();
    void start2();
    void start3();
    void stop();

    OBJECT_HANDLE butler = 0;
    OBJECT_HANDLE camMove = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE gun = 0;
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE syringe = 0;
    OBJECT_HANDLE syringe2 = 0;
    OBJECT_HANDLE rope1 = 0;
    OBJECT_HANDLE rope2 = 0;
};
