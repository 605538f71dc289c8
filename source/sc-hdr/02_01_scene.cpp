#include "02_01_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kTexture = "prof_rtt2";
const char* const kScreenIdle = "02_room_ekran/video";
const char* const kScreenLive = "02_room_ekran/video2";
const char* const kRoom = "02_03_room";
const char* const kWall = "02_room2_lm/02_room_wall";
const char* const kWallDark = "02_room2_lm/02_room_wall_dark";
// Only what carries this flag is filmed for the screen.
const uint32_t kFilmed = 1024;
} // namespace

void sc_02_01_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    light = gApp.findObjectHandle("02_03_Proektor_svet");
    billboard = gApp.findObjectHandle("02_03_Proektor_billboard");
    hero = gApp.findObjectHandle("01_hero");
    girl = gApp.findObjectHandle("09_girl");
    professor = gApp.findObjectHandle("03_professor");
    camMove = gApp.findObjectHandle("01_cam_move");
    screenCam = gApp.findObjectHandle("CameraEkran");
    rig1 = gApp.findObjectHandle("02_01_rtt_anim_cam01");
    rig2 = gApp.findObjectHandle("02_01_rtt_anim_cam02");
    rig3 = gApp.findObjectHandle("02_01_rtt_anim_cam03");
    dialogs = gApp.findObjectHandle("02_dialogs");
    screen = gApp.findObjectHandle("02_room_ekran");

    setPositionRotZ(hero, -709.0f, 29.0f, 0.0f, 17.0f);
    setPositionRotZ(professor, -268.0f, 446.0f, -1289.0f, -81.0f);
    setPositionRotZ(girl, -126.0f, 741.0f, -1290.0f, -37.0f);
    for (OBJECT_HANDLE h : {hero, girl, professor, light, billboard})
        setVisible(h, false);

    rttSetVisibilityMask(kTexture, kFilmed);
    setVisibleFlagsByName("02_01_scene.scene", 1, kFilmed);
    setVisibleFlagsByName("09_girl.scene", 1, kFilmed);
    setVisibleFlagsByName("03_professor.scene", 1, kFilmed);
}

void sc_02_01_scene::ON_TIME(int param)
{
    TQ_TRACE(" ON_TIME(int param)");
    if (param == startTimer)
        sendNotify(mOwner, 0, 100);
}

void sc_02_01_scene::ON_NOTIFY(int param, OBJECT_HANDLE sndr)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    (void)sndr;
    if (param == 100)
    {
        switch (step)
        {
        case 0:
            start1();
            break;
        case 1:
            clear1();
            start2();
            break;
        case 2:
            clear2();
            start3();
            break;
        case 3:
            clear3();
            start4();
            break;
        default:
            break;
        }
        ++step;
    }
    if (param == 2050)
        stop();
    if (param == mLoaderAnswer)
        clearAll();
}

void sc_02_01_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("00_sfx_env", 5010, 0);
    setVisible(light, true);
    setVisible(billboard, true);
    startTimer = ScriptObject::startTimer(mOwner, 2000, 1);
}

void sc_02_01_scene::clear1()
{
    TQ_TRACE(" clear1()");
    setVisible(light, false);
}

void sc_02_01_scene::start2()
{
    TQ_TRACE(" start2()");
    rttSetAutoUpdated(kTexture, true);
    materialSetTexturePassUnit(kScreenLive, 1, 0, kTexture);
    setMaterial(screen, 1, kScreenLive);
    rideRig(rig1, "00_anim_cam_bone");
    setVisible(professor, true);
    setVisible(hero, true);
    sendNotify(dialogs, mOwner, 2050);
    setMaterial(gApp.findObjectHandle(kRoom), 1, kWallDark);
    rigInUse = 2;
}

void sc_02_01_scene::clear2()
{
    TQ_TRACE(" clear2()");
    releaseRig(rig1);
}

void sc_02_01_scene::start3()
{
    TQ_TRACE(" start3()");
    rideRig(rig2, "00_anim_cam_bone01");
    rigInUse = 3;
}

void sc_02_01_scene::clear3()
{
    TQ_TRACE(" clear3()");
    releaseRig(rig2);
}

void sc_02_01_scene::start4()
{
    TQ_TRACE(" start4()");
    setVisible(girl, true);
    rideRig(rig3, "00_anim_cam_bone02");
    rigInUse = 4;
}

void sc_02_01_scene::clear4()
{
    TQ_TRACE(" clear4()");
    releaseRig(rig3);
    rigInUse = 0;
}

void sc_02_01_scene::stop()
{
    TQ_TRACE(" stop()");
    CutScene::finished(mOwner);
}

void sc_02_01_scene::clearAll()
{
    TQ_TRACE(" clearAll()");
    if (rigInUse == 2)
        clear2();
    else if (rigInUse == 3)
        clear3();
    else if (rigInUse == 4)
        clear4();
    sendNotify(camMove, 0, 5303);
    rttSetAutoUpdated(kTexture, false);
    setMaterial(screen, 1, kScreenIdle);
    for (OBJECT_HANDLE h : {light, billboard, hero, professor, girl})
        setVisible(h, false);
    setMaterial(gApp.findObjectHandle(kRoom), 1, kWall);
}

void sc_02_01_scene::releaseRig(OBJECT_HANDLE rig)
{
    TQ_TRACE(" releaseRig(OBJECT_HANDLE rig)");
    CutScene::stopOwnAnimation(rig);
    // Off the bone, back on its own node: from there the next rig can take
    // the camera.
    attachObjToBone(rig, screenCam, nullptr, false);
}

void sc_02_01_scene::rideRig(OBJECT_HANDLE rig, const char* bone)
{
    TQ_TRACE(" rideRig(OBJECT_HANDLE rig, const char* bone)");
    attachObjToBone(rig, screenCam, bone, false);
    animPlay(rig, "a", -1, mOwner);
}
