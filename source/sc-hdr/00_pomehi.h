// The script registered as "00_pomehi.sc": interference on a screen.  Every
// "interval" ms the texture scroll of one texture unit ("pass", "unit") of
// a material jumps to a random offset, so the surface flickers like noise.
#pragma once

#include "CodeScript.h"

class sc_00_pomehi : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_pomehi(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;

    int interval = 0; ///< ms between two jumps
    String material;  ///< empty when missing
    int pass = 0;
    int timer = 0;
    int unit = 0;
};
