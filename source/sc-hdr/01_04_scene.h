// The script registered as "01_04_scene.sc": the hero stands thinking
// while dialog 1051 plays and two render-to-texture pictures fade in one
// after the other on planes in front of the player's camera: first the
// agents' boss with the case, then the professor, each filmed from a bone
// of an animated camera rig.
#pragma once

#include "00_msg.h"
#include "CodeScript.h"
#include "rttview.h"

class sc_01_04_scene : public virtual CodeScript, public sc_00_msg, public sc_rttview
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_01_04_scene(int mostDerived = 1) : sc_00_msg(0), sc_rttview(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    /// The thinking hero and the dialog.
    void init();
    /// The boss's picture.
    void start1();
    /// The boss's picture put away.
    void clear1();
    /// The professor's picture.
    void start2();
    /// Tells the in-game interface that the scene is over.
    void stop();
    /// Hides the hero and the professor and puts the picture away.
    void clear2();

    static vec3 createVec3(float x, float y, float z);
    static Ogre::Quaternion createQuaternion(float x, float y, float z, float w);

    OBJECT_HANDLE boss = 0;
    OBJECT_HANDLE camMove = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE bossCase = 0;
    OBJECT_HANDLE plane1 = 0;
    String plane1Name = "01_04_plane_01";
    OBJECT_HANDLE plane2 = 0;
    String plane2Name = "01_04_plane_02";
    OBJECT_HANDLE professor = 0;
    OBJECT_HANDLE rigCam1 = 0;
    OBJECT_HANDLE rigCam2 = 0;
    RTTView rtt;
};
