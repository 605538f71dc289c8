// The script registered as "06_minigame_15.sc": the four-colour box puzzle
// of room 06_07.  Sixteen boxes in four colour groups stand on a 5 x 5
// field whose middle row and column are a cross of five walls and four free
// cells; each group must fill its own 2 x 2 corner block.  A box held with
// the mouse follows the cursor one free neighbouring cell at a time.  The
// boxes' pieces report focus as 10000 + box and loss of focus as 20000 +
// box; the game reads the button itself.  It runs in the mini-game frame.
#pragma once

#include "BoardGame.h"
#include "CodeScript.h"
#include "MiniGame.h"

class sc_06_minigame_15 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    struct Box
    {
        OBJECT_HANDLE handle = 0;
        vec3 target = vec3::ZERO;
        vec3 origin = vec3::ZERO;
        vec3 pos = vec3::ZERO;
        float progress = 1.0f; ///< of its move; 1 at rest
    };

    static const int kBoxes = 16;
    static const int kSide = 5;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_minigame_15(int mostDerived = 1)
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

    /// Every group in its block, then scrambled by random swaps; saved.
    void genData();
    /// The field: 1 on walls and under boxes.
    void genState();
    /// The saved cells lie on the field, off the walls, one box a cell.
    bool stateValid() const;
    void initGame();
    void initSelect();
    void setColor(int i);

    void focusPart(int i);
    void unfocusPart();
    void click();
    void select();
    void deselect();
    void moveSelect(float inc);
    void moveBoxes(float inc);
    void win();

    /// The cell of box i in the ordered arrangement (each group in its block).
    static void getFieldPos(int i, int& x, int& y);
    /// The block 0..3 of a cell, -1 on the cross.
    static int block(int x, int y);
    /// Where a cell lies on the board.
    static vec3 cellPos(int x, int y);
    /// The cell under a point of the board; may lie off the field.
    static void cellAt(const vec3& p, int& x, int& y);
    static bool isWall(int x, int y);

    Box boxes[kBoxes];
    int cells[kBoxes * 2] = {}; ///< the saved block: box k at (cells[2k], cells[2k + 1])
    int field[kSide * kSide] = {}; ///< index x * 5 + y
    int gameOver = 0;
    int selected = -1;
    int focused = -1;
    MiniGame::CBoardPointer pointer;
    MiniGame::CSoundSet sounds;
    OBJECT_HANDLE requester = 0;
    OBJECT_HANDLE background = 0; ///< "06_07_game_fon"
    OBJECT_HANDLE frame = 0;      ///< "06_07_game_box_select"
    float glow = 0.0f;
    String frameMaterial;
    int framed = -1;
    int timer = 0;
};
