// The script registered as "05_minigame_10.sc": the symbol grid of room
// 05_06, a Latin square of order 4.  Every row, column and 2 x 2 quarter
// must hold each of four symbols once.  Some boxes are given as clues; the
// player drags new boxes from a palette of the four symbols onto the empty
// cells, and placed boxes back off the board.  The game runs in the
// mini-game frame; its board pieces report the palette boxes as 10000 +
// symbol and the movable boxes as 15000 + box on focus (20000 and 25000 on
// loss of focus).  The mouse is read by the game itself.
#pragma once

#include "CodeScript.h"
#include "MiniGame.h"

class sc_05_minigame_10 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    /// A palette box: one per symbol.
    struct PaletteBox
    {
        OBJECT_HANDLE handle = 0;
        vec3 pos = vec3::ZERO;
    };

    /// A movable box; its cell is its entry in the saved state.
    struct Box
    {
        int value = 0;            ///< the symbol 0..3, + 10 for a clue
        OBJECT_HANDLE handle = 0;
        vec3 start = vec3::ZERO;  ///< where its move began
        vec3 target = vec3::ZERO; ///< where its move ends
        vec3 pos = vec3::ZERO;    ///< where it is
        float progress = 1.0f;    ///< of its move; 1 and above at rest
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_minigame_10(int mostDerived = 1)
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

    /// A new puzzle: random clues until they decide the whole grid; saved.
    void genData();
    /// Deduces what the clues decide; 0 when they contradict each other.
    /// The deduced cells get boxes of their own in the state.
    int gen();
    /// The grid of the clues alone.
    void fillCC();
    /// The grid of every box on the board.
    void fillCC2();
    /// No symbol twice in a row, column or quarter (empty cells allowed).
    bool checkAll() const;
    /// The row of symbol s in column c, or -1.
    int checkCol(int c, int s) const;
    /// The column of symbol s in row r, or -1.
    int checkRow(int r, int s) const;
    /// The place 0..3 of symbol s in the quarter of cell (r, c), or -1.
    int checkSquare(int r, int c, int s) const;
    /// Every cell holds a box.
    bool end() const;
    /// The saved state lays out on the board without running off it.
    bool stateValid() const;

    /// The saved state laid out on the board, the tick started.
    void initGame();
    /// The occupied cells, from the boxes' entries.
    void genState();
    /// The first box off the board and at rest, or 17 for none.
    int findBoxm() const;
    /// The cell whose centre is within 5 of p on the board's plane, or -1.
    int getNum(const vec3& p) const;
    vec3 getPos(int cell) const;
    /// The material of symbol value v (a clue's own look from 10 on).
    void setSymbol(OBJECT_HANDLE box, int v);

    /// A press or a drop: takes a box at rest, drops a dragged one.
    void click();
    void select();
    void deselect();
    void moveBoxes(float inc);
    /// The highlight follows the focused box and fades in and out.
    void moveSelect(float inc);
    /// The board light pulses until the grid is solved.
    void moveSvet(float inc);
    void focusBox(int i);
    void unfocusBox();
    void focusBoxm(int j);
    void unfocusBoxm();
    void win();

    static float fun1(float x);
    static float interp(float x1, float x2, float a);
    void playSnd(int i);
    void loadSnd();
    void unloadSnd();

    PaletteBox palette[4];
    vec3 cells[16];
    Box boxes[17];
    int grid[17] = {};        ///< symbol per cell, -1 empty (one spare)
    int occupied[16] = {};    ///< 1 where a box stands
    int state[40] = {};       ///< the saved state: cells 0..16, symbols 17..33
    int solved = 0;           ///< saved as the array's end value
    int dragState = 0;        ///< 0 idle, 1 a box in hand, 2 dragging it
    int inHand = -1;          ///< the box in hand
    int focusedSymbol = -1;   ///< the palette box under the cursor
    int focusedBox = -1;      ///< the movable box under the cursor
    int cellUnder = -1;       ///< the cell under the box in hand
    vec3 grabOffset = vec3::ZERO; ///< the box in hand from the cursor
    vec3 grabPoint = vec3::ZERO;  ///< the cursor when the box was taken
    int selectTarget = -1;    ///< 100 + palette symbol, a box, or -1
    float selectFade = 0.0f;
    float svetPhase = 0.0f;   ///< of the board light's five-second pulse
    vec3 cursor = vec3::ZERO; ///< the cursor on the board's plane
    MiniGame::Mouse mouse;
    int timer = 0;
    int sounds[4] = {-1, -1, -1, -1};
    OBJECT_HANDLE highlight = 0; ///< "05_06_game_select"
    OBJECT_HANDLE light = 0;     ///< "05_06_game_svet"
};
