#include "06_07_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <cmath>

namespace
{
const char* const kParticles[] = {"06_06_lava_particles_01", "06_06_lava_particles_02", "06_06_lava_particles_03",
                                  "06_06_lava_particles_04"};
const float kRise = 2025.0f;
} // namespace

void sc_06_07_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    hero = gApp.findObjectHandle("01_hero_worker");
    debris = gApp.findObjectHandle("06_06_oblomki");
    initStolb();
}

void sc_06_07_scene::initStolb()
{
    TQ_TRACE(" initStolb()");
    for (int i = 0; i < 2; ++i)
    {
        Stolb& s = stolb[i];
        s.pillar = findObjectIndexed("06_06_Stolbik", i + 1);
        s.lava = findObjectIndexed("06_06_Stolbik_lava", i + 1);
        s.hotspot = findObjectIndexed("06_06_az_Stolbik_lava", i + 1);
        s.rising = 0;
        s.progress = 0.0f;
        s.base = getPosition(s.pillar);
        s.pillarMaterial = ScriptObject::indexedKey("06_06_stolbik/06_06_Stolbik_", i);
        if (s.pillar)
            setMaterial(s.pillar, 2, s.pillarMaterial);
        s.lavaMaterial = ScriptObject::indexedKey("06_lava_", i);
        if (s.lava)
            setMaterial(s.lava, 0, s.lavaMaterial);
    }
}

void sc_06_07_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (code == 100)
        start1();
    else if (code == mLoaderAnswer)
        clear();
}

void sc_06_07_scene::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (id == 0)
        return;
    if (id == start2_timer)
    {
        start2_timer = 0;
        start2();
    }
    else if (id == particles_off_timer)
    {
        particles_off_timer = 0;
        for (const char* p : kParticles)
            particleSetEmitting(p, false);
        stolb[1].rising = 1;
    }
    else if (id == pillar1_timer)
    {
        pillar1_timer = 0;
        stolb[0].rising = 1;
    }
    else if (id == stop_timer)
    {
        stop_timer = 0;
        stop();
    }
    else if (id == pillar_timer)
        stolbProcess(ScriptObject::frameSeconds());
    else if (id == spurt_a_timer)
    {
        spurt_a_timer = 0;
        particleSetEmitting(kParticles[0], true);
        particleSetEmitting(kParticles[2], true);
    }
    else if (id == spurt_b_timer)
    {
        spurt_b_timer = 0;
        particleSetEmitting(kParticles[1], true);
        particleSetEmitting(kParticles[3], true);
    }
}

void sc_06_07_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("00_sfx_env", 1004, 0);
    sendNotifyByName("00_movies", 6019, 0);
    sendNotify(cam_move, 0, 5601);
    sendNotify(cam_move, 0, 10607);

    CutScene::showAt(hero, 0.0f, 0.0f, 0.0f, 0.0f);
    CutScene::play(hero, "back_jump", 1);

    start2_timer = ScriptObject::startTimer(mOwner, 4000, 1);
    particles_off_timer = ScriptObject::startTimer(mOwner, 7500, 1);
    pillar1_timer = ScriptObject::startTimer(mOwner, 8000, 1);
    stop_timer = ScriptObject::startTimer(mOwner, 13200, 1);

    sendNotify(debris, 0, 100);
}

void sc_06_07_scene::start2()
{
    TQ_TRACE(" start2()");
    spurt_a_timer = ScriptObject::startTimer(mOwner, 720, 1);
    spurt_b_timer = ScriptObject::startTimer(mOwner, 1080, 1);
    CutScene::stopActor(hero);
    setVisible(hero, false);
    sendNotify(cam_move, 0, 5601);
    sendNotify(cam_move, mOwner, 10608);
    sendNotifyByName("06_06_lava_msz", 100, 0);
    sendNotify(debris, 0, 200);
    // A second run must not leave the first run's tick going beside its own.
    ScriptObject::stopFrameTimer(mOwner, pillar_timer);
    pillar_timer = ScriptObject::startFrameTimer(mOwner);
}

void sc_06_07_scene::stop()
{
    TQ_TRACE(" stop()");
    ScriptObject::stopFrameTimer(mOwner, pillar_timer);
    CutScene::answerInterface(mOwner, 100);
}

void sc_06_07_scene::clear()
{
    TQ_TRACE(" clear()");
    sendNotify(cam_move, 0, 5601);
    ScriptObject::stopFrameTimer(mOwner, pillar_timer);
    sendNotify(debris, 0, 300);
    CutScene::stopActor(hero);
    setVisible(hero, false);
    for (const char* p : kParticles)
        particleSetEmitting(p, false);
    // The pending steps are killed, not only forgotten: a hall cleared and
    // started again and again would otherwise fill the object's timer pool.
    for (int* timer : {&start2_timer, &particles_off_timer, &pillar1_timer, &stop_timer, &spurt_a_timer,
                       &spurt_b_timer})
        ScriptObject::stopFrameTimer(mOwner, *timer);
}

float sc_06_07_scene::cosFunc(float x)
{
    TQ_TRACE(" cosFunc(float x)");
    return (1.0f - std::cos(x * 3.1415f)) * 0.5f;
}

void sc_06_07_scene::stolbProcess(float inc)
{
    TQ_TRACE(" stolbProcess(float inc)");
    for (Stolb& s : stolb)
    {
        if (s.rising)
        {
            s.progress += inc * 0.2f;
            if (s.progress > 1.0f)
                s.progress = 1.0f;
        }
        const float c = cosFunc(s.progress);
        if (s.pillar)
            setPosition(s.pillar, vec3(s.base.x, s.base.y, (1.0f - c) * s.base.z + c * (s.base.z + kRise)));
        materialSetTextureScroll2(s.lavaMaterial, 0, 1, 0.0f, (1.0f - s.progress) * 1.5f + s.progress * 0.7f);
    }
}
