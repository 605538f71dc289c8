#include "00_interf_bk.h"

#include "Application.h"
#include "Object.h"
#include "Trace.h"

#include <OgreViewport.h>

namespace
{
const char* const kMaterial = "00_menu_rtt";
const char* const kSkeletons[4] = {"01_hero_dress_menu.skeleton", "02_lord_menu.skeleton",
                                   "03_professor_menu.skeleton", "09_girl_menu.skeleton"};

float clockMs()
{
    return static_cast<float>(gApp.mGameClock);
}
} // namespace

OBJECT_HANDLE sc_00_interf_bk::character(int i) const
{
    const OBJECT_HANDLE handles[4] = {hero, lord, prof, girl};
    return handles[i & 3];
}

void sc_00_interf_bk::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    hero = gApp.findObjectHandle("01_hero");
    lord = gApp.findObjectHandle("02_lord");
    prof = gApp.findObjectHandle("03_prof");
    girl = gApp.findObjectHandle("09_girl");
    if (CObject* self = gObjectCollector.get(getOwner()))
        CObject::createTimer(self, 1, -1, self);
    rttSetAutoUpdated("00_rtt_font", true);
    setMaterial(gApp.findObjectHandle("00_menu_rtt"), -1, kMaterial);
    materialSetTexturePassUnit(kMaterial, 1, 0, "00_rtt_font");
    setViewportVisibilityMask(1);
    attachObjToBone(hero, gApp.findObjectHandle("00_menu_gun"), "01_hero_Bip01_R_Hand", false);
    setOpacity(0.0f);
}

void sc_00_interf_bk::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
}

void sc_00_interf_bk::ON_NOTIFY(int code)
{
    TQ_TRACE(" ON_NOTIFY(int code)");
    if (code == 10)
    {
        rotationEnabled = 0;
    }
    else if (code == 11)
    {
        rotationEnabled = 1;
    }
    else if (code > 11)
    {
        pauseState();
        state = 2;
        nextEventTime = clockMs() + 2000.0f;
    }
}

float sc_00_interf_bk::func(float x)
{
    return (3.0f - 2.0f * x) * x * x;
}

void sc_00_interf_bk::setOpacity(float a)
{
    const float s = func(a);
    materialSetColour2(kMaterial, 0, 1.0f - s, 1.0f - s, 1.0f - s, 1);
    materialSetColour2(kMaterial, 1, s, s, s, 1);
}

void sc_00_interf_bk::startState(int i)
{
    TQ_TRACE(" startState(int i)");
    for (int c = 0; c < 4; ++c)
    {
        const OBJECT_HANDLE h = character(c);
        setVisible(h, false);
        if (CObject* object = gObjectCollector.get(h))
        {
            object->mAnimTime = 0.0f;
            object->mAnimSpeed = 1.0f;
        }
        setObjAnimParams(h, 0, 0, 3000, -2000);
    }
    state = 0;
    stateStart = clockMs();
    nextEventTime = clockMs() + 3000.0f;
    setVisible(character(i), true);
    startLinkedAnimation(character(i), kSkeletons[i & 3], "menu", 0, 0);
}

void sc_00_interf_bk::pauseState()
{
    for (int c = 0; c < 4; ++c)
        setObjAnimSpeed(character(c), 0);
}

void sc_00_interf_bk::ON_TIME()
{
    float dt = static_cast<float>(gApp.mFrameMs) / 1000.0f;
    if (dt > 0.03f)
        dt = 0.03f;
    if (state == 0)
    {
        opacity += dt / 3.0f;
        if (opacity > 1.0f)
        {
            opacity = 1.0f;
            state = 1;
        }
        setOpacity(opacity);
    }
    if (state == 2 && clockMs() > nextEventTime)
    {
        state = 3;
        stateStart = clockMs();
        nextEventTime = clockMs() + 5000.0f;
    }
    if (state == 3)
    {
        opacity -= dt / 5.0f;
        if (opacity < 0.0f)
        {
            opacity = 0.0f;
            state = 4;
            nextEventTime = clockMs() + 5000.0f;
        }
        setOpacity(opacity);
    }
    if (state == 4 && clockMs() > nextEventTime && rotationEnabled)
    {
        index = (index + 1) % 4;
        state = 0;
        startState(index);
    }
}
