// The small scripts on the pieces of a mini-game's board (boxes, buttons,
// levers, knobs, pillars, figures).  A piece does nothing in the scene
// itself: it hands the mouse events it gets to the game that owns the board,
// as its number plus a base per event, and the game does the rest.
//
// The number is what follows the piece's name prefix in its node name (only
// the prefix's length counts); pieces numbered from 1 in the room report
// from 0.  The game is found by name at creation; without it the reports go
// nowhere.
#pragma once

#include "CodeScript.h"

class CBoardPiece : public virtual CodeScript
{
public:
    /// What tells the pieces of one board apart.
    struct Kind
    {
        const char* prefix;  ///< the pieces' node names: prefix + number (null: numbered by the game)
        const char* game;    ///< the node name of the game that gets the reports
        int firstNumber;     ///< the number of the room's first piece: 0 or 1
        int focusCode;       ///< focus; loss of focus, button down and up follow at steps of 10000
    };

    enum Event
    {
        kFocus = 0,
        kFocusLost = 1,
        kButtonDown = 2,
        kButtonUp = 3,
    };

    explicit CBoardPiece(const Kind& kind) : mKind(kind) {}

    void ON_CREATE() override;
    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;
    void ON_LBUTTONDOWN() override;
    void ON_LBUTTONUP() override;

    /// Sends the event's code (number + base) to the game.
    void report(Event event, OBJECT_HANDLE sender = 0);

    int number = 0;           ///< added to every code sent
    OBJECT_HANDLE target = 0; ///< the game; 0 when it was not found

protected:
    const Kind mKind;
};
