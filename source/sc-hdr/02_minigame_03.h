// The script registered as "02_minigame_03.sc": the tube puzzle of
// location 2.  Six tubes ("02_03_game_03_tube_00" to "_05") each stand at
// one of twelve steps of 30 degrees about the camera's view axis; a click
// on a tube turns it one step on, and a turn that ends with all six at 0
// wins.
//
// The tubes report focus as 10000 + n and loss of focus as 20000 + n; the
// game reads the button itself once a frame.  Saved array (location 2,
// game 3): the six steps (0..11); the end value is won.
#pragma once

#include "BoardGame.h"
#include "CodeScript.h"

class sc_02_minigame_03 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    static const int kTubes = 6;
    static const int kSteps = 12;

    struct _TUBE
    {
        OBJECT_HANDLE obj = 0;
        vec3 position = vec3::ZERO; ///< the node's place when the game started
        float from = 0.0f;          ///< angles in degrees
        float to = 0.0f;
        float current = 0.0f;
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_minigame_03(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE from) override;

    void genData();
    void initGame();
    void loadSnd();
    void unloadSnd();
    void playSnd(int i);
    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;
    void win();
    void check();
    void click();
    void focusWord(int i);
    void unfocusWord();
    void moveTubes(float inc);

    int focused = -1;
    int won = 0;
    MiniGame::CSoundSet sounds;
    MiniGame::Mouse mouse;
    float t = 1.0f; ///< the running turn, 1 at rest
    _TUBE tubes[kTubes];
    int state[kTubes] = {};

    int timer = 0; ///< the frame tick while the game runs
};
