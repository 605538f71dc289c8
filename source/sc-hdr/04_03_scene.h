// The script registered as "04_03_scene.sc": the portal door whose exit
// zone leads on to room 4; its lamp lights and its zone opens on clocks
// while the camera animates (CPortalScene).
#pragma once

#include "PortalScene.h"

class sc_04_03_scene : public CPortalScene
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_03_scene(int mostDerived = 1) : CPortalScene(kDoor)
    {
        (void)mostDerived;
    }

    static constexpr Door kDoor = {4019, 10403, "04_03_portal02_door1", "04_03_az_exit_to_04_msz", 6029};
};
