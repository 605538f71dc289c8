#include "00_fader.h"

#include "Application.h"
#include "Object.h"
#include "Trace.h"

namespace
{
const char* const kOverlay = "FaderOverlay";
const char* const kMaterial = "interf/faderRtt";
const char* const kTexture = "00_fader_rtt";
} // namespace

void sc_00_fader::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cameraMover = gApp.findObjectHandle("01_cam_move");
    materialSetTexturePassUnit(kMaterial, 0, 0, kTexture);
    materialSetAlpha(kMaterial, 0.0f);
}

void sc_00_fader::ON_NOTIFY(int code_, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    if (code_ < 5000 || code_ >= 6000)
        return;
    code = code_;
    start();
    requester = sender;
}

uint32_t sc_00_fader::getMask(int room)
{
    // A room number outside 1..32 has no bit of its own: the whole scene
    // (with a warning) rather than a shift out of range.
    return roomVisibilityMask(room);
}

void sc_00_fader::start()
{
    TQ_TRACE(" start()");
    overlaySetVisible(kOverlay, nullptr, nullptr, true);
    rttSetVisibilityMask(kTexture, getMask(getVarI("cur_room")));
    rttRender(kTexture);
    // A request during a fade restarts it on the timer already running: a
    // second timer would double the speed and outlive the fade.
    CObject* self = gObjectCollector.get(getOwner());
    if (timer == 0)
        timer = self ? CObject::createTimer(self, 1, -1, self) : 0;
    alpha = 0.0f;
    phase = 0;
}

void sc_00_fader::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    step = static_cast<float>(gApp.mFrameMs) / 1000.0f;
    if (phase == 0)
    {
        alpha += 2.0f * step;
        if (alpha > 1.0f)
        {
            sendNotify(cameraMover, 0, code);
            phase = 1;
            alpha = 1.0f;
            sendNotify(requester, getOwner(), 100);
        }
    }
    if (phase == 1)
    {
        alpha -= step;
        if (alpha < 0.0f)
            stop();
    }
    materialSetAlpha(kMaterial, alpha);
}

void sc_00_fader::stop()
{
    TQ_TRACE(" stop()");
    if (timer != 0)
    {
        if (CObject* self = gObjectCollector.get(getOwner()))
            CObject::killTimer(self, timer);
        timer = 0;
    }
    overlaySetVisible(kOverlay, nullptr, nullptr, false);
    sendNotify(requester, getOwner(), code);
    phase = 2;
}
