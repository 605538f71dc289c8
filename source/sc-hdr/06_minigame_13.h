// The script registered as "06_minigame_13.sc": the sliding-lines picture
// puzzle of location 6.  A board of 5 x 5 boxes shows three pictures; a
// small grid beside it shows the pattern to build.  A box grabbed and
// dragged takes its whole row sideways or its whole column up or down; the
// line slides round (a box pushed off one end comes in at the other) and,
// released, snaps to whole cells with a bounce.  The boxes report the
// cursor over them ("06_01_game_box"); the game reads the button itself.
#pragma once

#include "BoardGame.h"
#include "CodeScript.h"

class sc_06_minigame_13 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    static const int kSide = 5;
    static const int kBoxes = kSide * kSide;
    static const int kSaved = 80;
    static const int kShown = 40; ///< saved: the pictures on the boxes start here

    enum Direction
    {
        kNone = 0,
        kRow = 1,
        kColumn = 2,
    };

    struct _BOX
    {
        OBJECT_HANDLE box = 0;
        OBJECT_HANDLE goal = 0;
        vec3 home = vec3::ZERO;
        vec3 goalPos = vec3::ZERO;
        int picture = 0;
        int goalPicture = 0;
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_minigame_13(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE from) override;

    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;

    /// Stamps two patterns as the goal, shuffles it onto the boxes, saves.
    void genData();
    /// Stamps picture p in one of the five patterns, wrapped round the board.
    void draw(int p);
    void initGame();
    /// Whether the loaded array holds pictures this game can show.
    bool stateValid() const;
    void click();
    void select();
    /// The dragged line is let go: its pictures move by the whole cells
    /// it was dragged, and it eases back home.
    void deselect();
    void moveBoxes(float dt);
    void moveSelect(float dt);
    void focusPart(int i);
    void unfocusPart();
    void win();
    void setPic(int k, int p);
    void setPic2(int k, int p);
    void setPic3(int p);
    /// The boxes of the held line go back home.
    void lineHome(int direction);

    _BOX boxes[kBoxes];
    OBJECT_HANDLE spare = 0;
    int sparePicture = -1;
    OBJECT_HANDLE highlight = 0;
    float brightness = 0.0f;
    String highlightMaterial = "06_01_game_select";
    int direction = kNone;
    int heldRow = -1;
    int heldColumn = -1;
    int focused = -1;
    int highlighted = -1;
    int mayTurn = 1; ///< the drag's direction may still change
    float settle = 1.0f; ///< 1 once a released line has settled
    float dragOffset = 0.0f;
    int shift = -1; ///< whole cells the line has been dragged
    MiniGame::CBoardPointer pointer; ///< its drag state is the game's state
    MiniGame::CSoundSet sounds;
    int timerId = 0;
    int won = 0;
    int saved[kSaved] = {};
};
