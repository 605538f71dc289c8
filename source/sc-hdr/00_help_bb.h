// The help glint "00_help_bb.sc": 30 seconds after it is armed, a glint
// (the billboard object "00_help_bb") flashes, over and over, on one of up
// to 16 objects of the room that are still of use, seen from the current
// camera, while the camera stands still.  Any notification re-arms it.
#pragma once

#include "CodeScript.h"

/// One object the glint may point at.
struct __HELP_BB_RECORD
{
    OBJECT_HANDLE obj = 0;
    String var;          ///< not 0 once the object is of no more use
    String condVar;      ///< the object is a candidate once this variable ...
    int cam = 0;         ///< camera number from which the object is seen
    int doneValue = 0;   ///< the done variable as last read
    int condMet = 0;     ///< 1 once the condition held
    int condValue = 0;   ///< ... has this value
};

class sc_00_help_bb : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_help_bb(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static constexpr int kRecords = 16;

    /// Reads the records, arms the help and makes the glint invisible.
    void ON_CREATE() override;
    /// The arming timer starts the glint timer; the glint timer glints.
    void ON_TIME(int id) override;
    /// Any code re-arms the help.
    void ON_NOTIFY(int code) override;

    /// Starts the 30-second wait.
    void enable();
    /// One frame of the glint.
    void processGlint();

    float mPhase = 8.0f;                   ///< glint phase; 8 and above: ready for a new glint
    int mCount = 0;                        ///< records in use ("count")
    String mMaterial = "00_help_bb";
    OBJECT_HANDLE mGlint = 0;              ///< the glint object "00_help_bb"
    __HELP_BB_RECORD mRecords[kRecords];
    int mGlintTimer = 0;
    int mArmTimer = 0;
};
