// The hint button of the in-game interface: a press spends one of the
// player's hints ("help_num"); behind a black screen the camera cuts to an
// object that some play thread waits for, a glowing particle spirals in on
// it over a paper backdrop and, for an item to use, the item's picture
// grows over it, until a click or eight seconds after the press; then the
// screen goes black again and the player's own view comes back.  When no
// hint is left, a gauge refills one over "hint_respawn_time" seconds.
#include "00_ginterface.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <cmath>

namespace
{
const char* const kHelpOverlay = "HelpBkOverlay";
const char* const kHelpIcon = "HelpIcon";
const char* const kHelpMaterial = "00_ginterface/item/help";
const char* const kGlow = "pe/help_magic";
const char* const kParticle = "00_help_particle";
const char* const kBillboard = "00_help_bbord";
const char* const kPaper = "interf/help_bk";
const int kHintMs = 8000;
} // namespace

void sc_00_ginterface::helpInit()
{
    TQ_TRACE(" helpInit()");
    hintState = 0;
    hintEndTime = 0;
    hintStartTime = 0;
    materialSetColour(kGlow, 0.0f, 0.0f, 0.0f, 1);
    particleSetEmitting(kParticle, false);
    billboardSetVisible(kBillboard, false);
    helpParticleObj = gApp.findObjectHandle(kParticle);
    ovInit(helpOverlay, kHelpOverlay, kHelpIcon, "", kHelpMaterial);
    ovCreate(helpOverlay, 100, "", 0.0f, 0.0f, 0.125f, 0.16666f);
}

void sc_00_ginterface::helpDestroy()
{
    TQ_TRACE(" helpDestroy()");
    ovDestroy(helpOverlay);
}

int sc_00_ginterface::needHelp()
{
    for (const _PLAY_THREAD& t : threads)
        if (threadNeedHelp(t))
            return 1;
    return 0;
}

void sc_00_ginterface::helpPress()
{
    TQ_TRACE(" helpPress()");
    if (playMode != 1 || getVarI("help_num") <= 0 || nearPlaneMini != 0 || !needHelp())
        return;
    sendNotifyByName("00_loader", 777, getOwner());
    hintState = 1;
    hintStartTime = static_cast<int>(gApp.mGameClock);
    hintEndTime = hintStartTime + kHintMs;
    interfaceActive = 0;
}

void sc_00_ginterface::helpOnBlackScreen()
{
    TQ_TRACE(" helpOnBlackScreen()");
    if (hintState == 1)
    {
        setVarI("fonarik_detach_from_mouse", 1);
        if (!getTip())
        {
            // What the hint was for moved on while the screen went black:
            // nothing is spent and the view stays where the player was.
            helpOnBlackScreen2();
            sendNotifyByName("01_cam_move", 600, 0);
            return;
        }
        hintState = 2;
        overlaySetVisible(kHelpOverlay, nullptr, nullptr, true);
        const int left = getVarI("help_num") - 1;
        setVarI("help_num", left);
        if (left == 0)
        {
            helpRefill = 0.0f;
            counterVisible(kHintCounter, 0);
            counterHide(kHintCounter);
        }
        else
            counterSetCount(kHintCounter, left, 0.0f);
        setSceneClicks(0);
        interfaceActive = 0;
        inventoryDisabled = 1;
    }
    else if (hintState == 3)
    {
        sendNotifyByName("01_cam_move", 5000, 0);
        overlaySetVisible(kHelpOverlay, nullptr, nullptr, false);
        setSceneClicks(1);
        interfaceActive = 1;
        invDisable(0);
    }
    // The camera plane of the place is set again after every black screen.
    sendNotifyByName("01_cam_move", 600, 0);
}

void sc_00_ginterface::helpOnBlackScreen2()
{
    TQ_TRACE(" helpOnBlackScreen2()");
    hintState = 0;
    interfaceActive = 1;
    setSceneClicks(1);
    setVarI("fonarik_detach_from_mouse", 0);
}

int sc_00_ginterface::getTip()
{
    TQ_TRACE(" getTip()");
    int r = 1, c = 1, id = 0;
    getHelpObj(r, c, hintObject, id);
    if (hintObject == 0)
        return 0;
    initHelpItem(id);
    sendNotifyByName("01_cam_move", (r + 50) * 100 + c, 0);
    materialSetColour(kGlow, 0.0f, 0.0f, 0.0f, 1);
    particleSetEmitting(kParticle, true);
    particleSetVisible(kParticle, true);
    billboardSetVisible(kBillboard, true);
    billboardSetSize(kBillboard, 0.0f, 0.0f);
    return 1;
}

