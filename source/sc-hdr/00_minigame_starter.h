// The script registered as "00_minigame_starter.sc": the one door into and
// out of the puzzle mini-games.  A requester sends 1000 + the game's number;
// the starter cuts the camera to the game behind the fader, starts it with
// 1200, takes the game's own 1200 as "done", cuts back, quits the game with
// 1300 and gives the requester its code back.  With the option "game_state"
// between 1 and 49 (a game picked in the main menu) it starts that game at
// once and leaves through the loader.
#pragma once

#include "CodeScript.h"

class sc_00_minigame_starter : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_minigame_starter(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    /// Looks game up in the game table: minigame := its object (0 with a
    /// warning when missing), camera_msg := its camera-in code, back_msg
    /// := its camera-back code, need_fade := 1 (0 for game 30).  A number
    /// outside the table changes only need_fade and game; false then.
    bool getParam(int game, OBJECT_HANDLE& minigame, int& camera_msg, int& need_fade);

    OBJECT_HANDLE cam_move = static_cast<OBJECT_HANDLE>(-1); ///< "01_cam_move"
    int back_msg = 0;                                         ///< camera code out of the game
    int camera_msg = 0;                                       ///< camera code into the game
    int game = 0;                                             ///< number of the game last asked for
    OBJECT_HANDLE fader = static_cast<OBJECT_HANDLE>(-1);    ///< "00_fader"
    OBJECT_HANDLE loader = static_cast<OBJECT_HANDLE>(-1);   ///< "00_loader"
    int requester_msg = -1;                                   ///< the 1000 + N the requester sent
    OBJECT_HANDLE minigame = 0;                               ///< the game's object, 0 when none
    OBJECT_HANDLE interf = static_cast<OBJECT_HANDLE>(-1);   ///< "00_minigame_interf"
    int need_fade = 0;                                        ///< 1: enter behind a fade and a cut
    OBJECT_HANDLE requester = 0;                              ///< who asked for the game
    int state = 0;                                            ///< 0 idle, 1 entering, 2 leaving

private:
    /// Whether "game_state" asks for a game picked in the main menu.
    static bool menuMode();
    /// Looks the request up; false (nothing started) for a number outside
    /// the table or a game whose object is not in the scene.
    bool takeRequest(int code, OBJECT_HANDLE from);
};
