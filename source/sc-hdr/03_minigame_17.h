// The script registered as "03_minigame_17.sc": the star chart of room
// 03_05, seen in a close-up.  Of its 25 star places ("03_05_game_star_00"
// to "_24") five, drawn once per game, show a twinkling star: they are the
// code of the door panel of the same room ("03_minigame_17_pult").  The
// close-up zone shows the chart (1), hides it (2) and tells of the camera's
// arrival (10); the first arrival puts a picture of the chart into the
// journal.
//
// Saved array (location 3, game 17), shared with the door panel: entries 0
// to 24 the star flags, 25 to 49 the panel's buttons, 50 unused.
#pragma once

#include "CodeScript.h"

class sc_03_minigame_17 : public virtual CodeScript
{
public:
    static const int kPlaces = 25;
    static const int kStars = 5;
    static const int kLocation = 3;
    static const int kNumber = 17;
    static const int kSaved = 51;
    static const int kButtonsAt = kPlaces; ///< the panel's first button in the array

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_minigame_17(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE src) override;

    void genData();
    void show();
    void hide();
    void arrive();
    void save();

    float phase[kStars] = {};
    int won = 0;
    OBJECT_HANDLE stars[kPlaces] = {};
    float speed[kStars] = {1.0f, 2.0f, 3.0f, 4.0f, 5.0f};
    int shown[kStars] = {};
    int shownCount = 0; ///< how many of shown[] hold a star
    int timer = 0;      ///< the frame tick while the chart shows
    int saved[kSaved] = {};
    int arrived = 0;    ///< 1 after the first arrival of this visit
};
