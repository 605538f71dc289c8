#include "05_iskri.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

void sc_05_iskri::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    id = getNameNumber(mOwner, "05_03_iskri_");
    getObjParamS(mOwner, "particle_name", particle_name);
    if (getObjParamS(mOwner, "cond_param", cond_param))
        cond_value = getObjParamI(mOwner, "cond_value");
    if (!getObjParamS(mOwner, "param", stop_param))
        stop_param = ScriptObject::indexedKey("05_03_az_razriv_", id, "@used");
    interval = getObjParamI(mOwner, "interval");
    if (interval == 0)
        interval = 30;
    flash_interval = getObjParamI(mOwner, "flash_interval");
    if (flash_interval == 0)
        flash_interval = 100;
    no_random = getObjParamI(mOwner, "no_random");
    cur_cam = getObjParamI(mOwner, "cur_cam");
    cur_room = getObjParamI(mOwner, "cur_room");
    Log::print("\nIskri id %d", id);
    start();
    // A break mended before the visit stays dark: no tick at all.
    if (sparking())
        timer = ScriptObject::startFrameTimer(mOwner);
}

void sc_05_iskri::ON_TIME(int tid)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (tid == timer)
        tick();
}

bool sc_05_iskri::sparking()
{
    TQ_TRACE(" sparking()");
    return getVarI(stop_param) == 0;
}

void sc_05_iskri::start()
{
    TQ_TRACE(" start()");
    if (!sparking())
        return;
    state = WAITING;
    const int span = interval * 1000;
    countdown = static_cast<float>(no_random ? span : randomInt() % span + 2000);
}

void sc_05_iskri::flash()
{
    TQ_TRACE(" flash()");
    const bool condition = cond_value == -1 || getVarI(cond_param) == cond_value;
    if (condition && sparking())
    {
        particleSetEmitting(particle_name.c_str(), true);
        if (cur_cam != 0 && cur_cam == getVarI("cur_cam") && cur_room == getVarI("cur_room"))
            sendNotifyByName("00_movies", 5026, 0);
    }
    state = FLASHING;
    countdown = static_cast<float>(flash_interval);
}

void sc_05_iskri::tick()
{
    TQ_TRACE(" tick()");
    countdown -= static_cast<float>(gApp.mFrameMs);
    if (countdown < 0.0f && state == WAITING)
        flash();
    // Once the break is mended start() leaves the spark flashing with its
    // countdown run out, so every later tick only keeps the emission off.
    if (countdown < 0.0f && state == FLASHING)
    {
        particleSetEmitting(particle_name.c_str(), false);
        start();
    }
}
