// The script registered as "01_minigame_33.sc": the combination lock of
// location 1.  Four sliding switches stand in one of five slots each; the
// push button checks the combination: the lamp over each switch flashes
// green for a switch in its right slot and red otherwise, and a bar fills
// by a quarter.  The fourth wrong check in a row drops every switch back to
// the bottom slot and empties the bar.  The bottom slot is never right, so
// a check with a switch there is refused.
//
// The switches' pieces report focus (N + 10000) and loss of focus, the
// button's piece 15000, 25000 and 45000 (released); the switches are
// dragged with the mouse, which the game reads itself.  The lock is saved
// as the int array 1_33_variable_0..8 (right slots, current slots, checks)
// with the won flag as its end value.
#pragma once

#include "CodeScript.h"
#include "MiniGame.h"
#include "PuzzleBoard.h"

class sc_01_minigame_33 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_01_minigame_33(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static const int kSwitches = 4;
    static const int kSlots = 5;
    static const int kStateSize = 9;
    static const int kTargets = 0; ///< saved[0..3]: the right slot of each switch (1..4)
    static const int kCurrent = 4; ///< saved[4..7]: the slot each switch stands in (0..4)
    static const int kChecks = 8;  ///< saved[8]: checks since the last reset (0..4)

    struct Lamp
    {
        OBJECT_HANDLE object = 0;
        float phase = 1.0f; ///< flash 0..1; 1 dark
        String material;
    };
    struct Switch
    {
        vec3 from = vec3::ZERO;
        vec3 current = vec3::ZERO;
        vec3 to = vec3::ZERO;
        OBJECT_HANDLE object = 0;
        float t = 1.0f; ///< the move from from to to, 1 at rest
    };

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;

    /// A new lock: random right slots 1..4, every switch at the bottom;
    /// saved at once.
    void genData();
    void initGame();
    void initText();
    void destroyText();
    void loadSnd();
    void unloadSnd();
    void playSnd(int i) const;
    void win();
    void click();
    void select();
    void deselect();
    void focusWord(int i);
    void unfocusWord();
    void focusButton();
    void unfocusButton();
    /// The button was released: one check of the combination.
    void buttonPress();
    void moveTumbler(float inc);
    void moveLamp(float inc);
    void moveButton(float inc);
    void moveLine(float inc);
    /// The place of slot p of switch i.
    static void setPos(int i, int p, vec3& v);
    /// The slot nearest to height v, 0..4.
    static int getPos(float v);
    static float interp(float x1, float x2, float a);
    static float cubeFunc(float x);
    static float fun1(float x);
    static float fun2(float x);

    int buttonFocused = 0;
    float buttonGlow = 0.0f;
    String buttonMaterial = "01_01_game_button";
    float grabOffsetY = 0.0f; ///< the grabbed switch's height minus the pointer's
    int selected = -1;        ///< the grabbed switch, -1 none
    int selectedSlot = 0;     ///< the slot the grabbed switch was last given
    int focused = -1;         ///< the switch under the cursor, -1 none
    int won = 0;
    PuzzleBoard::Sounds sounds;
    Lamp lamps[kSwitches];
    OBJECT_HANDLE barObject = 0; ///< the counter line
    float barFrom = 0.0f;
    float barTo = 0.0f;
    float barValue = 0.0f;
    float barT = 1.0f; ///< the bar's move, 1 at rest
    String barMaterial = "01_01_game_lamp";
    PuzzleBoard::Pointer pointer{100.0f};
    PuzzleBoard::Drag drag;
    String overlayName = "Minigame33Text";
    String shadowElement = "Minigame33TextContainer";
    String frontElement; ///< the front text's name is empty
    Switch switches[kSwitches];
    int saved[kStateSize] = {};
    int timerId = 0;

private:
    /// Makes a loaded lock safe to play: slots and the check count outside
    /// their ranges are put into them with a warning.
    void repairState();
};
