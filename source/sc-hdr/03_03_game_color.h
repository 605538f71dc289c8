// The script registered as "03_03_game_color.sc": a colour crystal of the
// colour-memory puzzle, or its reset object (number 5).  The crystal
// objects' names have another location digit than the prefix, which is not
// compared: only its length counts.
#pragma once

#include "PieceScript.h"

class sc_03_03_game_color : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_03_game_color(int mostDerived = 1);
};
