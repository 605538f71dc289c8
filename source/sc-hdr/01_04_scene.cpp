#include "01_04_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "Trace.h"

void sc_01_04_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    hero = gApp.findObjectHandle("01_hero");
    professor = gApp.findObjectHandle("03_professor");
    boss = gApp.findObjectHandle("05_agent_boss");
    bossCase = gApp.findObjectHandle("01_keis_anim_boss");
    camMove = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    rigCam1 = gApp.findObjectHandle("01_04_rtt_anim_cam_01");
    rigCam2 = gApp.findObjectHandle("01_04_rtt_anim_cam_02");
    plane1 = gApp.findObjectHandle(plane1Name);
    plane2 = gApp.findObjectHandle(plane2Name);
    setVisible(plane1, false);
    setVisible(plane2, false);
    // The dialog's step may come without the start before it; the view
    // needs its texture and cameras even then.
    initRTTView(rtt, "01_04_rtt");
}

void sc_01_04_scene::ON_TIME(int param)
{
    TQ_TRACE(" ON_TIME(int param)");
    (void)param;
    processRTTViewFadeOut(rtt);
}

void sc_01_04_scene::ON_NOTIFY(int param, OBJECT_HANDLE sndr)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    (void)sndr;
    switch (param)
    {
    case 100:
        init();
        start1();
        break;
    case 200:
        clear1();
        start2();
        break;
    case 1051:
        stop();
        break;
    default:
        break;
    }
    if (param == mLoaderAnswer)
        clear2();
}

void sc_01_04_scene::init()
{
    TQ_TRACE(" init()");
    initRTTView(rtt, "01_04_rtt");
    setVisible(hero, true);
    setPositionRotZ(hero, 524.0f, -335.0f, 0.0f, 2.78f);
    CutScene::stopActor(hero);
    animAddPoint(hero, "static_dumaet", 0, 0);
    CutScene::startActor(hero);
    sendNotify(dialogs, mOwner, 1051);
}

void sc_01_04_scene::start1()
{
    TQ_TRACE(" start1()");
    setVisible(boss, true);
    setVisible(bossCase, true);
    attachObjToBone(boss, bossCase, "05_agent_Bip01_R_Hand", false);
    setPosition(boss, createVec3(-221.341f, 938.519f, -416.985f));
    setOrientation(boss, createQuaternion(-0.767682f, -0.262897f, 0.529489f, 0.247366f));

    setRTTView(rtt, plane1Name.c_str());
    setRTTViewCamAnimation(rtt, "01_04_rtt_anim_cam_01", "00_anim_cam_bone");
    startRTTViewCamAnimation(rtt, 1);
    startRTTViewFadeOut(rtt);
}

void sc_01_04_scene::clear1()
{
    TQ_TRACE(" clear1()");
    setVisible(boss, false);
    setVisible(bossCase, false);
    clearRTTView(rtt);
}

void sc_01_04_scene::start2()
{
    TQ_TRACE(" start2()");
    setPosition(professor, createVec3(-167.0f, 558.0f, -374.0f));
    setOrientation(professor, createQuaternion(-0.100557f, -0.672837f, 0.108333f, 0.724874f));
    setVisible(professor, true);

    setRTTView(rtt, plane2Name.c_str());
    setRTTViewCamAnimation(rtt, "01_04_rtt_anim_cam_02", "00_anim_cam_bone01");
    startRTTViewCamAnimation(rtt, 1);
    startRTTViewFadeOut(rtt);
}

void sc_01_04_scene::stop()
{
    TQ_TRACE(" stop()");
    CutScene::finished(mOwner);
}

void sc_01_04_scene::clear2()
{
    TQ_TRACE(" clear2()");
    setVisible(hero, false);
    setVisible(professor, false);
    clearRTTView(rtt);
}

vec3 sc_01_04_scene::createVec3(float x, float y, float z)
{
    TQ_TRACE(" createVec3(float x, float y, float z)");
    return vec3(x, y, z);
}

Ogre::Quaternion sc_01_04_scene::createQuaternion(float x, float y, float z, float w)
{
    TQ_TRACE(" createQuaternion(float x, float y, float z, float w)");
    return Ogre::Quaternion(w, x, y, z);
}
