// The script registered as "04_minigame_35.sc": the stained-glass puzzle of
// room 04_02.  Eleven glass pieces lie scattered and turned on a board; the
// player drags each to its place and turns it upright.  A piece dropped near
// its place while upright snaps in and stays; when all eleven are in, the
// game is won.  A small arrow shows over the centre of the hovered piece,
// and a click there turns the piece a quarter.
//
// The pieces ("04_02_game_vitraj_NN") report focus and loss of focus; the
// game reads the mouse itself.  Start, pause, save and end come from the
// mini-game frame; the layout stays in the saved game under location 2,
// game 35.
#pragma once

#include "CodeScript.h"
#include "MiniGame.h"
#include "Puzzle.h"

class sc_04_minigame_35 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_minigame_35(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static const int kPieces = 11;
    static const int kSaved = 44;

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    // -- the frame ----------------------------------------------------------
    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;
    void win();

    void genData();
    void initGame();

    void focusWord(int i);
    void select();
    void deselect();
    /// A quarter turn of the focused piece, which is then put down.
    void rotate();
    /// Whether the cursor is over the focused piece's centre.
    bool isCenter() const;
    void moveVitrajs(float dt);
    void moveVitraj(int i, float dt);

    // -- the arrow ----------------------------------------------------------
    void arrowInit();
    void moveArrow(float dt);
    void hideArrow();

    /// The board point of a grid place, at depth z.
    static vec3 gridToWorld(int x, int y, float z);
    /// Stores the grid place of p as piece i's.
    void setGrid(int i, const vec3& p);

    struct Piece
    {
        OBJECT_HANDLE object = 0;
        vec3 place = vec3::ZERO; ///< where it belongs
        vec3 start = vec3::ZERO;
        vec3 target = vec3::ZERO;
        vec3 current = vec3::ZERO;
        float progress = 1.0f; ///< of its move; 1 at rest
        float startAngle = 0.0f;
        float angle = 0.0f;
        float targetAngle = 0.0f;
    };

    int& gridX(int i) { return data[4 * i]; }
    int& gridY(int i) { return data[4 * i + 1]; }
    int& fixed(int i) { return data[4 * i + 2]; }
    int& rotation(int i) { return data[4 * i + 3]; }

    int data[kSaved] = {};
    int gameOver = 0;
    Piece pieces[kPieces];
    int placesRead = 0; ///< the places have been taken from the scene

    float arrowAlpha = 0.0f;
    int arrowShowing = 0;
    int arrowPiece = -1;

    int state = 0; ///< 0 idle, 1 a piece picked up, 2 dragged
    int selected = -1;
    int focused = -1;
    vec3 grab = vec3::ZERO;
    vec3 cursor = vec3::ZERO;
    float pressX = 0.0f;
    float pressY = 0.0f;
    MiniGame::Mouse mouse;
    int allPlaced = 0;

    Puzzle::CSoundSet sounds;
    OBJECT_HANDLE starter = 0;
    int timer = 0;

private:
    void save();
};
