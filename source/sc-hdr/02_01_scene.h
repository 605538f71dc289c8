// The script registered as "02_01_scene.sc": the opening cut scene of
// location 2.  A projector lights up and its screen "02_room_ekran" shows a
// live picture: the camera "CameraEkran" films the professor, the hero and
// the girl, who stand far outside the room, riding three animated camera
// rigs one after the other while dialog 2050 plays.  The scene advances by
// counting the code 100.
#pragma once

#include "00_msg.h"
#include "CodeScript.h"

class sc_02_01_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_01_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    /// The projector lights up.
    void start1();
    void clear1();
    /// The screen shows the picture from the first rig; the dialog starts.
    void start2();
    void clear2();
    /// The second rig.
    void start3();
    void clear3();
    /// The third rig, with the girl.
    void start4();
    void clear4();
    /// Tells the in-game interface that the scene is over.
    void stop();
    /// Undoes the running rig, the screen, the room and the actors.
    void clearAll();

    OBJECT_HANDLE billboard = 0;
    OBJECT_HANDLE camMove = 0;
    OBJECT_HANDLE screenCam = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE screen = 0;
    OBJECT_HANDLE girl = 0;
    OBJECT_HANDLE hero = 0;
    int step = 0;          ///< how many 100s have arrived
    OBJECT_HANDLE professor = 0;
    OBJECT_HANDLE rig1 = 0;
    OBJECT_HANDLE rig2 = 0;
    OBJECT_HANDLE rig3 = 0;
    int rigInUse = 0;      ///< 0 none; 2, 3 or 4: the clear that undoes the running rig
    OBJECT_HANDLE light = 0;
    int startTimer = 0;

private:
    /// CameraEkran leaves rig's bone; rig's own animation stops.
    void releaseRig(OBJECT_HANDLE rig);
    /// CameraEkran hangs on bone of rig, which plays its animation "a"
    /// without end.
    void rideRig(OBJECT_HANDLE rig, const char* bone);
};
