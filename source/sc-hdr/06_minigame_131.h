// The script registered as "06_minigame_131.sc": the balance scales of room
// 06_04.  A main beam carries cup 0 on one end and a second beam with cups
// 1 and 2 on the other.  Six pyramid weights stand on a shelf or in the
// cups; a weight picked up with the mouse and dropped over a cup goes into
// it (four at most).  Both beams swing under their cups' masses as damped
// springs; cups of 9, 3 and 6 with both beams at rest level win.  The
// weights report the cursor over them ("06_04_game_lead"); the game reads
// the button itself.
#pragma once

#include "BoardGame.h"
#include "CodeScript.h"

class sc_06_minigame_131 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    static const int kLeads = 6;
    static const int kCups = 3;
    static const int kSlots = 5; ///< the last slot always stays empty
    static const int kSaved = 60;
    static const int kSlotBase = 10; ///< saved: cup t's slots from 10 + 5 t

    enum MoveKind
    {
        kGlide = 1,
        kBounce = 2,
        kHop = 3,
    };

    struct _CUP
    {
        vec3 pos = vec3::ZERO;
        float height = -10.0f;
        int mass = 0;
    };

    struct _LEAD
    {
        int mass = 0;
        OBJECT_HANDLE object = 0;
        vec3 start = vec3::ZERO;
        vec3 target = vec3::ZERO;
        vec3 current = vec3::ZERO; ///< relative to its cup while in one
        vec3 shown = vec3::ZERO;
        float height = 0.0f;
        int kind = kGlide;
        float progress = 1.0f;
    };

    /// A beam swinging as a damped spring towards the angle its masses ask.
    struct _BEAM
    {
        float angle = 0.0f;
        float speed = 0.0f;
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_minigame_131(int mostDerived = 1)
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

    /// Every weight on the shelf but weight 5, which stands in cup 2.
    void genData();
    void initGame();
    /// Whether the loaded array places every weight once, cups filled from
    /// the bottom, weight 5 in a cup.
    bool stateValid() const;
    /// The cups' stack heights and masses; with place set, the weights in
    /// the cups are put at rest on their places.
    void genState(int place);
    void click();
    void select();
    void deselect();
    void moveLeads(float dt);
    /// The cups where the scales' bones hold them now.
    void findCups();
    void moveCups(float dt);
    /// One step of a beam towards goal.
    void swing(_BEAM& beam, float goal, float dt);
    void win();
    /// The shelf place of weight w.
    vec3 getPos(int w) const;
    /// The slot of weight w in its cup, -1 when it lies in none.
    int slotOf(int w) const;

    OBJECT_HANDLE scales = 0;
    _BEAM mainBeam;
    _BEAM secondBeam;
    _CUP cups[kCups];
    int selected = -1;
    int dropCup = -1;
    int focused = -1;
    int lastCup = 2; ///< the cup the carried weight came from
    int won = 0;
    _LEAD leads[kLeads];
    vec3 dropPoint = vec3::ZERO;
    MiniGame::CBoardPointer pointer; ///< its drag state is the game's state
    MiniGame::CSoundSet sounds;
    int timerId = 0;
    int saved[kSaved] = {};
};
