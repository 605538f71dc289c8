// The script registered as "03_minigame_06.sc": the letter-pairs puzzle of
// location 3.  48 letter tiles stand in 8 columns of 6 rows, eight letters
// in pairs whose two tiles stand in different columns.  Only the first
// tile of a column, counted from row 0, is free; two free tiles of one
// letter clicked one after the other fade out.  An empty board wins; free
// tiles without a pair lose, and a new grid rolls in on the columns' reels.
// The tiles report the cursor over them ("03_05_game_letter"); the game
// reads the button itself.
#pragma once

#include "CodeScript.h"
#include "MiniGame.h"
#include "MiniGameTools.h"

class sc_03_minigame_06 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    static const int kColumns = 8;
    static const int kRows = 6;
    static const int kCells = kColumns * kRows;
    static const int kSaved = 50;

    struct _CELL
    {
        OBJECT_HANDLE tile = 0;
        vec3 home = vec3::ZERO;
        int letter = -1; ///< the letter the tile shows (-1 none)
    };

    /// 0 the focus highlight, 1 the selection highlight.
    struct _HIGHLIGHT
    {
        OBJECT_HANDLE object = 0;
        float alpha = 0.0f;
        int active = 0;
        String material;
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_minigame_06(int mostDerived = 1)
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

    /// Draws a new grid, to roll in on the reels, and saves it.
    void genData();
    /// Loads the state and dresses the board.
    void initGame();
    /// After a pair has gone: an empty board wins, free tiles without a
    /// pair lose.
    void check();
    void click();
    void lose();
    void win();
    void focusLetter(int l);
    void unfocusLetter();
    /// Highlight s comes onto cell l.
    void selectSetPos(int s, int l);
    /// Highlight s fades out.
    void selectHiding(int s);
    void moveSelect(float inc);
    void moveLetter(float inc);
    /// One step of the reels that bring a new grid in.
    void shiftLetter(float inc);

    /// Whether the tile of cell l is the first of its column.
    bool isFree(int l) const;
    /// Whether the grid has rolled in (clicks are taken).
    bool arrived() const { return saved[49] != 0; }
    /// Whether the loaded array holds a state this game can play.
    bool stateValid() const;

    int columnStep[kColumns] = {4, 4, 4, 4, 4, 4, 4, 4}; ///< the row that last re-dressed each reel
    int selected = -1;
    int focused = -1;
    int won = 0;
    int hidingA = -1, hidingB = -1; ///< the pair fading out
    int hidingLetter = 0;
    String hidingMaterial;
    MiniGame::CSoundSet sounds;
    float hideFade = 0.0f;
    _CELL cells[kCells];
    MiniGame::Mouse mouse;
    OBJECT_HANDLE covers[kColumns] = {};
    _HIGHLIGHT highlights[2];
    float introT = 0.0f; ///< progress of the reels, 0..1
    int timerId = 0;
    int saved[kSaved] = {}; ///< the grid (row x 8 + column), then whether it arrived
};
