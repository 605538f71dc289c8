#include "02_02_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>

namespace
{
const char* const kSigaraSmoke = "02_sigara_smoke";
const char* const kVillainSmoke = "02_rot_smoke";
const char* const kPhotoSmoke = "02_foto_smoke";
const char* const kBurning = "orig_00_fono_prof_burning";
const char* const kFire = "orig_00_fono_prof_fire";
} // namespace

void sc_02_02_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    villain = gApp.findObjectHandle("04_villain");
    cigarette = gApp.findObjectHandle("00_sigara");
    glow = gApp.findObjectHandle("00_sigara_glow");
    photo = gApp.findObjectHandle("02_foto_prof");
    camMove = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");

    setPositionRotZ(villain, 0.0f, 0.0f, 0.0f, 0.0f);
    setVisible(villain, false);
    setVisible(cigarette, false);
    setVisible(photo, false);

    attachObjToBone(cigarette, gApp.findObjectHandle(kSigaraSmoke), "00_sigara_bone_02", true);
    attachObjToBone(villain, gApp.findObjectHandle(kVillainSmoke), "04_villain_rot_04", true);
    attachObjToBone(photo, gApp.findObjectHandle(kPhotoSmoke), "00_fono_prof_bone_01", true);
    particleSetEmitting(kSigaraSmoke, false);
    particleSetEmitting(kVillainSmoke, false);
    particleSetEmitting(kPhotoSmoke, false);
}

void sc_02_02_scene::ON_NOTIFY(int param, OBJECT_HANDLE sndr)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    (void)sndr;
    if (param == 100)
    {
        ++step;
        switch (step)
        {
        case 1:
            start1();
            break;
        case 2:
            start2();
            break;
        case 3:
            start3();
            break;
        case 4:
            start4();
            break;
        case 5:
            stop();
            break;
        default:
            break;
        }
    }
    if ((photoAnim != 0 && param == photoAnim) || param == 2051)
        sendNotify(mOwner, 0, 100);
}

void sc_02_02_scene::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    // One match a tick: a timer started here may take the slot, and so the
    // id, of the one that just ended.
    if (id == photoShowTimer)
    {
        clearTimer(photoShowTimer);
        setVisible(photo, true);
    }
    else if (id == glowTimer1 || id == glowTimer2)
    {
        clearTimer(id == glowTimer1 ? glowTimer1 : glowTimer2);
        sigaraFireOff();
    }
    else if (id == glowTimer3 || id == glowTimer4)
    {
        clearTimer(id == glowTimer3 ? glowTimer3 : glowTimer4);
        sigaraFireOn();
    }
    else if (id == smokeTimer1 || id == smokeTimer2)
    {
        clearTimer(id == smokeTimer1 ? smokeTimer1 : smokeTimer2);
        villainSmokeOff();
    }
    else if (id == smokeTimer3 || id == smokeTimer4)
    {
        clearTimer(id == smokeTimer3 ? smokeTimer3 : smokeTimer4);
        villainSmokeOn();
    }
    else if (id == burnStartTimer)
    {
        clearTimer(burnStartTimer);
        burnTickTimer = ScriptObject::startTimer(mOwner, 10, -1);
        setMaterial(photo, 0, kBurning);
        setBurningSpotSize(burnSize);
    }
    else if (id == burnTickTimer)
    {
        burnSize += burnStep;
        setBurningSpotSize(burnSize);
    }
    else if (id == fireStartTimer)
    {
        clearTimer(fireStartTimer);
        fireTickTimer = ScriptObject::startTimer(mOwner, 10, -1);
        setMaterial(photo, 0, kFire);
        setFireSpotSize(fireSize);
    }
    else if (id == fireTickTimer)
    {
        fireSize += fireStep;
        setFireSpotSize(fireSize);
    }
    else if (id == endTimer)
    {
        clearTimer(endTimer);
        sendNotify(mOwner, 0, 100);
    }
}

void sc_02_02_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("00_sfx_env", 1004, 0);
    sendNotifyByName("01_01_scene_ds", 10148, 0);
    setSigaraTimers1();
    sendNotifyByName("02_02_az_door2_anim", 200, 0);
    sendNotify(camMove, 0, 5211);

    // The break-in plays once: its end is the cue for the dialog.
    setVisible(villain, true);
    CutScene::showNamed("02_01_door1", false);
    CutScene::stopActor(villain);
    animAddPoint(villain, "02_01", 1, mOwner, 100);
    animAddPoint(villain, "02_02", 0, 0);
    CutScene::startActor(villain);

    CutScene::showNamed("02_02_stena", true);
    setVisibleFlagsByName("02_01_room.scene", 0, 2);

    setVisible(cigarette, true);
    CutScene::stopActor(cigarette);
    animAddPoint(cigarette, "02_01", 0, 0);
    CutScene::startActor(cigarette);

    const OBJECT_HANDLE door = gApp.findObjectHandle("02_door1_anim");
    setPosition(door, vec3(0.0f, 0.0f, 0.0f));
    setVisible(door, true);
    startLinkedAnimation(door, "02_door1_anim_break.skeleton", "break", 1, 0);

    sendNotifyByName("00_movies", 2028, 0);
}

void sc_02_02_scene::start2()
{
    TQ_TRACE(" start2()");
    sendNotify(dialogs, mOwner, 2051);
    sendNotify(camMove, 0, 5212);
}

