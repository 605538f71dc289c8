// What the framed mini-games share: the frame's codes, the game's scene
// group, the win notice, the hint and the mouse read once a frame tick.
//
// A framed game is started, paused, saved and closed by the mini-game frame
// ("00_minigame_starter" and "00_minigame_interf") through notifications:
// 1200 start, 1300 close, 1400 pause, 1500 resume, 2000 save (then 100 to
// "interface"), 2010 hint; a won game sends 1100 to "00_minigame_interf",
// whose echo of 1100 the game answers with 1200 to "00_minigame_starter".
// Its 3D content is the scene object named after the game with ".scene"
// appended, hidden while the game does not run and hung under the camera
// node "Camera" while it runs.
#pragma once

#include "VirtualScript.h"

namespace MiniGame
{
enum FrameCode
{
    kResultShown = 1100, ///< from the result display: the win has been shown
    kStart = 1200,       ///< from the starter: the game begins
    kClose = 1300,
    kPause = 1400,
    kResume = 1500,
    kSave = 2000,
    kHint = 2010,
};

/// What a game does on the frame's codes.  frameCode() below calls these.
class CFramedGame
{
public:
    virtual ~CFramedGame() = default;
    /// 1200: show the board and play; from is the starter.
    virtual void startGame(OBJECT_HANDLE from) = 0;
    /// 1300: stop the tick, save, put the board away.
    virtual void quitGame() = 0;
    /// 2000: save the game's array (the frame then tells "interface").
    virtual void saveGame() = 0;
    /// 2010: send the game's hint.
    virtual void showHint() = 0;

    /// 1 between 1400 and 1500: input and animations stand still.
    int paused = 0;
};

/// Handles a frame code for game (whose object is self): true when code was
/// one of the frame's, false for the game's own codes.  1100 sends 1200 to
/// the starter, 2000 saves and then sends 100 to "interface", 1400 and 1500
/// set and clear paused.
bool frameCode(CFramedGame& game, int code, OBJECT_HANDLE self, OBJECT_HANDLE from);

/// "<game>.scene": the scene object that holds the game's 3D content.
String sceneGroup(const String& game);
/// Hides the game's scene group (at creation and after the game).
void hideBoard(const String& game);
/// Shows the game's scene group under the camera node "Camera".
void showBoard(const String& game);
/// Hangs the game's scene group back under the scene root and hides it.
void putBoardAway(const String& game);

/// Logs "\nYOU WIN !!!" and tells the result display (1100, sender self).
void announceWin(OBJECT_HANDLE self);
/// The hint of the game (16000 + a number) to "interface", sender 0.
void sendHint(int hintCode);
/// True when the player asked for hints inside mini-games
/// ("show_hint_in_minigames").
bool hintsInGames();

/// The mouse as a game reads it once a frame tick: the cursor (0..1 over
/// the window) and the left button now and at the tick before.
struct Mouse
{
    float x = 0.5f;
    float y = 0.5f;
    int buttonNow = 0;
    int buttonBefore = 0;

    /// Reads the cursor and the button (nothing without an input layer).
    void read();
    bool pressed() const { return buttonNow && !buttonBefore; }
    bool released() const { return !buttonNow && buttonBefore; }
};
} // namespace MiniGame