void sc_00_ginterface::getHelpObj(int& r, int& c, OBJECT_HANDLE& obj, int& id)
{
    TQ_TRACE(" getHelpObj(int &r, int &c, OBJECT_HANDLE &obj, int &id)");
    const int count = static_cast<int>(threads.size());
    // Find tasks win over all others; when the first find that can take a
    // hint is of an item already held, only finds of held items count.
    int findSeen = 0, heldFind = 0;
    for (int i = 0; i < count && !findSeen; ++i)
    {
        const _PLAY_THREAD& t = threads[i];
        if (t.cur_task < 0 || t.cur_task >= t.task_count() || t.tasks[t.cur_task].type != TT_FIND ||
            !threadNeedHelp(t))
            continue;
        findSeen = 1;
        heldFind = existItem(t.tasks[t.cur_task].param);
    }
    auto eligible = [&](int i) {
        const _PLAY_THREAD& t = threads[i];
        if (!threadNeedHelp(t))
            return false;
        const __TASK& task = t.tasks[t.cur_task];
        if (task.type == TT_FIND)
            return existItem(task.param) != 0 || !heldFind;
        return !findSeen;
    };
    bool any = false;
    for (int i = 0; i < count && !any; ++i)
        any = eligible(i);
    if (!any)
    {
        // The thread that could take the hint moved on while the screen
        // went black.
        Log::print("\nWARNING: 00_ginterface: no thread takes the hint any more");
        obj = 0;
        return;
    }
    int i = randomInt() % count;
    while (!eligible(i))
        i = randomInt() % count;
    const __TASK& task = threads[i].tasks[threads[i].cur_task];
    int k = randomInt() % task.obj_count;
    while (!taskNeedHelp(task, k))
        k = randomInt() % task.obj_count;
    r = task.objs[k].room;
    c = task.objs[k].cam;
    obj = task.objs[k].help_obj;
    if (ScriptObject::nodeName(task.objs[0].obj) == "04_04_az_LazernajaPushka_mg")
        getLazerPushkaCam(c, r, obj);
    if (task.type == TT_USE && readyItem2(task.param))
        id = task.param;
    Log::print("\nHelp `%s` thread-%d pick-%d\n", ScriptObject::nodeName(obj).c_str(), i, k);
}

void sc_00_ginterface::getLazerPushkaCam(int& c, int& r, OBJECT_HANDLE& obj)
{
    TQ_TRACE(" getLazerPushkaCam(int &c, int &r, OBJECT_HANDLE &obj)");
    const int v = (getVarI("4_21_variable_16") + getVarI("4_21_variable_15")) % 5;
    int idx = 0;
    for (int i = 0; i <= 6; ++i)
        if (getVarI("4_21_variable_" + std::to_string(i)) == v)
            idx = i;
    obj = gApp.findObjectHandle(ScriptObject::indexedKey("04_04_az_rubilnik_", idx + 1));
    r = 4;
    c = rub_cam(idx);
}

int sc_00_ginterface::checkLazerPushkaHelp()
{
    return getVarI("04_04_az_LazernajaPushka@used");
}

int sc_00_ginterface::rub_cam(int c)
{
    switch (c)
    {
    case 0:
    case 1:
        return 2;
    case 2:
        return 1;
    case 3:
    case 4:
        return 4;
    case 5:
    case 6:
        return 3;
    default:
        return 0;
    }
}

void sc_00_ginterface::endMissionTip()
{
    TQ_TRACE(" endMissionTip()");
    particleSetEmitting(kParticle, false);
    billboardSetVisible(kBillboard, false);
    sendNotifyByName("00_loader", 777, getOwner());
    hintState = 3;
}