void sc_02_02_scene::start3()
{
    TQ_TRACE(" start3()");
    photoShowTimer = once(4462);
    setSigaraTimers3();
    sendNotify(camMove, 0, 10201);

    setVisible(villain, true);
    CutScene::stopActor(villain);
    animAddPoint(villain, "02_03", 0, 0);
    CutScene::startActor(villain);
    CutScene::stopActor(cigarette);
    animAddPoint(cigarette, "02_03", 0, 0);
    CutScene::startActor(cigarette);

    photoAnim = startLinkedAnimation(photo, "02_02_foto_prof_anim01.skeleton", "anim01", 1, mOwner);
    burnStartTimer = once(13301);
    sendNotifyByName("00_movies", 2029, 0);
}

void sc_02_02_scene::start4()
{
    TQ_TRACE(" start4()");
    sendNotify(camMove, 0, 5213);
    setVisible(photo, true);
    startLinkedAnimation(photo, "02_02_foto_prof_anim02.skeleton", "anim02", 1, 0);

    burnSize = 0.2f;
    burnStep = 0.0015f;
    fireSize = 0.005f;
    fireStep = 0.0015f;
    particleSetEmitting(kPhotoSmoke, true);

    fireStartTimer = once(389);
    endTimer = once(10000);
}

void sc_02_02_scene::stop()
{
    TQ_TRACE(" stop()");
    CutScene::finished(mOwner);
}

void sc_02_02_scene::clearTimer(int& timer)
{
    TQ_TRACE(" clearTimer(int& timer)");
    if (timer != -1)
        ScriptObject::stopTimer(mOwner, timer);
    timer = -1;
}

void sc_02_02_scene::clearSigaraTimers()
{
    TQ_TRACE(" clearSigaraTimers()");
    for (int* timer : {&glowTimer1, &glowTimer2, &glowTimer3, &glowTimer4, &smokeTimer1, &smokeTimer2, &smokeTimer3,
                       &smokeTimer4})
        clearTimer(*timer);
}

void sc_02_02_scene::setSigaraTimers1()
{
    TQ_TRACE(" setSigaraTimers1()");
    clearSigaraTimers();
    glowTimer1 = once(6311);
    smokeTimer3 = once(6238);
    smokeTimer1 = once(7190);
}

void sc_02_02_scene::setSigaraTimers3()
{
    TQ_TRACE(" setSigaraTimers3()");
    clearSigaraTimers();
    glowTimer3 = once(5762);
    glowTimer1 = once(6762);
    glowTimer4 = once(9360);
    glowTimer2 = once(15085);
    smokeTimer3 = once(7095);
    smokeTimer1 = once(8065);
    smokeTimer4 = once(11222);
    smokeTimer2 = once(12060);
}

void sc_02_02_scene::sigaraFireOn()
{
    TQ_TRACE(" sigaraFireOn()");
    particleSetEmitting(kSigaraSmoke, false);
    cigaretteLit = true;
    sendNotify(glow, 0, 101);
}

void sc_02_02_scene::sigaraFireOff()
{
    TQ_TRACE(" sigaraFireOff()");
    particleSetEmitting(kSigaraSmoke, true);
    cigaretteLit = false;
    sendNotify(glow, 0, 0);
}

void sc_02_02_scene::villainSmokeOn()
{
    TQ_TRACE(" villainSmokeOn()");
    particleSetEmitting(kVillainSmoke, true);
    villainSmoking = true;
}

void sc_02_02_scene::villainSmokeOff()
{
    TQ_TRACE(" villainSmokeOff()");
    particleSetEmitting(kVillainSmoke, false);
    villainSmoking = false;
}

void sc_02_02_scene::setBurningSpotSize(float size)
{
    TQ_TRACE(" setBurningSpotSize(float size)");
    for (const char* material : {kBurning, kFire})
    {
        materialSetTextureScroll2(material, 0, 1, 0.0f, 0.25f / size);
        materialSetTextureScale2(material, 0, 1, size, size);
    }
}

void sc_02_02_scene::setFireSpotSize(float size)
{
    TQ_TRACE(" setFireSpotSize(float size)");
    materialSetTextureScroll2(kFire, 0, 2, 0.0f, 0.25f / size);
    materialSetTextureScale2(kFire, 0, 2, size, size);
    const float inner = 0.8f * size;
    materialSetTextureScroll2(kFire, 1, 1, 0.0f, 0.25f / inner);
    materialSetTextureScale2(kFire, 1, 1, inner, inner);
    setFotoSmokeSize(6.0f * size);
}

void sc_02_02_scene::setFotoSmokeSize(float size)
{
    TQ_TRACE(" setFotoSmokeSize(float size)");
    if (!gApp.mSceneMgr || !gApp.mSceneMgr->hasParticleSystem(kPhotoSmoke))
        return;
    const int emitters = gApp.mSceneMgr->getParticleSystem(kPhotoSmoke)->getNumEmitters();
    for (int i = 0; i < emitters; ++i)
    {
        // Only the ring emitters take a size; every emitter takes the rate.
        particleSetRingSize(kPhotoSmoke, i, size, size, 0.0f);
        particleSetRate(kPhotoSmoke, i, size * 15.0f + 4.0f);
    }
}

int sc_02_02_scene::once(uint32_t ms)
{
    TQ_TRACE(" once(uint32_t ms)");
    return ScriptObject::startTimer(mOwner, ms, 1);
}
