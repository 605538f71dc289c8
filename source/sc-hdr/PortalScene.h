// What the two portal-door scenes of location 4 ("04_03_scene" and
// "04_04_scene") share: 100 plays the door's voice and camera animation and
// starts two clocks; when the first runs out the door's lamp lights, when
// the second runs out the exit zone opens.  The end of the camera
// animation answers the interface, in whatever order these come.  Clearing
// sets the zone open at once and stops the clocks.
#pragma once

#include "00_msg.h"

class CPortalScene : public virtual CodeScript, public sc_00_msg
{
public:
    /// What tells the two doors apart.
    struct Door
    {
        int voice;            ///< the voice played at the start
        int camFlight;        ///< the camera animation, whose echo ends the scene
        const char* doorName; ///< the door object whose lamp lights
        const char* zoneName; ///< the exit zone that opens
        int openTime;         ///< ms from the start to the opening
    };

    explicit CPortalScene(const Door& door) : sc_00_msg(0), mDoor(door), openTime(door.openTime) {}

    void ON_CREATE() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE sndr) override;

    void clear();
    void start();
    /// The lamp lights.
    void start2();
    /// The zone opens.
    void start3();
    void stop();

private:
    const Door mDoor;

public:
    OBJECT_HANDLE camMove = 0;
    int openTime;         ///< ms from the start to the opening of the exit zone
    int lampLead = 3000;  ///< ms by which the lamp lights before the zone opens
    int openTimer = -1;
    int lampTimer = -1;
};
