#include "00_msg.h"

#include "Trace.h"

bool sc_00_msg::cameraIsCommonPlaneRotation(int code)
{
    TQ_TRACE(" cameraIsCommonPlaneRotation(int code)");
    return code == mCamCommonPlaneA || code == mCamCommonPlaneB;
}

bool sc_00_msg::cameraIsMoveNearPlane(int code)
{
    TQ_TRACE(" cameraIsMoveNearPlane(int code)");
    return mNearPlaneMin < code && code < mNearPlaneMax;
}

bool sc_00_msg::cameraIsNearPlaneOut(int code)
{
    TQ_TRACE(" cameraIsNearPlaneOut(int code)");
    return (code - mNearPlaneMin) / 100 == 1;
}

void sc_00_msg::fadeAccelerateRequest()
{
    TQ_TRACE(" fadeAccelerateRequest()");
    sendNotifyByName("00_loader", mFadeAccelerate, 0);
}

void sc_00_msg::fadeEnableAccelerate()
{
    TQ_TRACE(" fadeEnableAccelerate()");
    sendNotifyByName("00_loader", mFadeEnableAccel, 0);
}
