#include "03_kamer.h"

#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kStopped = "03_kamer@stop";
} // namespace

void sc_03_kamer::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    if (getVarI(kStopped) == 0)
        start();
}

void sc_03_kamer::ON_NOTIFY(int param, OBJECT_HANDLE /*sndr*/)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    if (param != 100)
        return;
    if (frameTimer != 0)
        ScriptObject::stopTimer(getOwner(), frameTimer);
    setVarI(kStopped, 1);
    frameTimer = 0;
}

void sc_03_kamer::start()
{
    TQ_TRACE(" start()");
    frameTimer = ScriptObject::startFrameTimer(getOwner());
}

void sc_03_kamer::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    phase += 0.05f * ScriptObject::frameSeconds();
    if (phase > 1.0f)
        phase -= 1.0f;
    float b = 0.0f;
    func(phase, &b);
    setOrientationDeg(getOwner(), vec3(0.0f, 0.0f, 170.0f + 20.0f * b));
}

void sc_03_kamer::func(float a, float* b)
{
    TQ_TRACE(" func(float a, float *b)");
    if (a <= 0.0f || a >= 1.0f)
        *b = 0.0f;
    else if (a <= 0.5f)
        *b = a / 0.5f;
    else
        *b = 1.0f - (a - 0.5f) / 0.5f;
}
