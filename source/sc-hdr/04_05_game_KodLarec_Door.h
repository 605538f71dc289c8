// The script registered as "04_05_game_KodLarec_Door.sc": a hot spot on the
// door of the code box.  A click reports it, on the button's release, to
// the code generator's puzzle as N + 50000; the cursor takes the pointing
// shape over it while the hot-spot sparkle is on.
#pragma once

#include "PieceScript.h"

class sc_04_05_game_KodLarec_Door : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_05_game_KodLarec_Door(int mostDerived = 1);

    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;
};
