// The script registered as "04_04_game_rubilnik.sc": a switch of the laser
// cannon's puzzle (switches 0 to 6, named from 1).  Until the cannon has
// been used a click only has the hero remark on it (dialog 4054); after
// that a switch not yet pulled reports its press and release.  Whether it
// has been pulled is kept by the cannon's puzzle in its saved array.
#pragma once

#include "PieceScript.h"

class sc_04_04_game_rubilnik : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_04_game_rubilnik(int mostDerived = 1);

    void ON_CREATE() override;
    void ON_LBUTTONDOWN() override;
    void ON_LBUTTONUP() override;

    /// 1 while the cannon's puzzle has not marked this switch pulled.
    int isFree() const;
    /// 1 once the cannon has been used.
    static int cannonUsed();

    String pulledVar; ///< the game variable of this switch's pulled flag
};
