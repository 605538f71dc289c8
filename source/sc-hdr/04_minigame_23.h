// The script registered as "04_minigame_23.sc": the darts panel of room
// 04_06.  Five darts are dragged from the hand onto a board of ten sectors
// worth 1 to 10 points, one dart per sector; when all five sit on the board
// and their points add up to the target number, the panel tells its
// close-up zone ("04_06_az_darts_npm") that it is solved.  A two-digit
// counter in a corner of the screen shows the current sum.
//
// The darts ("04_06_game_drotik_NN") report focus and loss of focus; the
// game reads the mouse itself.  The zone opens the panel with 1 and closes
// it with 2; the darts and the target stay in the saved game (location 4,
// game 23).
#pragma once

#include "CodeScript.h"
#include "MiniGame.h"
#include "Puzzle.h"

class sc_04_minigame_23 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_minigame_23(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static const int kDarts = 5;
    static const int kSectors = 10;
    static const int kSaved = 6;
    static const int kTarget = 5; ///< saved index of the target number

    enum Mode
    {
        kHome = 1,  ///< sliding back into the hand
        kStick = 2, ///< flying into the board, then quivering
    };

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    void genData();
    void init();
    void close();
    void showHint();

    void click();
    void select();
    void deselect();
    void genState();
    void check();
    void end();
    void moveDrotik(float dt);
    void counterSetCount(int c);

    /// Dart i's place: in the hand column (sector 0) or on the board.
    vec3 getPos(int i, int sector) const;
    /// The sector under a point: 0 off the board, else 1..10.
    int getNum(const vec3& p) const;
    /// The points of sector s.
    static int numbers(int s);

    struct Dart
    {
        OBJECT_HANDLE object = 0;
        vec3 start = vec3::ZERO;
        vec3 target = vec3::ZERO;
        vec3 current = vec3::ZERO;
        float progress = 1.0f; ///< of its move; 1 at rest
        int mode = kHome;
    };

    int& sector(int i) { return data[i]; }

    int data[kSaved] = {};
    int gameOver = 0;
    Dart darts[kDarts];
    int occupied[kSectors + 1] = {};

    int state = 0; ///< 0 idle, 1 a dart picked up, 2 dragged
    int selected = -1;
    int focused = -1;
    int under = -1;
    vec3 grab = vec3::ZERO;
    float pickUp = 0.0f;
    vec3 boardPoint = vec3::ZERO;
    vec3 handPoint = vec3::ZERO;
    float pressX = 0.0f;
    float pressY = 0.0f;
    MiniGame::Mouse mouse;
    vec3 centre = vec3::ZERO;
    int shown = -1; ///< the counter's value, -1 none yet

    Puzzle::CSoundSet sounds;
    int timer = 0;

private:
    void save();
};
