#include "01_03_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kHeroHand = "01_hero_Bip01_R_Hand";
const char* const kBossHand = "05_agent_Bip01_R_Hand";
const char* const kSmoke = "01_okurok_smoke";
} // namespace

void sc_01_03_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    agentDoc = gApp.findObjectHandle("01_agent_doc");
    cigaretteEnd = gApp.findObjectHandle("01_okurok_anim");
    boss = gApp.findObjectHandle("05_agent_boss");
    girl = gApp.findObjectHandle("11_agent_girl");
    man = gApp.findObjectHandle("14_agent_man");
    jeep = gApp.findObjectHandle("01_jeep");
    hero = gApp.findObjectHandle("01_hero");
    caseAnim = gApp.findObjectHandle("01_keis_anim");
    caseAnim2 = gApp.findObjectHandle("01_keis_anim2");
    camMove = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    for (OBJECT_HANDLE h : {agentDoc, cigaretteEnd, boss, girl, man, jeep, caseAnim, caseAnim2})
        setVisible(h, false);
}

void sc_01_03_scene::ON_TIME(int param)
{
    TQ_TRACE(" ON_TIME(int param)");
    (void)param;
    particleSetEmitting(kSmoke, false);
}

void sc_01_03_scene::ON_NOTIFY(int param, OBJECT_HANDLE sndr)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    (void)sndr;
    if (param == 100)
        start1();
    else if (param == 10103)
        start2();
    else if (param == 201)
    {
        switchCamera();
        showBossDoc();
    }
    else if (param == 300)
        start4();
    else if (param == 302)
        hideBossDoc();
    else if (param == 1050)
        stop();
    else if (fallAnim != 0 && param == fallAnim)
        start3();
    if (param == mLoaderAnswer)
        clear();
}

void sc_01_03_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("00_movies", 1020, 0);
    sendNotifyByName("00_sfx_env", 5004, 0);

    setVisible(caseAnim, true);
    attachObjToBone(hero, caseAnim, kHeroHand, false);
    caseInHand = 1;
    setVisible(jeep, true);
    setVisible(hero, true);
    setPositionRotZ(hero, 235.244f, -349.786f, 0.0f, 2.78f);

    sendNotify(camMove, mOwner, 10103);

    CutScene::stopActor(hero);
    animAddPoint(hero, "static_case", 0, 0);
    animAddRotatedPoint(hero, vec3(0.0f, 0.0f, 2.78f), "walk_case", vec3(524.458f, -335.741f, 0.0f), 1, 1, 0, 0);
    animAddPoint(hero, "static_case", 0, 0);
    CutScene::startActor(hero);
    CutScene::nextPoint(hero);

    startLinkedAnimation(jeep, "01_jeep_move.skeleton", "move", 1, mOwner);
}

void sc_01_03_scene::start2()
{
    TQ_TRACE(" start2()");
    smokeTimer = ScriptObject::startTimer(mOwner, 2100, 1);
    attachObjToBone(cigaretteEnd, gApp.findObjectHandle(kSmoke), "01_okurok_anim_bone_02", false);
    particleSetEmitting(kSmoke, true);

    sendNotify(camMove, 0, 5150);
    setVisible(boss, true);
    setVisible(cigaretteEnd, true);

    CutScene::stopActor(boss);
    animAddPoint(boss, "okurok", 0, 0);
    CutScene::startActor(boss);

    fallAnim = startLinkedAnimation(cigaretteEnd, "01_okurok_anim_fall.skeleton", "fall", 1, mOwner);
}

void sc_01_03_scene::start3()
{
    TQ_TRACE(" start3()");
    sendNotify(camMove, 0, 5160);

    setPositionRotZ(girl, 1051.0f, 92.0f, 0.0f, -152.0f);
    setPositionRotZ(man, 1167.0f, -243.0f, 0.0f, -160.0f);
    setPositionRotZ(boss, 986.0f, -225.0f, 0.0f, -163.0f);
    setVisible(girl, true);
    setVisible(man, true);
    setVisible(boss, true);

    CutScene::stopActor(girl);
    animAddPoint(girl, "static_01", 0, 0);
    animAddRotatedPoint(girl, vec3(0.0f, 0.0f, -152.0f), "walk", vec3(700.0f, -272.0f, 0.0f), 1, 1, 0, 0);
    animAddPoint(girl, "static_01", 0, 0);
    CutScene::startActor(girl);
    CutScene::nextPoint(girl);

    CutScene::stopActor(man);
    animAddPoint(man, "static", 0, 0);
    animAddRotatedPoint(man, vec3(0.0f, 0.0f, 172.0f), "walk", vec3(796.0f, -375.0f, 0.0f), 1, 1, 0, 0);
    animAddPoint(man, "static", 0, 0);
    CutScene::startActor(man);
    CutScene::nextPoint(man);

    // Showing the card plays once: its end is the cue for the dialog.
    CutScene::stopActor(boss);
    animAddPoint(boss, "static_01", 0, 0);
    animAddRotatedPoint(boss, vec3(0.0f, 0.0f, -173.0f), "walk", vec3(651.0f, -325.0f, 0.0f), 1, 1, mOwner, 201);
    animAddPoint(boss, "show_card_01", 1, mOwner, 300);
    animAddPoint(boss, "show_card_02", 0, 0);
    CutScene::startActor(boss);
    CutScene::nextPoint(boss);

    CutScene::stopActor(hero);
    animAddPoint(hero, "static_01", 0, 0);
    CutScene::startActor(hero);

    // The case in his hand goes away; the one put down appears.
    CutScene::putAway(hero, caseAnim);
    setVisible(caseAnim2, true);
    caseInHand = 0;
}

void sc_01_03_scene::switchCamera()
{
    TQ_TRACE(" switchCamera()");
    sendNotify(camMove, 0, 5163);
}

void sc_01_03_scene::showBossDoc()
{
    TQ_TRACE(" showBossDoc()");
    setVisible(agentDoc, true);
    attachObjToBone(boss, agentDoc, kBossHand, false);
}

void sc_01_03_scene::start4()
{
    TQ_TRACE(" start4()");
    sendNotify(dialogs, mOwner, 1050);
}

void sc_01_03_scene::hideBossDoc()
{
    TQ_TRACE(" hideBossDoc()");
    CutScene::putAway(boss, agentDoc);
}

void sc_01_03_scene::stop()
{
    TQ_TRACE(" stop()");
    CutScene::finished(mOwner);
}

void sc_01_03_scene::clear()
{
    TQ_TRACE(" clear()");
    for (OBJECT_HANDLE h : {agentDoc, cigaretteEnd, boss, girl, man, jeep, caseAnim, caseAnim2})
        setVisible(h, false);
    for (OBJECT_HANDLE h : {hero, boss, girl, man})
        CutScene::stopActor(h);
    CutScene::stopOwnAnimation(cigaretteEnd);
    if (caseInHand)
        CutScene::putAway(hero, caseAnim);
    sendNotifyByName("02_dialogs", mStopCode, 0);
}
