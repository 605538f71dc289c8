// The script registered as "06_water_switcher.sc": on 100 the material of
// the new water surface "06_voda" fades over about two and a half seconds;
// then the old surface "06_04_voda" is hidden.  It answers nothing.
#pragma once

#include "CodeScript.h"

class sc_06_water_switcher : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_water_switcher(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void start1();
    /// The water material's colour at fade level a.
    void setAlpha(float a);

    float alpha = 0.0f; ///< fade level; passes 1.0 at the end
    int timer = 0;      ///< frame tick of the fade; 0: none
};
