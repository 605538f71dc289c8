// The data-only script registered as "msg.sc": it ignores every message and
// holds the camera, fade and near-plane codes that several scripts share.
#pragma once

#include "CodeScript.h"

class sc_msg : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_msg(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    const int mCamCommonPlaneA = 7770;  ///< common-plane camera turn, one way
    const int mCamCommonPlaneB = 7771;  ///< the same, the other way
    const int mFadeAccelerate = 2222;   ///< loader: start the fade acceleration
    const int mFadeEnableAccel = 2223;  ///< loader: enable the fade acceleration
    const int mNearPlaneMax = 6700;     ///< near-plane camera codes lie below
    const int mNearPlaneMin = 6100;     ///< near-plane camera codes lie above
};
