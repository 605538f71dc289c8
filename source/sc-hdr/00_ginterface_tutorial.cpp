// The in-game interface's guidance of a new player and its sparkles.
//
// Tutorial: up to 32 steps, each shown at most once per game by the window
// on the object "tutorial" (code step + 1; 100 hides it), pointing at a
// hot spot or at a menu button.  The frame offers steps while the player
// plays or idles; the window's answer ends a step.  Which steps were shown
// is saved as "tutorial_task_NN".
//
// Sparkles: when something is won or picked, a particle flies from one
// screen point to another on an eased path, with a burst where it starts
// and one where it lands; the cursor's own particle object follows the
// mouse.  Screen points become scene points under the camera at depth 300.
#include "00_ginterface.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <cmath>
#include <cstdio>

namespace
{
String tutorialKey(int task)
{
    return ScriptObject::indexedKey("tutorial_task_", task);
}

/// The scene point under the camera at depth 300 of a screen point.
vec3 projected(const vec3& screen)
{
    vec3 out = vec3::ZERO;
    CVirtualScript::screenToPlane(vec3(screen.x, screen.y, 300.0f), out);
    return out;
}

String numbered(const char* format, int n)
{
    char name[128];
    std::snprintf(name, sizeof(name), format, n);
    return name;
}
} // namespace

// ---------------------------------------------------------------------------
// Tutorial

void sc_00_ginterface::setTutorialTask(int task, int value)
{
    TQ_TRACE(" setTutorialTask(int task, int value)");
    if (task < 0 || task >= kTutorialSteps)
        return;
    tutorialTasks[task] = value;
    setVarI(tutorialKey(task), value);
}

void sc_00_ginterface::tutorialInit(int on)
{
    TQ_TRACE(" tutorialInit(int on)");
    tutorialOn = on;
    for (int i = 0; i < kTutorialSteps; ++i)
        setTutorialTask(i, 0);
    tutorialItemA = tutorialItemB = 0;
    tutorialCur = 0;
    tutorialStateOn = 0;
    tutorialMid = tutorialId = -1;
    tutorialAzObj = 0;
    tutorialObj = gApp.findObjectHandle("tutorial");
    setVarI("tutorial_on", on);
    setVarI("tutorial_cur_task", 0);
    setVarI("tutorial_state", 0);
}

void sc_00_ginterface::tutorialLoad()
{
    TQ_TRACE(" tutorialLoad()");
    tutorialOn = getVarI("tutorial_on");
    for (int i = 0; i < kTutorialSteps; ++i)
        tutorialTasks[i] = getVarI(tutorialKey(i));
    tutorialCur = getVarI("tutorial_cur_task");
    // A step that was on screen when the game was saved is not on screen
    // now: left set, it would keep every later step away.
    tutorialStateOn = 0;
    setVarI("tutorial_state", 0);
    tutorialObj = gApp.findObjectHandle("tutorial");
    tutorialAzObj = 0;
}

int sc_00_ginterface::tutorialReady(int i)
{
    if (i < 0 || i >= kTutorialSteps)
        return 0;
    if (!(tutorialOn || i == 7) || tutorialTasks[i] || !interfaceActive || tutorialStateOn ||
        getConfigI("is_dialog_start") != 0)
        return 0;
    tutorialCur = i;
    sendNotify(tutorialObj, getOwner(), i + 1);
    tutorialStateOn = 1;
    setVarI("tutorial_cur_task", i);
    setVarI("tutorial_state", 1);
    setTutorialTask(i, 1);
    idleTime = 0.0f;
    return 1;
}

void sc_00_ginterface::tutorialAz(int i, OBJECT_HANDLE az)
{
    if (tutorialReady(i))
        tutorialAzObj = az;
}

void sc_00_ginterface::tutorialButton(int i, int mid, int id)
{
    if (tutorialReady(i))
    {
        tutorialMid = mid;
        tutorialId = id;
    }
}

void sc_00_ginterface::tutorialClose()
{
    TQ_TRACE(" tutorialClose()");
    sendNotify(tutorialObj, 0, 100);
}

