// The script registered as "01_01_button.sc": the push button of the
// switches-and-lamps lock. It reports to "01_minigame_33" and has no number:
// it sends 15000 on focus, 25000 on loss of focus, 45000 on button up and
// nothing on button down.
#pragma once

#include "ClickablePiece.h"

class sc_01_01_button : public CClickablePiece
{
public:
    static const Kind kKind;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_01_01_button(int mostDerived = 1) : CClickablePiece(kKind)
    {
        (void)mostDerived;
    }
};
