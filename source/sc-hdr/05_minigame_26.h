// The script registered as "05_minigame_26.sc": the photo booth of room
// 05_02.  Its screen shows the worker posed before the booth's camera (a
// render texture) under one of five borders; each click bounces the booth's
// button, plays the shutter and takes the next border.  The booth renders
// only while the player is near it (100 near, 200 far).  Border and near
// state are saved.
#pragma once

#include "CodeScript.h"

class sc_05_minigame_26 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_minigame_26(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME(int id) override;
    void ON_LBUTTONDOWN() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;
    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;

    /// The saved border and near state on the screen; the button found.
    void initGame();
    /// Shutter, next border, saved, and the button's bounce begins.
    void click();
    /// The near state: rendering with the worker posed, or off.
    void set(int i);
    /// Poses the worker before the booth's camera and renders.
    void set2();
    /// Border i (0..4) over the picture.
    void setBorder(int i);
    void _near();
    void _far();
    void saveGame();
    void loadSnd();
    void unloadSnd();

    float t = 0.0f;                 ///< bounce time: game seconds x 3 since the click
    OBJECT_HANDLE button = 0;       ///< "05_02_FotoAvtomat_knopka"
    vec3 buttonPos = vec3::ZERO;    ///< the button at rest
    int game_end = 0;               ///< the array's end value as read
    OBJECT_HANDLE worker = 0;       ///< "01_hero_worker"
    int sound = -1;                 ///< the shutter
    int timer = 0;                  ///< the bounce's tick, 0 when none
    int state[2] = {};              ///< border 0..4, near 1 / far 0
};
