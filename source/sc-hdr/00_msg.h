// The message base script "00_msg.sc": the notification codes that the room
// scripts, the camera mover, the dialog player, the loader and the in-game
// interface exchange, written in one place.  Scripts take it as a shared
// base (virtually, like CodeScript); bound to a node on its own it ignores
// every message.
#pragma once

#include "CodeScript.h"

class sc_00_msg : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_msg(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    /// True for the two common-plane camera turns (7770, 7771).
    bool cameraIsCommonPlaneRotation(int code);
    /// True for the near-plane camera codes, 6100 < code < 6700.
    bool cameraIsMoveNearPlane(int code);
    /// True for the near-plane leaving codes 6200 to 6299.
    bool cameraIsNearPlaneOut(int code);
    /// Asks "00_loader" to start the fade acceleration.
    void fadeAccelerateRequest();
    /// Asks "00_loader" to enable the fade acceleration.
    void fadeEnableAccelerate();

    const int mLoaderAnswer = 1100;       ///< a code the loader answers
    const int mStopCode = 10000;          ///< stop for the dialog and voice players
    const int mCamCommonPlaneA = 7770;    ///< common-plane camera turn, one way
    const int mCamCommonPlaneB = 7771;    ///< the same, the other way
    const int mFadeAccelerate = 2222;     ///< loader: start the fade acceleration
    const int mFadeEnableAccel = 2223;    ///< loader: enable the fade acceleration
    const int mLoaderFade1 = 101;         ///< loader fade, first kind
    const int mLoaderFade3 = 103;         ///< loader fade, third kind
    const int mLoaderFade2 = 102;         ///< loader fade, second kind
    const int mLoaderFade4 = 104;         ///< loader fade, fourth kind
    const int mNearPlaneMax = 6700;       ///< near-plane camera codes lie below
    const int mNearPlaneMin = 6100;       ///< near-plane camera codes lie above
    const int mLoaderAnswer2 = 1101;      ///< a further code the loader answers
};