void sc_00_ginterface::tutorialFinish()
{
    TQ_TRACE(" tutorialFinish()");
    tutorialStateOn = 0;
    setVarI("tutorial_state", 0);
    tutorialOn = getVarI("tutorial_on");
    if (tutorialAzObj != 0)
    {
        setAttachedFlag(tutorialAzObj, 1);
        tutorialAzObj = 0;
    }
    tutorialMid = tutorialId = -1;
    if (playMode == 1)
    {
        if (holdMessage == 0)
            interfaceActive = 1;
        gApp.setPickMask(1);
    }
    else if (playMode == 2)
    {
        interfaceActive = 1;
        gApp.setPickMask(2);
    }
}

void sc_00_ginterface::tutorialNotify(int param)
{
    (void)param;
    if (!interfaceActive || getVarI("is_camera_moving") != 0)
        return;
    if (getVarI("cur_loc") == 1)
    {
        const int cam = getVarI("cur_cam");
        if (tutorialItemA)
            tutorialButton(2, -1, -1);
        if (tutorialItemB)
            tutorialButton(9, -1, -1);
        // A newcomer is first shown what to look at, then what to pick.
        const bool examined = getVarI("01_az_gazeta04_02_msz@moved") || getVarI("01_az_gazeta_luck@moved") ||
                              getVarI("01_az_gazeta04_01_msz@moved") || getVarI("01_az_yshik2_msz@picked") ||
                              getVarI("01_az_korobka_04@moved");
        static const char* const kFirstLook[] = {"01_az_gazeta04_02_msz", "01_az_gazeta_luck", "01_az_gazeta04_01_msz",
                                                 "01_az_yshik2"};
        if (!examined && cam >= 1 && cam <= 4 && !tutorialTasks[0])
            tutorialAz(0, gApp.findObjectHandle(kFirstLook[cam - 1]));
        if (!tutorialTasks[2] && !tutorialTasks[9] && playMode == 1 && (cam == 1 || cam == 2 || cam == 4))
        {
            const char* part = cam == 1 ? "01_az_detal_03" : cam == 2 ? "01_az_detal_04" : "01_az_detal_05";
            tutorialAz(1, gApp.findObjectHandle(part));
        }
        if (cam <= 4)
            tutorialButton(3, 1, 1);
        const String closeUp = ScriptObject::nodeName(nearPlaneObj);
        if (closeUp == "01_az_yshik" || closeUp == "01_az_yshik2" || closeUp == "01_az_luck")
            tutorialButton(4, 3, ID_BACK);
        if (playMode == 2 && idleTime >= static_cast<float>(getVarI("skip_minigame_time")))
            tutorialButton(6, 3, ID_SKIP);
    }
    if (playMode == 1 && idleTime >= 20.0f)
        tutorialButton(5, 0, ID_HELP);
}

void sc_00_ginterface::tutorialState(int param, OBJECT_HANDLE sender)
{
    if (sender != 0 && sender == tutorialObj && param == tutorialCur + 1 && tutorialStateOn == 1)
    {
        tutorialFinish();
        if (tutorialOn == 0)
            tutorialButton(7, 0, 0);
    }
    if (sender != 0 && sender == tutorialAzObj)
    {
        if (tutorialCur == 0 || (tutorialCur == 1 && param == 777))
            tutorialClose();
    }
}

int sc_00_ginterface::needForTutorial(int mid, int id)
{
    if (tutorialMid == -1)
        return 0;
    if (mid == 0 && id_menu(id))
        return 1;
    return mid == tutorialMid && id == tutorialId ? 1 : 0;
}

// ---------------------------------------------------------------------------
// Sparkles

void sc_00_ginterface::pickerInit()
{
    TQ_TRACE(" pickerInit()");
    nodeSetParent("00_cursor", "Camera");
    cursorObj = gApp.findObjectHandle("00_cursor");
    pickInit(0);
    pickInit(1);
}

