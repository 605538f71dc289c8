// What every clickable piece of a puzzle does: it turns the pointer events
// on its own object (focus, loss of focus, button down, button up) into
// codes for the mini-game that owns the puzzle.  A piece keeps no puzzle
// state and decides nothing; the game tells its pieces apart by the codes
// alone (every code goes out with sender 0).
//
// A numbered piece reads its number N from its object's name (the digits
// after the piece's name prefix) and sends N + a base per event.  Two
// families of one game keep their focus codes apart by their bases (10000
// and 20000, or 15000 and 25000 for the second family).
#pragma once

#include "CodeScript.h"

class CClickablePiece : public virtual CodeScript
{
public:
    /// A base that sends nothing for its event.
    static const int kSilent = -1;

    /// What one kind of piece sends, and to whom.
    struct Kind
    {
        const char* prefix; ///< the name prefix before N; null: no number
        const char* target; ///< the object that receives the codes
        int focus;          ///< added to N on focus
        int unfocus;        ///< added to N on loss of focus
        int press;          ///< added to N on button down, or kSilent
        int release;        ///< added to N on button up, or kSilent
    };

    explicit CClickablePiece(const Kind& kind) : mKind(kind) {}

    void ON_CREATE() override;
    void ON_LBUTTONDOWN() override;
    void ON_LBUTTONUP() override;
    /// Pieces take no orders: every code sent to a piece is ignored.
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;
    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;

    int number = 0;           ///< N, from the object's name; 0 for a piece without number
    OBJECT_HANDLE target = 0; ///< looked up once at creation; 0 when missing

private:
    void send(int base);

    const Kind mKind;
};
