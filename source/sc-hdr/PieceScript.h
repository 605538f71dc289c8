// The clickable pieces of the puzzles: chips, crystals, letters, books,
// buttons and the like.  A piece reports the pointer's events on its own
// object to the puzzle object that owns it, as its number plus a code base
// per event; the number is read from the piece's object name, after its
// prefix, and may be shifted so that the puzzle's indices start at 0.  The
// piece keeps no puzzle state and ignores whatever is sent to it.
#pragma once

#include "CodeScript.h"

class CPieceScript : public virtual CodeScript
{
public:
    /// The code bases of the four events; 0 leaves the event unreported.
    struct _PIECE_CODES
    {
        int focus;
        int lossOfFocus;
        int down;
        int up;
    };
    /// Focus 10000, loss of focus 20000, button down 30000, button up 40000.
    static const _PIECE_CODES kStandard;

    /// prefix: the text before the number in the piece's object name;
    /// shift: added to that number; targetName: the puzzle's object.
    CPieceScript(const char* prefix, int shift, const char* targetName, const _PIECE_CODES& codes);

    void ON_CREATE() override;
    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;
    void ON_LBUTTONDOWN() override;
    void ON_LBUTTONUP() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    int number = 0;           ///< the piece's number in its puzzle
    OBJECT_HANDLE target = 0; ///< the puzzle's object, 0 when it is missing

protected:
    /// Sends number + base to the puzzle, without sender; base 0 sends nothing.
    void report(int base) const;

private:
    const char* mPrefix;
    int mShift;
    const char* mTargetName;
    _PIECE_CODES mCodes;
};