void sc_00_ginterface::initHelpItem(int id)
{
    TQ_TRACE(" initHelpItem(int id)");
    helpItemShown = 0;
    int slot = -1;
    for (int i = 0; i < kSlots; ++i)
        if (id != 0 && slots[i].used && slots[i].id == id)
            slot = i;
    if (slot < 0 || slots[slot].layerCount < 1)
    {
        overlaySetVisible(kHelpOverlay, kHelpIcon, nullptr, false);
        return;
    }
    overlaySetVisible(kHelpOverlay, kHelpIcon, nullptr, true);
    String texture = "00_inv_";
    strAddInt(id, texture, 3);
    texture += "_";
    strAddInt(slots[slot].layerCount - 1, texture, 2);
    texture += "_rtt";
    materialSetTexturePassUnit(kHelpMaterial, 0, 0, texture);
    setHelpItemAlpha(0.0f);
    helpItemShown = 1;
}

void sc_00_ginterface::helpProcess(float inc)
{
    const int clock = static_cast<int>(gApp.mGameClock);
    if (getVarI("help_num") == 0 && playMode == 1 && nearPlaneMini == 0)
    {
        const int respawn = getVarI("hint_respawn_time");
        helpRefill = respawn > 0 ? helpRefill + inc / static_cast<float>(respawn) : 1.1f;
        if (helpRefill > 1.0f)
        {
            setVarI("help_num", 1);
            helpRefill = 1.0f;
            counterVisible(kHintCounter, 1);
            counterSetCount(kHintCounter, 1, 0.0f);
        }
        setVarI("help_alpha", static_cast<int>(helpRefill * 1000.0f));
        setHelpScroll(helpRefill);
    }
    if (hintState == 2 && mouseIsLButtonClick())
        endMissionTip();
    if (hintState == 2 && clock > hintEndTime)
        endMissionTip();
    if (hintState != 2 || clock <= hintStartTime || clock >= hintEndTime)
        return;

    const float f = static_cast<float>(clock - hintStartTime) / static_cast<float>(hintEndTime - hintStartTime);
    // The paper backdrop: a new pair of frames every 1.33 seconds.
    hintPaperBlend += inc * 0.75f;
    if (hintPaperBlend > 1.0f)
    {
        static const char* const kFrames[3][2] = {{"00_inv_hint_papirus_01.tga", "00_inv_hint_papirus_02.tga"},
                                                  {"00_inv_hint_papirus_02.tga", "00_inv_hint_papirus_00.tga"},
                                                  {"00_inv_hint_papirus_00.tga", "00_inv_hint_papirus_01.tga"}};
        materialSetTexturePassUnit(kPaper, 0, 0, kFrames[hintPaperFrame][0]);
        materialSetTexturePassUnit(kPaper, 0, 1, kFrames[hintPaperFrame][1]);
        hintPaperFrame = (hintPaperFrame + 1) % 3;
        hintPaperBlend = 0.0f;
    }
    materialBlendColour(kPaper, 0, 1, 1.0f, 1.0f, 1.0f, 3, hintPaperBlend);

    if (clock > hintEndTime - 1000)
    {
        // The last second: the glint flashes up and is gone at the end.
        const float x = static_cast<float>(clock - hintEndTime + 1000) / 1000.0f;
        const float s = quadFunc(x);
        particleSetEmitting(kParticle, false);
        billboardSetSize(kBillboard, 50.0f * s, 50.0f * s);
    }

    Ogre::Vector2 screen(hintScreenPos.x, hintScreenPos.y);
    worldToScreen(hintObject, screen);
    hintScreenPos = vec3(screen.x, screen.y, 0.0f);
    setVarI("fonarik_x", static_cast<int>(screen.x * 100.0f));
    setVarI("fonarik_y", static_cast<int>(screen.y * 100.0f));

    // Eight turns of a spiral that closes in on the object.
    const float a = f * 50.24f;
    vec3 world;
    screenToPlane(vec3(screen.x + (1.0f - f) * 0.1f * std::cos(a), screen.y + (1.0f - f) * 0.133f * std::sin(a),
                       300.0f),
                  world);
    setPosition(helpParticleObj, world);

    float g = 0.0f;
    if (f >= 0.2f && f < 0.5f)
        g = (f - 0.2f) / 0.3f;
    else if (f >= 0.5f)
        g = (1.0f - f) / 0.5f;
    materialSetColour(kGlow, g, g, g, 1);

    const float scale = 0.8f + 0.3f * f;
    const vec3 size(0.125f * scale, 0.16666f * scale, 0.0f);
    ovSetPosition(helpOverlay, hintScreenPos - size / 2.0f);
    ovSetSize(helpOverlay, size);
    setHelpItemAlpha(f);
}
