// The script registered as "06_04_game_figure.sc": a figure of the graph
// puzzle.  Which of the board's figures the object shows changes with every
// new board, so the game tells the piece its number (a notification with
// the number as code); until then the piece reports as number 0.
#pragma once

#include "BoardPiece.h"

class sc_06_04_game_figure : public CBoardPiece
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_04_game_figure(int mostDerived = 1) : CBoardPiece(kKind)
    {
        (void)mostDerived;
    }

    void ON_NOTIFY(int param, OBJECT_HANDLE from) override;

    static const Kind kKind;
};
