#include "00_shiver.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <cmath>

void sc_00_shiver::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    const OBJECT_HANDLE own = getOwner();
    String name;
    getObjParamS(own, "object", name);
    object = gApp.findObjectHandle(name);
    sound = getObjParamI(own, "sound");
    rest = getPosition(object);
    getObjParamF(own, "ampl_x", ampl[0]);
    getObjParamF(own, "ampl_y", ampl[1]);
    getObjParamF(own, "ampl_z", ampl[2]);
    getObjParamF(own, "freq", freq);
    getPlayStop();
}

void sc_00_shiver::ON_NOTIFY(int code)
{
    TQ_TRACE(" ON_NOTIFY(int code)");
    if (code == 101)
        setPlayStop(1);
    else if (code == 100)
        setPlayStop(0);
}

void sc_00_shiver::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    phase += ScriptObject::frameSeconds() * freq;
    if (phase > 6.28319f)
        phase = 0.0f;
    setPosition(object, rest + vec3(ampl[0], ampl[1], ampl[2]) * std::sin(phase));
}

void sc_00_shiver::getPlayStop()
{
    TQ_TRACE(" getPlayStop()");
    const bool play = getVarI(ScriptObject::varName(getOwner(), "play")) != 0;
    // A second frame timer would step the shaking twice a frame and could no
    // longer be stopped: one runs at most.  Without the object there is
    // nothing to shake.
    if (play && timer == 0 && object != 0)
        timer = ScriptObject::startFrameTimer(getOwner());
    else if (!play)
    {
        ScriptObject::stopTimer(getOwner(), timer);
        timer = 0;
    }
}

void sc_00_shiver::setPlayStop(int i)
{
    TQ_TRACE(" setPlayStop(int i)");
    setVarI(ScriptObject::varName(getOwner(), "play"), i);
    getPlayStop();
    if (sound != 0)
        sendNotifyByName("00_movies", sound, 0);
}
