// The script registered as "02_minigame_02.sc": the sign-phrase puzzle of
// location 2.  Two rows of twenty signs of four kinds ("02_03_game_letter_00"
// to "_39") are to be covered by sixteen word tiles ("02_03_game_word_00" to
// "_15"; tiles 0..3 carry one sign, 4..7 two, 8..11 three, 12..15 four).
// A tile dropped on a row stays where its signs match the row's and no tile
// covers those places; anywhere else it lies on the table where it fell.
// All sixteen placed win: the rows' plain texts (string-table texts 6050
// and 6051) fade in over the rows while the signs fade out.
//
// The tiles report focus as 10000 + n and loss of focus as 20000 + n; the
// game reads the button itself once a frame.  Saved array (location 2,
// game 2): the rows' signs (0..19, 20..39), four signs per tile (40 + 4i +
// k), the tiles' table places (x at 110 + 2i, y at 111 + 2i, each 0..100)
// and row places (150 + i: slot + 20 x row, or -1 on the table); the end
// value is won.
#pragma once

#include "BoardGame.h"
#include "CodeScript.h"

class sc_02_minigame_02 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    static const int kTiles = 16;
    static const int kRowLength = 20;
    static const int kSaved = 170;

    struct _TILE
    {
        int length = 1;
        int sign[4] = {0, 0, 0, 0};
        OBJECT_HANDLE obj = 0;
        vec3 from = vec3::ZERO;
        vec3 to = vec3::ZERO;
        vec3 current = vec3::ZERO;
        float t = 1.0f;       ///< 1: at rest
        float zOffset = 0.0f; ///< tiles overlap in index order
    };

    /// One cell of a plain-text row.
    struct Letter
    {
        String panel;   ///< the row's panel in the overlay
        String element; ///< the cell's text element
        int shown = 0;  ///< 1 when the cell holds a character of the text
    };
    struct Textrow
    {
        Letter letters[kRowLength];
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_minigame_02(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE from) override;

    void genData();
    /// The row places covered by placed tiles; all tiles placed win.
    void genStates();
    void initGame();
    void initTextrows();
    void initTextRow(Textrow& row, const String& ov, const String& _pan, int r, int len);
    void initLetter(Letter& l, const String& ov, const String& pan, int r, int i, int len);
    void showTextrows();
    void hideTextrows();
    void destroyTextrows();
    void setTextAlpha(float a);
    void moveText(float inc);
    void loadSnd();
    void unloadSnd();
    void playSnd(int i);
    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;
    void win();
    /// Whether the selected tile fits targetSlot of targetRow.
    bool check();
    void click();
    void select();
    void deselect();
    void focusWord(int i);
    void unfocusWord();
    void showBonussvet(int i);
    void hideBonussvet();
    void moveBonussvet(float inc);
    void moveWords(float inc);
    /// Tile i's place on the table.
    void getPos(int i, vec3& p);
    /// Stores the table place of the point p for tile i.
    void setPos(int i, vec3 p);
    /// Tile i's place at slot n of row 0.
    void getPhrasePos1(int i, int n, vec3& v);
    /// Tile i's place at slot n of row 1.
    void getPhrasePos3(int i, int n, vec3& v);
    /// Row sign submesh (0..39) shows sign.
    void setSign(int submesh, int sign);
    /// Sub-entity submesh of obj shows sign (-1: the empty sign).
    void setSign2(OBJECT_HANDLE obj, int submesh, int sign);

    OBJECT_HANDLE highlights[4] = {0, 0, 0, 0};
    float highlightValue = 0.0f;
    int highlightIndex = 0;
    int highlightOn = 0;
    int highlightTile = 0;
    float grabOffset[3] = {0.0f, 0.0f, 3.0f};
    int selected = -1;
    int focused = -1;
    int won = 0;
    MiniGame::CSoundSet sounds;
    MiniGame::CBoardPointer pointer;
    int targetSlot = -1;
    OBJECT_HANDLE row0Backgrounds[2] = {0, 0};
    vec3 row0origin = vec3::ZERO;
    OBJECT_HANDLE row1Backgrounds[2] = {0, 0};
    vec3 row1origin = vec3::ZERO;
    int targetRow = -1;
    int occupied[2][kRowLength] = {};
    float textAlpha = 0.0f;
    String textMaterial;
    Textrow textRows[2];
    int saved[kSaved] = {};
    _TILE tiles[kTiles];

    int timer = 0; ///< the frame tick while the game runs

private:
    /// The saved row place of tile i (-1 on the table).
    int& rowPlace(int i) { return saved[150 + i]; }
};
