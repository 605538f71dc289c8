// The script registered as "04_freska.sc": the stained-glass window of room
// 04_02 and the fresco below it.  100 lights the window (its light fades in
// over two and a half seconds and the fresco takes its lit look); 200 fades
// the light out again and leaves the window changed.  The game variable
// "freska@state" keeps how far it went: 0 untouched, 1 lit, 2 changed.
#pragma once

#include "CodeScript.h"

class sc_04_freska : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_freska(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    /// Puts the window and fresco into the state the save holds.
    void init();
    void start1();
    void stop1();
    void start2();
    void stop2();
    void fadeIn(float dt);
    void fadeOut(float dt);

    /// The fresco pieces take their lit material.
    static void lightFresco();
    /// The window takes the material of its changed state.
    static void changeWindow();
    /// The light's brightness on the light object's material.
    static void setLight(float level);

    float level = 0.0f; ///< the window light, 0 dark .. 1 full
    int fadeInTimer = 0;
    int fadeOutTimer = 0;
};
