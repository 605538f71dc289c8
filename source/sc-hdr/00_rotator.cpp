#include "00_rotator.h"

#include "Application.h"
#include "Object.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <OgreSceneNode.h>

#include <cmath>

void sc_00_rotator::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    const OBJECT_HANDLE own = getOwner();
    getObjParamF(own, "max_speed", max_speed);
    getObjParamF(own, "acc", acc);
    axis[0] = static_cast<float>(getObjParamI(own, "axis_x"));
    axis[1] = static_cast<float>(getObjParamI(own, "axis_y"));
    axis[2] = static_cast<float>(getObjParamI(own, "axis_z"));
    String name;
    anim_obj = getObjParamS(own, "anim_obj", name) ? gApp.findObjectHandle(name) : own;
    // Without rest positions a stop command would never end the turning:
    // fewer than one keeps one per turn.
    const int readPhases = getObjParamI(own, "phases");
    phases = readPhases >= 1 ? readPhases : 1;

    timer = ScriptObject::startFrameTimer(own);

    if (getConfigI("load_from_save") != 0)
        state = getMyParamI("state");
    else
    {
        state = getObjParamI(own, "state");
        setMyParamI("state", state);
    }

    CObject* turned = ScriptObject::of(anim_obj);
    if (turned && turned->getNode())
        orient = turned->getNode()->getOrientation();

    if (state != 0)
        speed = max_speed;
}

void sc_00_rotator::ON_NOTIFY(int code, OBJECT_HANDLE who)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE who)");
    if (code == 100)
    {
        state = 1;
        setMyParamI("state", 1);
        sender = who;
        report = 100;
    }
    else if (code == 200)
    {
        finish = 1;
        sender = who;
        report = 200;
    }
}

void sc_00_rotator::ON_TIME(int /*id*/)
{
    TQ_TRACE(" ON_TIME(int id)");
    const float dt = ScriptObject::frameSeconds();
    if (state != 0)
    {
        speed += dt * acc;
        if (speed > max_speed)
        {
            speed = max_speed;
            // At full speed the speed passes the maximum in every frame: only
            // a sender that asked for the start hears it, not one that waits
            // for the stop.
            if (sender != 0 && report == 100)
            {
                sendNotify(sender, getOwner(), 100);
                sender = 0;
            }
        }
    }
    else
    {
        speed -= dt * acc;
        if (speed < 0.0f)
        {
            speed = 0.0f;
            if (sender != 0 && report == 200)
            {
                sendNotify(sender, getOwner(), 200);
                sender = 0;
            }
        }
    }

    CObject* turned = ScriptObject::of(anim_obj);
    if (turned && turned->getNode())
        turned->getNode()->setOrientation(orient *
                                          eulerDegToQuat(axis[0] * angle, axis[1] * angle, axis[2] * angle));

    angle += dt * speed;

    if (finish != 0)
    {
        // The rest positions are the multiples of 360 of phases x angle; the
        // object has reached one when this frame's step took the product to
        // or over such a multiple.  A step that lands exactly on it counts:
        // a rotator whose steps all land on rest positions would never stop.
        const float step = static_cast<float>(phases) * speed * dt;
        const float x = static_cast<float>(phases) * angle;
        if (step > 0.0f && std::floor(x / 360.0f) > std::floor((x - step) / 360.0f))
        {
            finish = 0;
            state = 0;
            setMyParamI("state", 0);
        }
    }

    if (angle > 360.0f)
        angle -= 360.0f;
}

int sc_00_rotator::getMyParamI(const String& prm)
{
    return getVarI(ScriptObject::varName(getOwner(), prm));
}

void sc_00_rotator::setMyParamI(const String& prm, int val)
{
    setVarI(ScriptObject::varName(getOwner(), prm), val);
}
