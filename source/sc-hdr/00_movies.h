// The script registered as "00_movies.sc".
#pragma once

#include "CodeScript.h"

class sc_00_movies : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_movies(int mostDerived = 1)
    {
        (void)mostDerived;
    }
};
