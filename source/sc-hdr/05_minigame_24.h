// The script registered as "05_minigame_24.sc": the combination lock of the
// cupboard in room 05_01, three number wheels that turn one digit per press
// until they read 1, 2, 8.  It is a panel in the room: its close-up zone
// "05_01_az_shkaf_door08" opens it with 1 and closes it with 2, and hears
// 555 from it once the code stands and no wheel turns any more.  The wheels'
// digits are saved with every press.
#pragma once

#include "CodeScript.h"

class sc_05_minigame_24 : public virtual CodeScript
{
public:
    /// One number wheel: its digit is a vertical scroll of its texture, a
    /// tenth per digit.
    struct Wheel
    {
        int moving = 0;           ///< 1 while it turns
        int digit = 0;            ///< 0..9, the digit it turns to
        float progress = 0.0f;    ///< of the turn, 0..1 (a turn takes a second)
        float start = 0.0f;       ///< scroll at the turn's start
        float target = 0.0f;      ///< scroll of the digit
        float current = 0.0f;     ///< scroll shown
        String material;          ///< "05_01_game_number_" + two digits
        OBJECT_HANDLE object = 0; ///< the wheel, same name as its material
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_minigame_24(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE src) override;

    /// A new lock: code 1, 2, 8, all wheels at 0; saved at once.
    void genData();
    /// Opens the panel with the saved wheels and starts the tick.
    void show();
    /// Closes the panel and stops the tick.
    void hide();
    /// The panel shown, the saved state laid out on the wheels.
    void init();
    /// Wheel i turns on by one digit.
    void click(int i);
    /// One tick of the wheels; reports the solved lock.
    void buttonProcess();
    void killMyTimer();
    void showHint();
    void saveGame();

    /// The scroll of digit d.
    static float getNumber(int d);
    /// The turn's curve: overshoots the digit a little and settles back.
    static float cubeFun(float x);
    static float interp(float x1, float x2, float a);

    int sound = -1;
    float inc = 0.0f;   ///< the last frame's seconds
    Wheel wheels[3];
    int state[6] = {};  ///< the code (0..2) and the wheels' digits (3..5)
    int solved = 0;     ///< saved as the array's end value
    int timer = 0;      ///< the tick, 0 when none
};
