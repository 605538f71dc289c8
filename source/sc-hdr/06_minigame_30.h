// The script registered as "06_minigame_30.sc": the lava hall of room 06_06.
// Twelve pillars ("06_06_Stolbik01" to "12") rise out of the lava in four
// rows of 2, 3, 3 and 4; each pillar of the current row shows one of four
// signs, and only the one with the sign that a hidden sequence prescribes
// for the row is safe.  The hero "01_hero_worker" jumps from row to row at
// the player's clicks on the pillars' hot zones (their pieces report 10000,
// 20000 and 40000 + pillar); a wrong pillar sends him back through the
// loader's fade, a landing beyond the fourth row wins.  The game has no
// board of its own and switches no camera.
#pragma once

#include "BoardGame.h"
#include "CodeScript.h"
#include "MiniGame.h"

class sc_06_minigame_30 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    struct Stolb
    {
        OBJECT_HANDLE pillar = 0;
        OBJECT_HANDLE lava = 0;
        OBJECT_HANDLE zone = 0; ///< the hot zone with the pillar's piece
        int raising = 0;
        int focused = 0;
        int used = 0;
        float height = 0.0f; ///< 0..1 of the rise
        float glow = 0.0f;
        float usedFade = 0.0f;
        vec3 base = vec3::ZERO;
        String pillarMat;
        String lavaMat;
    };

    enum HeroState
    {
        kTurning = 0,
        kJumping = 1,
        kFinalTurn = 2,
        kLanded = 3,
        kIdle = 4,
    };

    static const int kPillars = 12;
    static const int kBlock = 19;
    static const int kMaxPath = 16;
    /// Saved block: the sequence, the pillars' signs, the row counter, a
    /// spare and the last pillar.
    static const int kSequence = 0;
    static const int kSigns = 4;
    static const int kRowCounter = 16;
    static const int kLastPillar = 18;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_minigame_30(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE from) override;

    // The frame's codes.
    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    /// The block is written only when it is drawn: nothing to save.
    void saveGame() override {}
    void showHint() override;

    /// A new sign sequence; saved.
    void genData();
    void initGame();
    void setPic(int i, int c);
    void addNextRow();
    void addRow(int c);
    void disableRow();
    void click(int i);
    void setFocus(int i);
    void killFocus(int i);
    void stolbProcess(float inc);

    void heroInit();
    void heroClear();
    /// Appends pillar i to the path; it becomes the current pillar.
    void heroJumpTo(int i);
    /// Appends a point off the pillars to the path.
    void heroJumpTo(float x, float y);
    /// Turns the hero towards d; 1 once the facing has swept past it.
    int heroFindDir(const vec3& d, float inc);
    void heroProcess(float inc);
    void heroEndJump();
    /// After a wrong jump: the loader fades and answers 666.
    void newGame();
    /// 666: back to the pillar before the last good jump.
    void clear();
    void win();
    void startTick();

    int block[kBlock] = {};
    int gameOver = 0;
    int rowMin = 0; ///< the current row's pillars: rowMin..rowMax - 1
    int rowMax = 0;
    int target = -1;
    int current = -1;

    OBJECT_HANDLE hero = 0;
    vec3 origin = vec3::ZERO;
    vec3 shown = vec3::ZERO;
    vec3 angles = vec3::ZERO;
    vec3 finalDir = vec3(0.0f, 1.0f, 0.0f);
    float jumpTime = 0.0f;
    int heroState = kIdle;
    int jumpPhase = 0;
    vec3 path[kMaxPath];
    int pathIndex = 0;
    int pathCount = 0;

    /// Where the hero stood, and on which pillar, when the player clicked
    /// at each row counter value.
    vec3 restartPos[6];
    int restartPillar[6] = {-1, -1, -1, -1, -1, -1};

    Stolb stolbs[kPillars];
    float lavaPhase = 0.0f;
    int timer = 0;
    MiniGame::CSoundSet sounds;
};
