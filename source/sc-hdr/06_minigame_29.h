// The script registered as "06_minigame_29.sc": the four laser pillars of
// room 06_05 ("06_05_stolbik_01" to "_04").  Each pillar stands in one of
// four quarter turns and turns on by 90 degrees, eased, at every click (its
// piece reports 40000 + pillar).  The location's task plan makes pillars
// usable with 60000 + pillar.  A usable pillar lights once the beam reaches
// it; the beam runs on from a pillar to the next only while that pillar
// stands at the first quarter and at rest.  All four alight and home: the
// game tells "00_game_interface" with 111.  No mini-game frame is involved.
#pragma once

#include "BoardGame.h"
#include "CodeScript.h"

class sc_06_minigame_29 : public virtual CodeScript
{
public:
    struct Stolb
    {
        OBJECT_HANDLE pillar = 0;
        OBJECT_HANDLE laser = 0;   ///< the beam this pillar's record drives
        int moving = 0;
        int lit = 0;               ///< the beam reaches the pillar
        float start = 0.0f;        ///< degrees
        float target = 0.0f;
        float current = 0.0f;
        float progress = 0.0f;     ///< of the turn, 0..1
        float glow = 0.0f;         ///< 0..1, follows lit
        float length = 1.0f;       ///< the beam's x scale
        float shortLength = 1.0f;  ///< the beam cut off by the next pillar
        String material;
    };

    static const int kPillars = 4;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_minigame_29(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE from) override;

    /// Random positions, never the first quarter; nothing usable; saved.
    void genData();
    void initGame();
    void saveGame();
    void click(int i);
    void used(int i);
    void vertProcess(float inc);
    void win();

    /// The saved block: positions of pillars 0..3, then their usable flags.
    int state[2 * kPillars] = {};
    Stolb pillars[kPillars];
    int gameOver = 0;
    int timer = 0;
    MiniGame::CSoundSet sounds;
};
