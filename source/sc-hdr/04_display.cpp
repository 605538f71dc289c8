#include "04_display.h"

#include "Puzzle.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
/// How thin the display stands while its face opens.
const float kFlatDepth = 0.03f;
} // namespace

void sc_04_display::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    delay = getObjParamI(getOwner(), "start");
    fullScale = vec3::UNIT_SCALE;
}

void sc_04_display::ON_NOTIFY(int code, OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (code == 100)
        start1();
}

void sc_04_display::start1()
{
    TQ_TRACE(" start1()");
    // A repeated request starts the wait again instead of leaving a
    // second timer running.
    ScriptObject::stopTimer(getOwner(), delayTimer);
    delayTimer = ScriptObject::startTimer(getOwner(), static_cast<uint32_t>(std::max(delay, 0)), 1);
}

void sc_04_display::start2()
{
    TQ_TRACE(" start2()");
    ScriptObject::stopFrameTimer(getOwner(), animTimer);
    animTimer = ScriptObject::startFrameTimer(getOwner());
    phase = kOpening;
    t = 0.0f;
    setVisible(getOwner(), true);
    setScale(getOwner(), vec3::ZERO);
}

void sc_04_display::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (id == 0)
        return;
    if (id == delayTimer)
    {
        delayTimer = 0; // a one-shot timer is freed after it fired
        start2();
    }
    else if (id == animTimer)
        tick(ScriptObject::frameSeconds());
}

float sc_04_display::cosFunc(float x)
{
    return (1.0f - std::cos(3.1415f * x)) / 2.0f;
}

void sc_04_display::tick(float dt)
{
    TQ_TRACE(" tick(float dt)");
    t += 2.0f * dt;
    switch (phase)
    {
    case kOpening:
    {
        // A long frame must not carry the face past its full size and back.
        const float c = cosFunc(std::min(t, 1.0f));
        setScale(getOwner(), vec3(c * fullScale.x, c * fullScale.y, kFlatDepth * fullScale.z));
        if (t > 1.0f)
        {
            t = 0.0f;
            phase = kResting;
        }
        break;
    }
    case kResting:
        if (t > 1.0f)
        {
            t = 0.0f;
            phase = kDeepening;
        }
        break;
    default:
        if (t > 1.0f)
        {
            // The last step overshoots the curve's end by up to a frame:
            // the open display stands at exactly its full scale.
            t = 0.0f;
            setScale(getOwner(), fullScale);
            ScriptObject::stopFrameTimer(getOwner(), animTimer);
        }
        else
            setScale(getOwner(), vec3(fullScale.x, fullScale.y,
                                      Puzzle::interp(kFlatDepth, fullScale.z, Puzzle::easeCubic(t))));
        break;
    }
}
