// The script registered as "00_pauser.sc": the pause overlay.  Code 1 shows
// "PauserOverlay" and darkens its material "interf/pauser" from white to
// black over one second; code 2 brightens it back over one second and then
// hides the overlay.
#pragma once

#include "CodeScript.h"

class sc_00_pauser : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_pauser(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;
    void ON_TIME() override;

    /// Stops the fade timer, if any.
    void kill();

    float alpha = 0.0f;         ///< fade progress, 0 (clear) to 1 (dark)
    float dt = 0.0f;            ///< seconds of the last frame
    String material;            ///< "interf/pauser"
    String overlay;             ///< "PauserOverlay"
    String container;           ///< "PauseContainer"
    int show = 0;               ///< 1 while darkening or dark, 0 while clearing
    int timer = 0;              ///< the fade timer's id, 0 when none

private:
    /// Starts the per-frame fade timer afresh.
    void startTimer();
};
