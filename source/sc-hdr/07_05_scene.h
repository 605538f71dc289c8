// The script registered as "07_05_scene.sc": the game's last scene.  On 100
// from the game interface the four characters take their last places, the
// closing dialog plays, the loader fades, and the camera flies along while
// a lens flare follows the sun; the current location is reset and the game
// saved, the last caption comes 15 s after the fade, and the end of the
// flight is reported to the game interface.
#pragma once

#include "00_msg.h"
#include "CodeScript.h"

class sc_07_05_scene : public virtual CodeScript, public virtual sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_07_05_scene(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void start1();
    void start2();
    void start3();
    void start4();
    void start5();
    void stop();
    /// Brightness of the three sun materials.
    void setAlpha(float a);
    /// The flare placed after the sun's place on the screen.
    void flareFrame();

    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE boss = 0;
    OBJECT_HANDLE girl = 0;
    OBJECT_HANDLE professor = 0;
    OBJECT_HANDLE sun = 0;
    float linseSize[4][2] = {}; ///< width and height of the four flare elements
    int dialogTimer = 0;
    int flareTimer = 0;
    int captionTimer = 0;
};
