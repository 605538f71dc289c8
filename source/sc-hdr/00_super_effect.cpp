#include "00_super_effect.h"

#include "Log.h"
#include "Application.h"
#include "Object.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <OgreAnimationState.h>

#include <cstdio>

void sc_00_super_effect::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    billboard = gApp.findObjectHandle("00_super_effect_billboard");
    mummy = gApp.findObjectHandle("06_mummy");
    for (int i = 0; i < kEffectObjects; ++i)
    {
        String name = "00_super_effect_anim_obj_";
        strAddInt(i + 1, name, 2);
        anim_obj[i] = gApp.findObjectHandle(name);
        setVisible(anim_obj[i], false);
    }
    setVisible(billboard, false);
}

void sc_00_super_effect::ON_NOTIFY(int code, OBJECT_HANDLE who)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE who)");
    Log::print("$$$ %d\n", code);
    if (code == 50)
        init();
    else if (code == 111 || code == 112)
    {
        start();
        requester = who;
        mode = code == 111 ? 0 : 1;
    }
}

void sc_00_super_effect::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    const OBJECT_HANDLE own = getOwner();
    if (id == timer_delay)
    {
        timer_delay = -1;
        timer_glow_in = ScriptObject::startFrameTimer(own);
    }
    else if (id == timer_glow_in)
    {
        setGlow(glow + 0.3f * ScriptObject::frameSeconds());
        if (glow > 1.0f)
        {
            timer_frames = ScriptObject::startTimer(own, 50, -1);
            kill(timer_glow_in);
        }
    }
    else if (id == timer_frames)
    {
        char texture[32];
        std::snprintf(texture, sizeof(texture), "00_magia_%02d.tga", frame);
        materialSetTexturePassUnit("00_super_effect", 0, 0, texture);
        ++frame;
        if (frame == 3)
            setVisible(mummy, mode == 0);
        if (frame <= 10)
            setVisible(billboard, true);
        else
        {
            kill(timer_frames);
            setVisible(billboard, false);
            timer_glow_out = ScriptObject::startFrameTimer(own);
        }
    }
    else if (id == timer_glow_out)
    {
        setGlow(glow - ScriptObject::frameSeconds());
        if (glow < 0.0f)
        {
            kill(timer_glow_out);
            stop();
        }
    }
}

void sc_00_super_effect::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    setCursorMode(3);
}

void sc_00_super_effect::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    setCursorMode(1);
}

void sc_00_super_effect::init()
{
    TQ_TRACE(" init()");
    const vec3 offset = getPosition(mummy);
    for (int i = 0; i < kEffectObjects; ++i)
    {
        String bone = "00_anim_obj_bone_";
        strAddInt(i + 1, bone, 2);
        vec3 position = boneGetWorldPosition(anim_obj[i], bone);
        add(position, offset);
        boneSetPosition(anim_obj[i], bone, position);
    }
    vec3 position = getPosition(billboard);
    add(position, offset);
    setPosition(billboard, position);
}

void sc_00_super_effect::start()
{
    TQ_TRACE(" start()");
    // A start while the effect runs begins it again rather than leaving a
    // second set of timers behind.
    kill(timer_delay);
    kill(timer_glow_in);
    kill(timer_frames);
    kill(timer_glow_out);
    for (OBJECT_HANDLE obj : anim_obj)
        animPlay(obj, "start", -1, 0);
    frame = 0;
    for (OBJECT_HANDLE obj : anim_obj)
        setVisible(obj, true);
    timer_delay = ScriptObject::startTimer(getOwner(), 1200, 1);
    materialSetColour("pe/mummy", 0.0f, 0.0f, 0.0f, 1);
    glow = 0.0f;
}

void sc_00_super_effect::stop()
{
    TQ_TRACE(" stop()");
    sendNotify(requester, 0, 900 + mode);
    for (OBJECT_HANDLE obj : anim_obj)
        setVisible(obj, false);
    setVisible(billboard, false);
    for (OBJECT_HANDLE obj : anim_obj)
    {
        Log::print("\nstopping ani");
        CObject* object = ScriptObject::of(obj);
        if (object && object->mAnimState)
        {
            object->mAnimState->setEnabled(false);
            object->mAnimState->setLoop(false);
            object->mAnimState = nullptr;
        }
    }
}

void sc_00_super_effect::add(vec3& a, const vec3& b)
{
    a += b;
}

void sc_00_super_effect::kill(int& id)
{
    if (id > 0)
        ScriptObject::stopTimer(getOwner(), id);
    id = -1;
}

void sc_00_super_effect::setGlow(float level)
{
    glow = level;
    materialSetColour("pe/mummy", glow, glow, glow, 1);
}