void sc_00_ginterface::pickInit(int i)
{
    TQ_TRACE(" pickInit(int i)");
    pickRecord& p = picks[i];
    p.pickName = numbered("00_pick_%02d", i + 1);
    p.downName = numbered("00_downexplode_%02d", i + 1);
    p.upName = numbered("00_upexplode_%02d", i + 1);
    p.pick = gApp.findObjectHandle(p.pickName);
    p.down = gApp.findObjectHandle(p.downName);
    p.up = gApp.findObjectHandle(p.upName);
    for (const String* name : {&p.pickName, &p.downName, &p.upName})
        if (gApp.findObject(*name))
            nodeSetParent(*name, "Camera");
    p.downStop = p.upStop = -1;
    p.active = 0;
    p.t = 0.0f;
    p.speed = 1.0f;
    particleSetEmitting(p.pickName.c_str(), false);
    particleSetEmitting(p.downName.c_str(), false);
    particleSetEmitting(p.upName.c_str(), false);
}

float sc_00_ginterface::pickerStart(float x1, float y1, float x2, float y2)
{
    TQ_TRACE(" pickerStart(float x1, float y1, float x2, float y2)");
    int i = 0;
    while (i < 2 && picks[i].active)
        ++i;
    if (i == 2)
        return 0.0f;
    pickRecord& p = picks[i];
    p.from = vec3(x1, y1, -300.0f);
    p.to = vec3(x2, y2, -300.0f);
    p.active = 1;
    particleSetEmitting(p.pickName.c_str(), true);
    particleSetVisible(p.pickName.c_str(), true);
    const float distance = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
    // Every flight crosses the screen at 0.7 screen widths a second; one
    // that goes nowhere lands in the next frame.
    p.speed = distance > 0.0f ? 0.7f / distance : 1.0e6f;
    pickStartDownExpl(i);
    return distance > 0.0f ? 1.0f / p.speed : 0.0f;
}

void sc_00_ginterface::pickerUpdate(float inc)
{
    pickUpdate(0, inc);
    pickUpdate(1, inc);
}

void sc_00_ginterface::pickUpdate(int i, float inc)
{
    pickRecord& p = picks[i];
    if (p.active)
    {
        p.t += inc * p.speed;
        vec3 at;
        vec3_lerp(at, p.from, p.to, cosFunc(p.t > 1.0f ? 1.0f : p.t));
        setPosition(p.pick, projected(at));
        if (p.t > 1.0f)
        {
            p.active = 0;
            p.t = 0.0f;
            particleSetEmitting(p.pickName.c_str(), false);
            pickStartUpExpl(i);
        }
    }
    const int clock = static_cast<int>(gApp.mGameClock);
    if (p.downStop > 0 && p.downStop < clock)
        pickStopDownExpl(i);
    if (p.upStop > 0 && p.upStop < clock)
        pickStopUpExpl(i);
}

void sc_00_ginterface::pickStartDownExpl(int i)
{
    pickRecord& p = picks[i];
    particleRestart(p.downName.c_str(), 0.0f);
    setPosition(p.down, projected(p.from));
    particleSetEmitting(p.downName.c_str(), true);
    particleSetVisible(p.downName.c_str(), true);
    p.downStop = static_cast<int>(gApp.mGameClock) + 1000;
}

void sc_00_ginterface::pickStartUpExpl(int i)
{
    pickRecord& p = picks[i];
    particleRestart(p.upName.c_str(), 0.0f);
    setPosition(p.up, projected(p.to));
    particleSetEmitting(p.upName.c_str(), true);
    particleSetVisible(p.upName.c_str(), true);
    p.upStop = static_cast<int>(gApp.mGameClock) + 1000;
}

void sc_00_ginterface::pickStopDownExpl(int i)
{
    particleSetEmitting(picks[i].downName.c_str(), false);
    picks[i].downStop = -1;
}

void sc_00_ginterface::pickStopUpExpl(int i)
{
    particleSetEmitting(picks[i].upName.c_str(), false);
    picks[i].upStop = -1;
}

void sc_00_ginterface::processCursorParticles()
{
    // A missing "00_cursor" was reported once when the sparkles were set up.
    if (cursorObj != 0)
        setPosition(cursorObj, projected(vec3(cursorX, cursorY, 300.0f)));
}
