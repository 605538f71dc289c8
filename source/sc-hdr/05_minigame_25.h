// The script registered as "05_minigame_25.sc": the lever run on the wagon.
// The camera rides on "05_03_Vagon01" through the tunnel while the player
// pulls the fifteen levers along the way (their hot zones report 40000 +
// lever); a two-digit counter shows how many are left.  The run is decided
// after 57 seconds: every lever pulled wins; otherwise the failure message
// is shown, the screen fades to black, levers and ride are reset and the
// run starts again, paused until the message has been dismissed.  The game
// runs in the mini-game frame; it answers the frame's echo of its win by
// quitting at once.
#pragma once

#include "CodeScript.h"
#include "Puzzle.h"

class sc_05_minigame_25 : public virtual CodeScript
{
public:
    static const int kLevers = 15;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_minigame_25(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE from) override;

    void startGame(OBJECT_HANDLE from);
    /// Levers up, hot zones shown, counter full, the ride back at its start.
    void initGame();
    /// The ride begins and the 57 seconds with it.
    void start();
    void quitGame();
    void saveGame();
    void showHint();
    void click(int i);
    int restCount() const;
    /// The 57 seconds are over: won, or the failure and its fade.
    void finish();
    void setPause(int i);

    void counterCreate();
    void counterDestroy();
    void counterInit();
    void counterHide();
    void counterSetCount(int c);

    void ztmInit();
    void ztmShow(int z);
    void ztmHide();
    void ztmProcess(float inc);
    /// Full black: the run is reset and starts again.
    void onZtmShow();
    void onZtmHide();

    int gameOver = 0;
    int messageAnswered = 0;
    OBJECT_HANDLE zones[kLevers] = {};
    OBJECT_HANDLE levers[kLevers] = {};
    int pulled[kLevers] = {};
    int won = 0;
    int paused = 0;
    OBJECT_HANDLE requester = 0;
    float elapsed = 0.0f; ///< seconds of the run
    int timer = 0;
    int running = 0;      ///< the 57 seconds are armed
    int savedValue = 0;   ///< the saved array's one element

    String fadeOverlay;
    String fadeContainer;
    String fadeMaterial;
    int fadeDirection = 0; ///< 1 towards black, 0 back
    float fadeAlpha = 0.0f;

    Puzzle::CSoundSet sounds;
};
