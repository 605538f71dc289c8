#include "06_03_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kVirusScene = "06_03_virus.scene";
const char* const kVirusCell = "06_03_virus1_01";
const char* const kVirusBackground = "06_03_virus_fon";

// Where each cell starts and how much faster than the base speed it drifts.
struct CellStart
{
    float x, y, z;
    float speedOffset;
};
const CellStart kCells[] = {
    {-220, 885, -173, -10}, {-220, 845, -115, -8}, {-280, 860, -150, -6}, {-286, 845, -175, -4},
    {-240, 865, -147, -2},  {-323, 880, -120, 0},  {-290, 870, -125, 0},  {-300, 885, -155, 2},
    {-250, 845, -160, 4},   {-320, 855, -130, 6},  {-320, 875, -140, 8},  {-320, 850, -135, 10},
};
} // namespace

void sc_06_03_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    hero = gApp.findObjectHandle("01_hero_worker");
    priest = gApp.findObjectHandle("08_priest");
    tolvane = gApp.findObjectHandle("06_03_tolvane");
    girl = gApp.findObjectHandle("09_girl");
    keis = gApp.findObjectHandle("06_03_keis_anim");
    for (OBJECT_HANDLE h : {priest, tolvane, girl, keis})
        setVisible(h, false);
    setVisibleByName(kVirusScene, false);
    initRTTView(view, "06_rtt_1024x1024");
}

void sc_06_03_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    switch (code)
    {
    case 100: start(); break;
    case 101: start_priest(); break;
    case 102: start_tolvane(); break;
    case 103: start_girl(); break;
    case 104: start_keis(); break;
    case 105: start_virus(); break;
    case 201: stop_priest(); break;
    case 202: stop_tolvane(); break;
    case 203: stop_girl(); break;
    case 204: stop_keis(); break;
    case 205: stop_virus(); break;
    case 6051: stop(); break;
    default: break;
    }
    if (code == mLoaderAnswer)
        clear();
}

void sc_06_03_scene::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (id == 0)
        return;
    // Only the view's own tick steps its fade: the virus ticks every frame
    // too, and the picture would otherwise fade in twice as fast while the
    // virus shows.
    if (id == view.fade_timer)
        processRTTViewFadeOut(view);
    if (id == virus_timer)
        processVirus();
    if (id == fade_timer)
    {
        // A one-shot timer's id is free again once it has fired.
        fade_timer = 0;
        fading = 1;
    }
}

void sc_06_03_scene::start()
{
    TQ_TRACE(" start()");
    setVisible(hero, true);
    sendNotifyByName("00_sfx_env", 5008, 0);
    sendNotify(dialogs, mOwner, 6051);
}

void sc_06_03_scene::stop()
{
    TQ_TRACE(" stop()");
    CutScene::answerInterface(mOwner, 100);
}

void sc_06_03_scene::clear()
{
    TQ_TRACE(" clear()");
    ScriptObject::stopFrameTimer(mOwner, virus_timer);
    clearRTTView(view);
    setVisible(hero, false);
    setVisible(priest, false);
    CutScene::stopActor(priest);
    setVisible(tolvane, false);
    setVisible(girl, false);
    CutScene::stopActor(girl);
    setVisible(keis, false);
    setVisibleByName(kVirusScene, false);
    sendNotify(cam_move, 0, 5101);
    sendNotifyByName("06_02_scene", 100, mOwner);
}

void sc_06_03_scene::showPicture(const String& plane, const char* skeleton, int times)
{
    TQ_TRACE(" showPicture(const String& plane, const char* skeleton, int times)");
    setRTTView(view, plane.c_str());
    setRTTViewCamAnimation(view, "rtt_anim_cam", "00_anim_cam_bone");
    startRTTViewCamLinkedAnimation(view, skeleton, times);
    startRTTViewFadeOut(view);
}

void sc_06_03_scene::start_priest()
{
    TQ_TRACE(" start_priest()");
    showPicture(plane_left, "06_03_rtt_anim_cam.skeleton", 1);
    setVisibleFlagsByName("08_priest.scene", 0, 1024);
    setPositionRotZ(priest, -195.25f, 702.728f, -305.145f, -90.0f);
    CutScene::stopActor(priest);
    animAddTransitionPoint(priest, "static_02", -1, "rot_02", 0);
    CutScene::startActor(priest);
    setVisible(priest, true);
}

void sc_06_03_scene::stop_priest()
{
    TQ_TRACE(" stop_priest()");
    clearRTTView(view);
    setVisible(priest, false);
    CutScene::stopActor(priest);
}

