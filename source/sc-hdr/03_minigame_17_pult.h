// The script registered as "03_minigame_17_pult.sc": the code panel of the
// locked door of room 03_05, on the door object "03_05_az_Door01".  A click
// on the door cuts to the panel's close-up, whose zone shows the panel (1)
// and hides it (2).  The panel's 25 buttons ("03_05_game_button_00" to
// "_24") toggle between dark and lit when pressed; once exactly the
// buttons at the star chart's stars are lit and every glow has settled,
// the zone "03_05_az_Door01_npm" hears 555 and the display shows an arrow.
//
// The buttons report a press as 30000 + n.  The panel keeps its buttons in
// entries 25 to 49 of the star chart's saved array (location 3, game 17)
// and reads the stars from entries 0 to 24; the end value is whether the
// door has opened.
#pragma once

#include "BoardGame.h"
#include "CodeScript.h"

class sc_03_minigame_17_pult : public virtual CodeScript
{
public:
    static const int kButtons = 25;
    static const int kSaved = 50;

    struct _BUTTON
    {
        int state = 0;      ///< 0 dark, 1 lit
        float glow = 0.0f;  ///< 0..1, follows the state
        String material;    ///< the button's own material, named as the button
        OBJECT_HANDLE obj = 0;
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_minigame_17_pult(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_LBUTTONDOWN() override;
    void ON_LBUTTONUP() override;
    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE src) override;

    void show();
    void hide();
    void press(int i);
    void moveButtons();
    void moveDisplay();
    void save();
    /// Takes the shared array and the buttons' states from the save.
    void load();

    _BUTTON buttons[kButtons];
    float displayPhase = 0.0f;
    OBJECT_HANDLE fader = 0;
    int opened = 0;     ///< 1 once the door has opened
    MiniGame::CSoundSet sounds; ///< the press
    float step = 0.0f;  ///< seconds of this frame
    int timer = 0;      ///< the frame tick while the panel shows
    int saved[kSaved] = {};
    int loaded = 0;     ///< 1 once the shared array has been read in this visit
};
