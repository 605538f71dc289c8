// The script registered as "04_05_scene.sc": a dart shot into the plastic
// puddle of location 4, played once per game.  101 starts it: smoke rises,
// the puddle fades in over a second, the dart flies after a second and the
// smoke is told to end after five; the dart's 100 when it has hit ends the
// scene.  Once played (the game variable "<own name>@already_done"), a 101
// only puts everything into its end state and answers at once.
#pragma once

#include "00_msg.h"

class sc_04_05_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_05_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    void clear();
    void start();
    void stop();

    float alphaEnd = 1.0f;    ///< the puddle's alpha after the shot
    float alphaStart = 0.0f;  ///< the puddle's alpha before it
    int done = 0;             ///< 1 once the shot has been played
    String doneVar;           ///< "<own name>@already_done"
    int smokeDelay = 5000;    ///< ms from the start to the smoke's end signal
    int smokeTimer = -1;
    float fadeTime = 0.0f;    ///< seconds of the puddle's fade played
    int fadeTimer = -1;
    float fadeDuration = 1.0f;
    int dartDelay = 1000;     ///< ms from the start to the dart's hit
    int dartTimer = -1;
};
