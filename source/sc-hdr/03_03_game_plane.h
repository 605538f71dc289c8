// The script registered as "03_03_game_plane.sc": a plane of the colour-
// memory puzzle; its codes lie 5000 above the crystals', so that the puzzle
// tells the two kinds apart.
#pragma once

#include "PieceScript.h"

class sc_03_03_game_plane : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_03_game_plane(int mostDerived = 1);
};
