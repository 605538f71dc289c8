#include "00_particles.h"

#include "ScriptObject.h"
#include "Trace.h"

void sc_00_particles::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    getObjParamS(getOwner(), "particle", particle, sizeof(particle));
    getPlayStop();
    time_on = getObjParamI(getOwner(), "time_on");
    time_off = getObjParamI(getOwner(), "time_off");
}

void sc_00_particles::ON_NOTIFY(int code, OBJECT_HANDLE /*sender*/)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    if (code == 100)
        setPlayStop(0);
    else if (code == 101)
        setPlayStop(1);
    else if (code == 200)
        start();
}

void sc_00_particles::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (id == 0)
        return;
    // Timers of a replaced pair still fire; their ids no longer match.
    if (id == timer_on)
    {
        particleSetEmitting(particle, true);
        timer_on = 0;
    }
    else if (id == timer_off)
    {
        particleSetEmitting(particle, false);
        timer_off = 0;
    }
}

void sc_00_particles::getPlayStop()
{
    TQ_TRACE(" getPlayStop()");
    particleSetEmitting(particle, getVarI(ScriptObject::varName(getOwner(), "play")) != 0);
}

void sc_00_particles::setPlayStop(int i)
{
    TQ_TRACE(" setPlayStop(int i)");
    particleSetEmitting(particle, i != 0);
    setVarI(ScriptObject::varName(getOwner(), "play"), i);
}

void sc_00_particles::start()
{
    TQ_TRACE(" start()");
    timer_on = ScriptObject::startTimer(getOwner(), static_cast<uint32_t>(time_on < 0 ? 0 : time_on), 1);
    timer_off = ScriptObject::startTimer(getOwner(), static_cast<uint32_t>(time_off < 0 ? 0 : time_off), 1);
}
