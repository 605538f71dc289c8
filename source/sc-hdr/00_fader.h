// The view fader "00_fader.sc": cross-fades a camera cut.  A snapshot of the
// current room is laid over the screen, made opaque within half a second,
// the camera mover cuts behind it, and the snapshot fades away within one
// second, uncovering the new view.
#pragma once

#include "CodeScript.h"

class sc_00_fader : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_fader(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    /// Snapshot, overlay and frame timer of a new fade.
    void start();
    /// The end of a fade: timer off, overlay hidden, the requester answered.
    void stop();
    /// The visibility bit of a room (1 and up).
    uint32_t getMask(int room);

    float alpha = 1.0f;
    OBJECT_HANDLE cameraMover = 0;
    float step = 0.0f;           ///< the last frame in seconds
    int code = 0;                ///< the camera code being carried out
    OBJECT_HANDLE requester = 0;
    int phase = 0;               ///< 0 making opaque, 1 uncovering, 2 finished
    int timer = 0;
};
