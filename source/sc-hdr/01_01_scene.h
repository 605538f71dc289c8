// The script registered as "01_01_scene.sc": the opening cut scene of the
// game.  The hero walks up and takes a telephone call; while the professor
// talks (dialog 1000) his picture, filmed by the render-to-texture camera,
// cross-fades in on a plane in front of the player's camera and the camera
// cuts between two views of him.  Clearing the scene starts play.
#pragma once

#include "00_msg.h"
#include "CodeScript.h"

class sc_01_01_scene : public virtual CodeScript, public sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_01_01_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    /// Undoes the scene and starts play.
    void clear();
    /// The hero walks to the telephone.
    void start();
    /// The telephones go into the hands.
    void start2();
    /// The call: the professor's picture fades in and the dialog starts.
    void start3();
    /// The picture's first view of the professor.
    void start4();
    /// Its second view.
    void start5();
    /// The picture is put away.
    void start6();
    /// Tells the in-game interface that the scene is over.
    void stop();
    /// The professor's picture over the plane's own texture by weight a.
    void setPlaneAlpha(float a);

    float fade = 0.0f;             ///< the picture's weight; never reset
    OBJECT_HANDLE camMove = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE plane = 0;
    OBJECT_HANDLE professor = 0;
    int fadeTimer = 0;

private:
    /// "CameraRtt" takes the place of the locator object of that name.
    void cameraRttTo(const char* locator);
};
