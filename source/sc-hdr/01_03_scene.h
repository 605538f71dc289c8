// The script registered as "01_03_scene.sc": the agents arrive.  The hero
// walks up with the case while a jeep drives in; the boss smokes and drops
// his cigarette end; the girl and the man walk up with him, the boss shows
// a document and dialog 1050 runs.
#pragma once

#include "00_msg.h"
#include "CodeScript.h"

class sc_01_03_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_01_03_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    /// The hero walks up with the case, the jeep drives in.
    void start1();
    /// The boss smokes; the cigarette end falls.
    void start2();
    /// The agents walk up; the hero puts the case down.
    void start3();
    /// The boss has arrived: the camera cuts to him.
    void switchCamera();
    /// The document in the boss's hand.
    void showBossDoc();
    /// Dialog 1050.
    void start4();
    /// The document is put away.
    void hideBossDoc();
    /// Tells the in-game interface that the scene is over.
    void stop();
    /// Hides and stops everything the scene showed.
    void clear();

    OBJECT_HANDLE agentDoc = 0;
    OBJECT_HANDLE cigaretteEnd = 0;
    OBJECT_HANDLE boss = 0;
    OBJECT_HANDLE girl = 0;
    OBJECT_HANDLE man = 0;
    OBJECT_HANDLE jeep = 0;
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE caseAnim = 0;
    OBJECT_HANDLE caseAnim2 = 0;
    OBJECT_HANDLE camMove = 0;
    OBJECT_HANDLE dialogs = 0;
    int fallAnim = 0;   ///< what the cigarette end's fall reports at its end
    int caseInHand = 0; ///< 1 while "01_keis_anim" hangs in the hero's hand
    int smokeTimer = 0;
};
