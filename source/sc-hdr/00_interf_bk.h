// The main-menu background "00_interf_bk.sc": four characters of the story
// take turns playing their "menu" animation, rendered into "00_menu_rtt"
// and cross-faded in and out.  The main menu starts and pauses the turns.
#pragma once

#include "CodeScript.h"

class sc_00_interf_bk : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_interf_bk(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int code) override;

    /// Smooth step (3 - 2x) x^2.
    float func(float x);
    /// Blends the two units of "00_menu_rtt" by the smoothed a.
    void setOpacity(float a);
    /// Shows character i alone and starts its animation; state 0.
    void startState(int i);
    /// Stops the characters' animations where they are.
    void pauseState();

    int index = 3;             ///< current character; the first turn shows 0
    float nextEventTime = 0.0f;
    OBJECT_HANDLE girl = 0;    ///< "09_girl"
    OBJECT_HANDLE hero = 0;    ///< "01_hero"
    OBJECT_HANDLE lord = 0;    ///< "02_lord"
    int rotationEnabled = 0;
    OBJECT_HANDLE prof = 0;    ///< "03_prof"
    float stateStart = 0.0f;
    int state = 4;             ///< 0 in, 1 shown, 2 waiting, 3 out, 4 waiting for the next
    float opacity = 0.0f;

private:
    /// The character of an index (0 hero, 1 lord, 2 professor, 3 girl).
    OBJECT_HANDLE character(int i) const;
};
