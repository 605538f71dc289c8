// The script registered as "04_minigame_21.sc", bound to the laser cannon
// of room 04_04 ("04_04_az_LazernajaPushka_mg"): seven wall switches with
// coloured lamps.  Five of them carry the five colours, two are decoys; the
// cannon's screen shows a start colour, and the coloured switches must be
// pulled in colour order from it.  A wrong pull spoils the run: no pull is
// taken until the room asks for a check (100), which lets the coloured
// switches back up.  A check that finds five right pulls solves the puzzle:
// the requester (registered with 1) hears 1 and the cannon's plasma fades
// out.  The switch codes, pulls and start colour stay in the saved game
// (location 4, game 21).
//
// The switches' hot spots ("04_04_az_rubilnik_NN", 01 to 07) send 30000
// plus the switch's index on a press; each switch's lever is moved by its
// side zone ("04_04_az_rubilnik_NN_msz": 100 down, 105 down at once, 200
// up).
#pragma once

#include "CodeScript.h"

class sc_04_minigame_21 : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_minigame_21(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static const int kSwitches = 7;
    static const int kColours = 5; ///< codes 0..4; 5 and 6 are the decoys
    static const int kSaved = 17;
    static const int kPulled = 7; ///< saved index of switch 0's pulled flag
    static const int kStart = 15; ///< saved index of the start colour
    static const int kCount = 16; ///< saved index of the pulls since a reset
    /// The lamp's colour of a pulled switch (and of the decoys).
    static const int kPulledColour = 7;

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    void genData();
    void init();
    void set_color(int i, int c);
    void plazmaSetAlpha(float a);
    void showAz();
    void click(int p);
    void Color(int p);
    void check();
    void end();
    void save();

    int& code(int i) { return data[i]; }
    int& pulled(int i) { return data[kPulled + i]; }

    struct Switch
    {
        OBJECT_HANDLE lever = 0;
        OBJECT_HANDLE hotSpot = 0;
        OBJECT_HANDLE zone = 0;
        String lamp;
    };

    int data[kSaved] = {};
    int gameEnd = 0;
    Switch switches[kSwitches];
    int clean = 1; ///< no wrong pull since the last check
    float plasma = 0.0f;
    OBJECT_HANDLE requester = 0;
    int timer = 0;
};
