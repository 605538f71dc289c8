// The script registered as "02_02_scene.sc": the villain breaks in through
// a door, smokes a cigarette while dialog 2051 plays and finally sets the
// professor's photograph on fire.  The cigarette's glow and smoke and the
// villain's exhaled smoke follow fixed timetables of one-shot timers; the
// burning is drawn by two growing texture spots on the photograph's
// materials and a growing smoke emitter.  The scene advances by counting
// the code 100 and has nothing to clear.
#pragma once

#include "CodeScript.h"

class sc_02_02_scene : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_02_scene(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    /// The villain breaks in.
    void start1();
    /// Dialog 2051.
    void start2();
    /// He smokes; the photograph moves.
    void start3();
    /// The photograph burns.
    void start4();
    /// Tells the in-game interface that the scene is over.
    void stop();

    /// Kills the timer unless it is -1, and sets it to -1.
    void clearTimer(int& timer);
    /// clearTimer on the four glow and the four smoke timers.
    void clearSigaraTimers();
    /// The glow and smoke timetable while the villain comes in.
    void setSigaraTimers1();
    /// The timetable while he smokes at the photograph.
    void setSigaraTimers3();
    /// The cigarette glows: no smoke from its tip.
    void sigaraFireOn();
    /// The glow goes out: the tip smokes.
    void sigaraFireOff();
    void villainSmokeOn();
    void villainSmokeOff();
    /// The burnt spot on both photograph materials.
    void setBurningSpotSize(float size);
    /// The flame spot, and the smoke that grows with it.
    void setFireSpotSize(float size);
    /// The ring size and emission rate of the photograph's smoke.
    void setFotoSmokeSize(float size);

    OBJECT_HANDLE camMove = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE photo = 0;
    float burnSize = 0.05f;
    float burnStep = 0.0008f;
    float fireStep = 0.0001f;
    float fireSize = 0.1f;
    bool cigaretteLit = false;
    bool villainSmoking = false;
    int photoAnim = 0; ///< what the photograph's first animation reports at its end
    int step = 0;
    OBJECT_HANDLE cigarette = 0;
    OBJECT_HANDLE glow = 0;
    int burnTickTimer = -1;
    int burnStartTimer = -1;
    int fireTickTimer = -1;
    int fireStartTimer = -1;
    int endTimer = -1;
    int photoShowTimer = -1;
    int glowTimer1 = -1; ///< glow off
    int glowTimer2 = -1; ///< glow off
    int glowTimer3 = -1; ///< glow on
    int glowTimer4 = -1; ///< glow on
    int smokeTimer1 = -1; ///< the villain's smoke stops
    int smokeTimer2 = -1; ///< the villain's smoke stops
    int smokeTimer3 = -1; ///< the villain's smoke starts
    int smokeTimer4 = -1; ///< the villain's smoke starts
    OBJECT_HANDLE villain = 0;

private:
    /// A one-shot timer of the scene's own object.
    int once(uint32_t ms);
};
