// The script registered as "05_08_scene.sc": the armed villain arrives in
// room 05_08.  On 100 the camera flies; 600 ms later the lord, the villain
// with his pistol and the two men with their rifles walk up to the hero.
// The flight's end starts dialog 5058, whose end completes the interface's
// task.  Nothing puts the room back: the actors stay where they stopped.
#pragma once

#include "CodeScript.h"

class sc_05_08_scene : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_08_scene(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    /// The camera flight, the voice and the room sound; the actors follow
    /// on the start timer.
    void start1();
    /// The actors appear, armed, and walk up to the hero.
    void start2();
    void start3();
    void stop();

    OBJECT_HANDLE bad_guy1 = 0;
    OBJECT_HANDLE rifle1 = 0;
    OBJECT_HANDLE bad_guy2 = 0;
    OBJECT_HANDLE rifle2 = 0;
    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE pistol = 0;
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE lord = 0;
    int start_timer = 0; ///< 0: none
    OBJECT_HANDLE villain = 0;
};
