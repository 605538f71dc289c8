// The script registered as "04_02_scene.sc": the video telephone of
// location 4.  100 shows the girl on its screen through the render texture
// "girl_rtt" while she plays "drags"; when she is done everything goes back
// to the plain screen.  The option "show_girl_video" tells the room's
// sounds which of the two holds.  Nothing is answered: the interface does
// not wait for this scene.
#pragma once

#include "CodeScript.h"

class sc_04_02_scene : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_02_scene(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    void clear();
    void start();

    OBJECT_HANDLE camMove = 0;
    OBJECT_HANDLE girl = 0;
    OBJECT_HANDLE screen = 0;
};
