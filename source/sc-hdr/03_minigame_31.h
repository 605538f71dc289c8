// The script registered as "03_minigame_31.sc": the spot-the-pairs game of
// room 03_03.  Two pictures of ten parts each ("03_03_game_part_left_00" to
// "_09" and "03_03_game_part_right_00" to "_09"); pair i is left part i and
// right part i.  A click on either part of a pair not yet found finds the
// pair: the part vanishes in a short burst of "03_03_game_particle" and the
// counter at the top right shows the pairs left.  None left wins.
//
// The parts report a release as 30000 + i (left) and 40000 + i (right).
// Saved array (location 3, game 31): per pair 0 not found, 1 found through
// its left part, 2 through its right part; the end value is won.
#pragma once

#include "BoardGame.h"
#include "CodeScript.h"

class sc_03_minigame_31 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    static const int kPairs = 10;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_minigame_31(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE from) override;

    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;
    /// A click on part i of a picture (side 0 left, 1 right).
    void clickPart(int side, int i);
    /// Counts the pairs left, wins when there are none and shows the count.
    void check();
    void win();

    int won = 0;
    MiniGame::CSoundSet sounds;
    OBJECT_HANDLE parts[kPairs][2] = {};
    OBJECT_HANDLE particle = 0;
    int burstTimer = 0;
    int found[kPairs] = {};
};
