#include "01_01_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kPlaneMaterial = "01_01_professor_plane";
const char* const kTexture = "01_04_rtt";
const char* const kGroup = "01_01_scene.scene";
} // namespace

void sc_01_01_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    setPlaneAlpha(0.0f);
    hero = gApp.findObjectHandle("01_hero");
    professor = gApp.findObjectHandle("03_professor");
    camMove = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    plane = gApp.findObjectHandle("01_01_professor_plane");
    setVisible(hero, false);
    setVisible(professor, false);
    setVisible(plane, false);
}

void sc_01_01_scene::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
}

void sc_01_01_scene::ON_TIME(int param)
{
    TQ_TRACE(" ON_TIME(int param)");
    (void)param;
    fade += ScriptObject::frameSeconds() / 2.0f;
    if (fade > 1.0f)
        ScriptObject::stopTimer(mOwner, fadeTimer);
    setPlaneAlpha(fade);
}

void sc_01_01_scene::ON_NOTIFY(int param, OBJECT_HANDLE sndr)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    (void)sndr;
    switch (param)
    {
    case 100:
        start();
        break;
    case 200:
        start2();
        break;
    case 300:
        start3();
        break;
    case 400:
        start4();
        break;
    case 500:
        start5();
        break;
    case 600:
        start6();
        break;
    case 1000:
        stop();
        break;
    default:
        break;
    }
    if (param == mLoaderAnswer)
        clear();
}

void sc_01_01_scene::clear()
{
    TQ_TRACE(" clear()");
    sendNotifyByName("02_dialogs", mStopCode, 0);
    setVisibleByName(kGroup, false);
    setParentByName("", kGroup);
    // Off the hands as well, or a later call would start with them held.
    CutScene::putAway(hero, gApp.findObjectHandle("01_telefon"));
    CutScene::putAway(professor, gApp.findObjectHandle("01_telefon2"));
    setVisible(professor, false);
    setVisible(hero, false);
    sendNotifyByName("00_game_interface", 555, 0);
    sendNotify(camMove, 0, 5102);
    CutScene::stopActor(hero);
    CutScene::stopActor(professor);
    sendNotifyByName("01_01_scene_ds", 200, 0);
}

void sc_01_01_scene::start()
{
    TQ_TRACE(" start()");
    sendNotifyByName("00_movies", 1004, 0);
    sendNotifyByName("00_sfx_env", 1001, 0);

    setVisible(hero, true);
    setVisible(professor, false);
    setVisible(plane, false);
    CutScene::showNamed("01_telefon", false);
    CutScene::showNamed("01_telefon2", false);

    setPosition(hero, vec3(1069.238f, -260.202f, 0.0f));
    setOrientationDeg(hero, vec3(0.0f, 0.0f, 161.0f));
    setPosition(professor, vec3(-409.261f, 1120.463f, -474.483f));
    setOrientationDeg(professor, vec3(0.0f, 0.0f, 0.0f));

    // Taking the phone plays once: its end is the cue for the call.
    CutScene::stopActor(hero);
    animAddPoint(hero, "static", 0, 0);
    animAddRotatedPoint(hero, vec3(0.0f, 0.0f, 161.0f), "walk", vec3(206.542f, 31.441f, 0.0f), 1, 1, mOwner, 200);
    animAddPoint(hero, "take_phone", 1, mOwner, 300);
    animAddTransitionPoint(hero, "phone_static", -1, "rot_static", -1, 0, 0);
    CutScene::startActor(hero);
    CutScene::nextPoint(hero);

    sendNotify(camMove, 0, 5101);
    sendNotify(camMove, 0, 10101);
    sendNotifyByName("01_01_scene_ds", 10143, 0);
}

void sc_01_01_scene::start2()
{
    TQ_TRACE(" start2()");
    const OBJECT_HANDLE phone = gApp.findObjectHandle("01_telefon");
    const OBJECT_HANDLE phone2 = gApp.findObjectHandle("01_telefon2");
    setVisible(phone, true);
    setVisible(phone2, true);
    attachObjToBone(hero, phone, "01_hero_Bip01_R_Hand", false);
    attachObjToBone(professor, phone2, "03_prof_Bip01_R_Hand", false);
    sendNotify(camMove, 0, 5120);
}

void sc_01_01_scene::start3()
{
    TQ_TRACE(" start3()");
    fadeTimer = ScriptObject::startTimer(mOwner, 1, -1);
    sendNotify(camMove, 0, 10102);
    setVisible(plane, true);
    setVisible(professor, true);
    sendNotify(dialogs, mOwner, 1000);

    const OBJECT_HANDLE camera = gApp.findObjectHandle("Camera");
    setObjAnimSpeed(camera, 1000);
    setObjAnimParams(camera, 0, 1000, 0, 0);

    rttSetAutoUpdated(kTexture, true);
    materialSetTexturePassUnit(kPlaneMaterial, 1, 0, kTexture);
    setVisibleByName(kGroup, true);
    setParentByName("Camera", kGroup);
}

void sc_01_01_scene::start4()
{
    TQ_TRACE(" start4()");
    cameraRttTo("01_01_Camera_prof_01");
}

void sc_01_01_scene::start5()
{
    TQ_TRACE(" start5()");
    cameraRttTo("01_01_Camera_prof_02");
}

void sc_01_01_scene::start6()
{
    TQ_TRACE(" start6()");
    setVisible(plane, false);
    CutScene::showNamed("01_prof_fon", false);
    CutScene::showNamed("01_prof_stena", false);
    rttSetAutoUpdated(kTexture, false);
    setVisible(professor, false);
}

void sc_01_01_scene::stop()
{
    TQ_TRACE(" stop()");
    CutScene::finished(mOwner);
}

void sc_01_01_scene::setPlaneAlpha(float a)
{
    TQ_TRACE(" setPlaneAlpha(float a)");
    materialBlendColour(kPlaneMaterial, 0, 0, 1.0f - a, 1.0f - a, 1.0f - a, 0);
    materialBlendColour(kPlaneMaterial, 1, 0, a, a, a, 1);
}

void sc_01_01_scene::cameraRttTo(const char* locator)
{
    TQ_TRACE(" cameraRttTo(const char* locator)");
    CutScene::placeLike(gApp.findObjectHandle("CameraRtt"), gApp.findObjectHandle(locator));
}
