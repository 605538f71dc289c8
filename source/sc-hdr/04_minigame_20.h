// The script registered as "04_minigame_20.sc": the keypad in room 04_03.
// The player types a three-digit code and presses enter; the right code
// cross-fades the window beside the panel to its next picture and reports
// the panel solved to its close-up zone ("04_03_az_pult_npm").  The panel
// is used twice: first the code is the sum a + b of two numbers, then
// (once the zone's "second_pass" is set) a third number c.  The numbers
// are drawn once and kept in the saved game (location 4, game 20).
//
// The close-up zone shows the panel with 1 and hides it with 2; the keys
// ("04_03_game_but_NN", the enter key numbered 10) report focus, loss of
// focus and presses.
#pragma once

#include "CodeScript.h"
#include "Puzzle.h"

class sc_04_minigame_20 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_minigame_20(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static const int kSaved = 4;
    /// The key objects "04_03_game_but_00".."09"; their pieces report the
    /// object's number + 1: digits 1 to 9 (the codes hold no zero), and 10,
    /// the last object, is the enter key.
    static const int kKeyObjects = 10;
    static const int kEnter = 10; ///< the enter key's number
    enum Saved
    {
        kA,
        kB,
        kTyped,
        kC
    };

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    void genData();
    /// Whether one of the three digits of v is 0.
    static bool isNull(int v);
    void init();
    void initSelect();
    void initText();
    void setTextColor();
    void destroyText();
    void hide();
    void showHint();

    void click(int p);
    void setPass();
    void end();
    void end2();
    void setAlphaRooms(float a);
    void selectSetPos(int i);
    void selectHide();
    void moveSelect(float dt);
    void save();
    /// True on the panel's second use.
    static bool secondUse();

    struct Key
    {
        OBJECT_HANDLE object = 0;
        vec3 pos = vec3::ZERO;
    };

    int data[kSaved] = {};
    int gameEnd = 0;
    /// The key objects by object number (a piece's number - 1).
    Key keys[kKeyObjects];
    OBJECT_HANDLE pass[3] = {0, 0, 0}; ///< display: units, tens, hundreds

    OBJECT_HANDLE select = 0;
    float selectAlpha = 0.0f;
    int selectOn = 0;

    int ending = 0;          ///< the right code was typed; the window changes
    float endingTime = 0.0f; ///< 0..1 over two seconds
    int solved = 0;          ///< 555 sent in this show

    Puzzle::CSoundSet sounds;
    int paused = 0;
    int timer = 0;
};
