// The script registered as "03_06_game_card.sc": a card of the card-reader
// game.
#pragma once

#include "PieceScript.h"

class sc_03_06_game_card : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_06_game_card(int mostDerived = 1);
};
