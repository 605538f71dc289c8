// The script registered as "07_papirus.sc": the parchment frame around the
// picture of the story's cut scenes.  100 shows it, 200 hides it.
#pragma once

#include "CodeScript.h"

class sc_07_papirus : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_07_papirus(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void start();
    void stop();
};
