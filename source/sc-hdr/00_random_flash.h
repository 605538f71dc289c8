// The script registered as "00_random_flash.sc": a flickering light.  Every
// frame texture unit 0 of pass 1 of "material" is tinted with a grey level
// that glides from one random level to the next over a random time.
#pragma once

#include "CodeScript.h"

class sc_00_random_flash : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_random_flash(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;

    float from = 0.0f;      ///< grey level at the start of the glide
    float to = 0.0f;        ///< grey level at its end
    String material;
    float duration = 0.0f;  ///< seconds of the glide
    float elapsed = 0.0f;   ///< seconds since its start
    int timer = 0;
};
