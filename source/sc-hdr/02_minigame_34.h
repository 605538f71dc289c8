// The script registered as "02_minigame_34.sc": the letter jigsaw of
// location 2.  Eleven letters ("02_02_game_letter_00" to "_10") lie
// scattered over a field in front of the camera; where they stand in the
// scene is the solved inscription.  The player drags letters, a joined
// group as one by its leader; a dropped group joins a neighbour's group
// when a letter lies within 5 units of its place beside that neighbour.
// All eleven in one group and at rest win: the inscription glides home and
// the letters' second texture layer fades in.
//
// The letters report focus as 10000 + n and loss of focus as 20000 + n;
// the game reads the button itself once a frame.  Saved array (location 2,
// game 34): per letter x, y (0..100) of its place on the field and its
// group (the index of the group's leader); the end value is won.
#pragma once

#include "BoardGame.h"
#include "CodeScript.h"

class sc_02_minigame_34 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    static const int kLetters = 11;
    static const int kSaved = 3 * kLetters;

    struct _LETTER
    {
        OBJECT_HANDLE obj = 0;
        vec3 home = vec3::ZERO; ///< its place in the inscription, as the scene put it
        vec3 from = vec3::ZERO;
        vec3 current = vec3::ZERO;
        vec3 to = vec3::ZERO;
        float offset[2] = {0.0f, 0.0f}; ///< its place relative to its group's leader
        float t = 1.0f;                 ///< 1: at rest
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_minigame_34(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE from) override;

    void genData();
    void initGame();
    void loadSnd();
    void unloadSnd();
    void playSnd(int i);
    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;
    void win();
    void click();
    void select();
    void deselect();
    void focusWord(int i);
    void unfocusWord();
    void checkAllConnect();
    void checkConnect(int i0, int i1);
    void connectGroup(int g0, int g1);
    void connect(int i0, int i1);
    /// The leader of letter i's group.
    int getConnect(int i);
    void setConnect(int i, int o);
    void moveLetters(float inc);
    void moveLetter(int i, float inc);
    /// Letter i's point on the field for the place (x, y), each 0..100.
    void getPos(int i, int x, int y, vec3& v);
    /// The place (x, y) of the point v; v gets letter i's own depth.
    void setPos(int i, int& x, int& y, vec3& v);
    /// The strength of the letters' second texture layer.
    void setAlpha(float a);

    float glow = 0.0f;
    float grabOffset[3] = {0.0f, 0.0f, 1.0f};
    int selectedGroup = -1;
    int focused = -1;
    int won = 0;
    MiniGame::CSoundSet sounds;
    _LETTER letters[kLetters];
    MiniGame::CBoardPointer pointer;
    int allAtRest = 0;
    int saved[kSaved] = {};

    int timer = 0;       ///< the frame tick while the game runs
    int homesKnown = 0;  ///< 1 once the letters' homes have been read
};