void sc_06_03_scene::start_tolvane()
{
    TQ_TRACE(" start_tolvane()");
    showPicture(plane_right, "06_04_rtt_anim_cam.skeleton", 1);
    setVisible(tolvane, true);
}

void sc_06_03_scene::stop_tolvane()
{
    TQ_TRACE(" stop_tolvane()");
    setVisible(tolvane, false);
    clearRTTView(view);
}

void sc_06_03_scene::start_girl()
{
    TQ_TRACE(" start_girl()");
    showPicture(plane_right, "06_05_rtt_anim_cam.skeleton", 1);
    setVisibleFlagsByName("09_girl.scene", 0, 1024);
    setPositionRotZ(girl, -175.426f, 835.928f, -249.877f, -90.0f);
    CutScene::play(girl, "static", -1);
    setVisible(girl, true);
}

void sc_06_03_scene::stop_girl()
{
    TQ_TRACE(" stop_girl()");
    clearRTTView(view);
    setVisible(girl, false);
    CutScene::stopActor(girl);
}

void sc_06_03_scene::start_keis()
{
    TQ_TRACE(" start_keis()");
    showPicture(plane_right, "06_06_rtt_anim_cam.skeleton", 1);
    setVisible(keis, true);
}

void sc_06_03_scene::stop_keis()
{
    TQ_TRACE(" stop_keis()");
    setVisible(keis, false);
    clearRTTView(view);
}

void sc_06_03_scene::start_virus()
{
    TQ_TRACE(" start_virus()");
    showPicture(plane_left, "06_07_rtt_anim_cam.skeleton", -1);
    setVisibleByName(kVirusScene, true);
    init_cells();
    ScriptObject::stopFrameTimer(mOwner, virus_timer);
    virus_timer = ScriptObject::startFrameTimer(mOwner);
    fade_timer = ScriptObject::startTimer(mOwner, 5000, 1);
    fading = 0;
}

void sc_06_03_scene::stop_virus()
{
    TQ_TRACE(" stop_virus()");
    setVisibleByName(kVirusScene, false);
    clearRTTView(view);
    ScriptObject::stopFrameTimer(mOwner, virus_timer);
}

void sc_06_03_scene::init_cells()
{
    TQ_TRACE(" init_cells()");
    Box box;
    box.lower = vec3(-323.0f, 845.0f, -180.0f);
    box.upper = vec3(-200.0f, 885.0f, -115.0f);
    for (Movable& cell : cells)
        cell = Movable();
    int n = 0;
    for (const CellStart& start : kCells)
    {
        Movable& cell = cells[n++];
        cell.handle = findObjectIndexed("06_03_virus1_", n);
        cell.position = vec3(start.x, start.y, start.z);
        cell.box = box;
        cell.speed = vec3(base_speed + start.speedOffset, 0.0f, 0.0f);
    }
    setVirusAlpha();
}

void sc_06_03_scene::processVirus()
{
    TQ_TRACE(" processVirus()");
    const float step = ScriptObject::frameSeconds();
    for (Movable& cell : cells)
        if (cell.handle != 0)
            processMovable(cell, step);
    if (fading)
    {
        if (fade_level < 1.0f)
            fade_level += step * 0.5f;
        else
        {
            fade_level = 1.0f;
            fading = 0;
        }
        setVirusAlpha();
    }
}

void sc_06_03_scene::setVirusAlpha()
{
    TQ_TRACE(" setVirusAlpha()");
    materialSetAlpha2(kVirusCell, 1, 0, fade_level);
    materialSetAlpha2(kVirusBackground, 1, 0, fade_level);
}

void sc_06_03_scene::processMovable(Movable& cell, float step)
{
    TQ_TRACE(" processMovable(Movable& cell, float step)");
    cell.position = normalizeVec3(cell.box, cell.position + cell.speed * step);
    setPosition(cell.handle, cell.position);
}

float sc_06_03_scene::normalizeValue(float value, float lower, float upper)
{
    TQ_TRACE(" normalizeValue(float value, float lower, float upper)");
    if (value > upper)
        value = lower + (value - upper);
    return static_cast<float>(static_cast<int>(value * 1000.0f)) / 1000.0f;
}

vec3 sc_06_03_scene::normalizeVec3(const Box& box, const vec3& v)
{
    TQ_TRACE(" normalizeVec3(const Box& box, const vec3& v)");
    return vec3(normalizeValue(v.x, box.lower.x, box.upper.x), normalizeValue(v.y, box.lower.y, box.upper.y),
                normalizeValue(v.z, box.lower.z, box.upper.z));
}
