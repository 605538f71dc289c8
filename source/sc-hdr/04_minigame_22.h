// The script registered as "04_minigame_22.sc", bound to the code
// generator's hot spot "04_06_az_generator_koda_mg": two linked puzzles
// without a board scene of their own.
//
// The generator of room 04_06 has five sliders, each pulled one step back by
// its lever; when every slider stands at its picture's place, the seven sign
// plates fade in a seven-digit code, the journal takes a picture and, when
// the game was started through the mini-game frame, the frame hears of the
// win.  The code box on the door of room 04_05 has seven digit plates that
// turn a quarter per click; when they show the code the door zone opens.
// Both run every frame while the room is loaded, started or not.  The state
// and all positions stay in the saved game (location 4, game 22).
#pragma once

#include "CodeScript.h"
#include "MiniGame.h"
#include "Puzzle.h"

class sc_04_minigame_22 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_minigame_22(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static const int kSliders = 5;
    static const int kPlates = 7;
    static const int kSaved = 24;
    static const int kSolutions = 5; ///< saved index of slider 0's solution
    static const int kCode = 10;     ///< saved index of the code's first digit
    static const int kBox = 17;      ///< saved index of box plate 0

    enum State
    {
        kUnsolved = 0,
        kCodeShown = 1,
        kBoxOpen = 2,
    };

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    // -- the frame ----------------------------------------------------------
    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;
    /// Skip: every slider slides to its solution and the generator ends as
    /// if the player had set it.
    void win();

    void genData();
    void init();

    // -- the generator ------------------------------------------------------
    /// Lever w pulls its slider one step back (from 0 round to 4).
    void click(int w);
    void check();
    void end();

    // -- the code box -------------------------------------------------------
    /// Plate d turns a quarter on, always the same way.
    void click2(int d);
    void check2();
    void end2();

    void butProcess();

    struct Slider
    {
        OBJECT_HANDLE slider = 0;
        OBJECT_HANDLE lever = 0;
        vec3 base = vec3::ZERO;
        float start = 0.0f;   ///< depth offsets
        float target = 0.0f;
        float current = 0.0f;
        float progress = 0.0f;
        int moving = 0;
    };

    struct Plate
    {
        String sign;  ///< the generator's sign plate showing this digit
        String plate; ///< the box plate
        float start = 0.0f; ///< texture scrolls of the box plate
        float target = 0.0f;
        float current = 0.0f;
        float progress = 0.0f;
        int moving = 0;
        OBJECT_HANDLE door = 0;
    };

    int& position(int w) { return data[w]; }
    int& solution(int w) { return data[kSolutions + w]; }
    int& digit(int d) { return data[kCode + d]; }
    int& box(int d) { return data[kBox + d]; }

    int data[kSaved] = {};
    int state = kUnsolved;
    int active = 0;
    float dt = 0.0f;
    float fade = 0.0f; ///< of the code on the signs, 0..1
    Slider sliders[kSliders];
    Plate plates[kPlates];
    Puzzle::CSoundSet sounds;
    OBJECT_HANDLE requester = 0;
    int timer = 0;

private:
    void save();
    void placeSlider(const Slider& s);
};
