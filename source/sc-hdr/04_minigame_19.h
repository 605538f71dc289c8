// The script registered as "04_minigame_19.sc", bound to the exit of room
// 04_02 ("04_02_az_exit_to_03_mg"): six pillars, each with a drum of eight
// positions and a number plate that shows the number its drum must show.
// A click on a pillar turns its drum one step forward.  A task of the story
// asks with 100 and hears 100 back once every drum shows its number.  The
// targets and the drums' positions stay in the saved game (location 4,
// game 19).
//
// The pillars' hot spots ("04_02_az_stolb_act_NN", 01 to 06) send 30000
// plus their drum's index on a press.
#pragma once

#include "CodeScript.h"
#include "Puzzle.h"

class sc_04_minigame_19 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_minigame_19(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static const int kDrums = 6;
    static const int kPositions = 8;
    static const int kSaved = 12;
    /// One position of a drum in turns of its texture.
    static constexpr float kStep = 0.125f;

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    void genData();
    void init();
    void click(int p);
    void barabanProcess();
    void save();

    int& target(int r) { return data[r]; }
    int& position(int r) { return data[kDrums + r]; }

    struct Drum
    {
        OBJECT_HANDLE pillar = 0;
        OBJECT_HANDLE plate = 0;
        OBJECT_HANDLE sign = 0;
        String signMaterial;
        String plateMaterial;
        String drumMaterial;
        float t = 0.0f;
        int turning = 0;
        float start = 0.0f; ///< texture scroll, in turns
        float end = 0.0f;
        float current = 0.0f;
    };

    int data[kSaved] = {};
    int gameEnd = 0;
    Drum drums[kDrums];
    OBJECT_HANDLE requester = 0;
    float dt = 0.0f;
    Puzzle::CSoundSet sounds;
    int timer = 0;
};
