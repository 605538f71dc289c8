// The script registered as "02_minigame_18.sc": the number-wheel panel on
// the disc desk's door in location 2 (object
// "02_03_az_room_stol_diski_door_mg").  It is no framed mini-game: its
// close-up zone "02_03_az_room_stol_diski_door_npm" shows it (1) and
// hides it (2).  Three wheels ("02_03_game_number_00" to "_02") show a
// digit each; a press on a wheel (30000 + n from its piece) rolls it on by
// one.  The lit plate "02_plahka_svet" shows the three target digits once
// code 100 has lit it.  When all wheels stand still on their targets the
// panel tells its zone 555, once each time the panel is shown.
//
// Saved array (location 2, game 18): the target digits (0..7), the wheels'
// digits (0..9) and whether the plate has been lit; the end value is
// solved.
#pragma once

#include "BoardGame.h"
#include "CodeScript.h"

class sc_02_minigame_18 : public virtual CodeScript
{
public:
    static const int kWheels = 3;
    static const int kSaved = 7;

    struct _WHEEL
    {
        int moving = 0;
        int digit = 0;
        float t = 0.0f;
        float from = 0.0f; ///< texture scrolls of the wheel's material
        float to = 0.0f;
        float current = 0.0f;
        String material;   ///< named as the wheel's object
        OBJECT_HANDLE obj = 0;
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_minigame_18(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE src) override;

    void genData();
    void init();
    void show();
    void hide();
    void click(int i);
    void buttonProcess();
    void plashkaProcess();
    void showPlashka();
    void setPlashkaColor(float a);
    /// The texture scroll that shows digit i.
    float getNumber(int i);
    void killMyTimer();
    void loadSnd();
    void unloadSnd();
    void playSnd(int i);
    void showHint();

    int solved = 0;
    MiniGame::CSoundSet sound;
    float dt = 0.0f;
    int answerCode = 0;
    _WHEEL wheels[kWheels];
    float plateGlow = 0.0f;
    OBJECT_HANDLE plateRequester = 0;
    int wheelTimer = 0;
    int plateTimer = 0;
    int saved[kSaved] = {};

private:
    void loadSaved();
};
