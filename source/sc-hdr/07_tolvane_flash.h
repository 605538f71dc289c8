// The script registered as "07_tolvane_flash.sc": bound to a gem's
// billboard, it makes the material of its node parameter "material" pulse
// once a second (the alpha of pass 1, unit 1) for as long as the scene lives.
#pragma once

#include "CodeScript.h"

class sc_07_tolvane_flash : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_07_tolvane_flash(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    /// 0 at the start of a pulse, 1 in its middle, about 0 at its end.
    static float pulsFunc(float x);

    float phase = 0.0f; ///< seconds into the current pulse
    String material;    ///< "" without the node parameter
    int timer = 0;
};
