// The script registered as "01_minigame_32.sc": the gear puzzle of
// location 1.  Eight gears and eighteen pins: the driving gear 0 sits on
// pin 0 and the last gear 7 on pin 7; pins 1..6 complete a chain of meshing
// pins between them and ten more pins branch off the chain as decoys.  The
// player drags gears 1..6 from the tray onto pins; a gear turns when the
// pin it sits on hangs from a pin whose gear turns.  All eight gears
// turning on the chain pins 0..7 solve the board, which then trembles.
//
// The gears' pieces report focus (N + 10000) and loss of focus; a press
// picks the focused gear.  The board is saved as the int array
// 1_32_variable_0..49 (pin directions and parents, the gears' pins) with
// the solved flag as its end value.
#pragma once

#include "CodeScript.h"
#include "MiniGame.h"
#include "PuzzleBoard.h"

class sc_01_minigame_32 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_01_minigame_32(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static const int kGears = 8;
    static const int kPins = 18;
    static const int kChainPins = 8; ///< pins 0..7 make the chain
    static const int kStateSize = 50;
    static const int kGearPins = 36; ///< state[36 + g]: the pin of gear g, -1 in the tray

    struct Gear
    {
        vec3 from = vec3::ZERO;
        vec3 to = vec3::ZERO;
        vec3 current = vec3::ZERO;
        float t = 1.0f; ///< the move from from to to, 1 at rest
        OBJECT_HANDLE object = 0;
        int turn = 0; ///< +1 or -1 for a turning gear, 0 for a still one
    };
    struct Pin
    {
        vec3 position = vec3::ZERO;
        OBJECT_HANDLE object = 0;
        int gear = -1;
    };

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;

    /// A new board: the chain and the decoys drawn at random, gears 0 and 7
    /// on pins 0 and 7; saved at once.
    void genData();
    void initGame();
    void win();
    /// Whether the held gear may go onto candidatePin.
    int check() const;
    void click();
    void select();
    void deselect();
    /// Which gears turn, and the gear of every pin.
    void rotateGen();
    void moveGear(float inc);
    /// The tray place of gear i.
    static void getPos(int i, vec3& pos);
    /// The pin next to prev in direction ang (0..31, 11.25 degrees a step).
    static void getPos3(const vec3& prev_pos, int ang, vec3& new_pos);
    /// 1 when p1 and p2 are closer than len in x and y.
    static int compareLen(const vec3& p1, const vec3& p2, float len);
    static float fun1(float x);
    static float interp(float x1, float x2, float a);
    void focusWord(int i);
    void unfocusWord();
    int getGearPos(int i) const;
    void setGearPos(int i, int value);
    int getPipkaAngle(int i) const;
    void setPipkaAngle(int i, int value);
    int getPipkaConnect(int i) const;
    void setPipkaConnect(int i, int value);
    void playSnd(int i) const;

    float turnAngle = 0.0f;
    vec3 grabOffset = vec3::ZERO; ///< held gear minus pointer at the pick; z the lift
    int selectedGear = -1;
    int focusedGear = -1;
    OBJECT_HANDLE background = 0;
    vec3 backgroundPosition = vec3::ZERO;
    int solved = 0;
    Gear gears[kGears];
    PuzzleBoard::Sounds sounds;
    PuzzleBoard::Pointer pointer{112.337f};
    PuzzleBoard::Drag drag;
    int candidatePin = -1; ///< the pin under the held gear, recomputed every tick
    Pin pins[kPins];
    OBJECT_HANDLE highlight = 0;
    int highlightGear = 0;
    float highlightLevel = 0.0f;
    int highlightOn = 0;
    vec3 shakeOffset = vec3::ZERO;
    float shakeTime = 0.0f;
    int timerId = 0;
    int state[kStateSize] = {};

private:
    /// Lays the chain pins 1..7 out in positions; false when the attempts
    /// ran out or the chain ends left of or below pin 0's axes.
    bool layChain(vec3* positions, int& attempts);
    /// Lays the decoy pins 8..17 out; false when the attempts ran out.
    bool layDecoys(vec3* positions, int& attempts);
    /// Makes a loaded board safe to play: parents that are no earlier pin
    /// and pins that do not exist are put right with a warning.
    void repairState();
};
