// The script registered as "06_minigame_28.sc": the ten turning knobs of
// room 06_02 ("06_02_vertelka_01" to "_10").  Each knob stands at 0, 120 or
// 240 degrees and turns on by 120 degrees, eased, at every click (its piece
// reports 40000 + knob).  Solved when every knob stands at 0, the sixth and
// seventh also at 240.  The game has no board of its own: it takes part in
// the mini-game frame only through 1100, 1200, 2000, 2010 and the skip 2500.
#pragma once

#include "BoardGame.h"
#include "CodeScript.h"

class sc_06_minigame_28 : public virtual CodeScript
{
public:
    struct Knob
    {
        OBJECT_HANDLE handle = 0;
        int moving = 0;
        float start = 0.0f;   ///< degrees
        float target = 0.0f;
        float current = 0.0f;
        float progress = 0.0f; ///< of the turn, 0..1
    };

    static const int kKnobs = 10;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_minigame_28(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE from) override;

    /// Random positions; saved.
    void genData();
    void initGame();
    void saveGame();
    void showHint();
    void click(int i);
    /// Turns the knobs on by inc seconds and reports the win once started.
    void vertProcess(float inc);
    /// Whether knob k is right at position pos.
    static bool isOk(int k, int pos);
    void win();
    /// The skip: every knob turns home.
    void win2();

    int positions[kKnobs] = {}; ///< the saved block: 0, 1 or 2 per knob
    Knob knobs[kKnobs];
    int gameOver = 0;
    int started = 0;
    int timer = 0;
    MiniGame::CSoundSet sounds;
};
