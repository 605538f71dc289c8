// The script registered as "04_printer.sc": the lamp of the printer in
// location 4.  100 sets it blinking (dark for a fifth of each cycle of
// about 1.4 seconds), 200 stops it where it is.  The game variable
// "04_printer@flash" keeps the blinking across saves.
#pragma once

#include "CodeScript.h"

class sc_04_printer : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_printer(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    void start();
    /// Stops blinking; the lamp keeps the look it had last.
    void stop();
    void blink(float dt);

    OBJECT_HANDLE printer = 0;
    float phase = 0.0f; ///< 0..1 over one blink cycle
    int timer = 0;
};
