// The script registered as "04_minigame_07.sc": the symbol ring of room
// 04_03.  Six screens stand in a ring, each hiding one of four symbols; a
// selector frame stands at the current screen.  The player drags one of
// four symbol buttons onto the selector: the right symbol lights that
// screen, a wrong one darkens them all; either way the selector moves on
// and the button used stays locked under a break until another one has
// been used.  Six lit screens win.  Saved as location 4, game 7.
//
// The buttons ("04_03_game_button_NN") report focus and loss of focus; the
// game reads the mouse button itself.  Start, pause, save and end come from
// the mini-game frame.
#pragma once

#include "CodeScript.h"
#include "MiniGame.h"
#include "Puzzle.h"

class sc_04_minigame_07 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_minigame_07(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static const int kButtons = 4;
    static const int kScreens = 6;
    static const int kSaved = 20;
    static const int kCurrent = 10; ///< saved index of the selector's screen
    static const int kLocked = 11;  ///< saved index of the locked button
    static const int kLit = 12;     ///< saved index of screen 0's lit flag

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;
    void win();

    void genData();
    void initGame();
    /// A button's place of rest.
    static vec3 getStartPos(int i);
    /// Where the selector stands over screen p.
    vec3 getTextPos(int p) const;

    void click();
    void select();
    void deselect();
    void focusbutton(int i);
    void unfocusbutton();
    void showText(int p);
    void hideText();
    void selGoNext();
    void setBreak(int i);
    void check();

    void moveButton(float dt);
    void moveSelect(float dt);
    void moveBreak(float dt);
    void moveText(float dt);

    struct Button
    {
        OBJECT_HANDLE object = 0;
        vec3 start = vec3::ZERO;
        vec3 target = vec3::ZERO;
        vec3 current = vec3::ZERO;
        float t = 1.0f; ///< 1: arrived
        float alpha = 1.0f;
        int fadingIn = 1; ///< 0 while it fades out in the selector
        String material;
    };
    struct Screen
    {
        float level = 0.0f; ///< 0 dark .. 1 lit
        String material;
        OBJECT_HANDLE object = 0;
        vec3 pos = vec3::ZERO;
    };

    int data[kSaved] = {};
    int gameEnd = 0;
    Button buttons[kButtons];
    Screen screens[kScreens];

    int mode = 0; ///< 0 idle, 1 grabbed, 2 dragging
    int selected = -1;
    int focused = -1;
    vec3 grabOffset = vec3::ZERO;
    vec3 cursor = vec3::ZERO;
    float grabX = 0.0f;
    float grabY = 0.0f;
    MiniGame::Mouse mouse;
    int overSelector = -1; ///< 1 while the dragged button is over the selector

    OBJECT_HANDLE selector = 0;
    vec3 selStart = vec3::ZERO;
    vec3 selTarget = vec3::ZERO;
    vec3 selCurrent = vec3::ZERO;
    float selT = 1.0f;

    OBJECT_HANDLE breakObject = 0;
    float breakAlpha = 0.0f;
    int breakOn = 0;
    vec3 breakPos = vec3::ZERO;

    /// Set by the win of this run, so that screens that reach full light
    /// after it do not win again.
    int wonThisRun = 0;

    Puzzle::CSoundSet sounds;
    OBJECT_HANDLE starter = 0;
    int timer = 0;
};
