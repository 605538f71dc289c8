// The script registered as "04_04_scene.sc": the portal door whose exit
// zone leads on to room 5; its lamp lights and its zone opens on clocks
// while the camera animates (CPortalScene).
#pragma once

#include "PortalScene.h"

class sc_04_04_scene : public CPortalScene
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_04_scene(int mostDerived = 1) : CPortalScene(kDoor)
    {
        (void)mostDerived;
    }

    static constexpr Door kDoor = {4029, 10404, "04_03_portal01_door1", "04_03_az_exit_to_05_msz", 6240};
};
