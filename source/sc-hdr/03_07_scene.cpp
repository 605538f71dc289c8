#include "03_07_scene.h"

#include "Application.h"
#include "SceneActor.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kHead = "10_butler_Bip01_Head";
const char* const kForearm = "10_butler_Bip01_L_Forearm";
const char* const kCalf = "10_butler_Bip01_L_Calf";
const char* const kHallDoors[2] = {"03_04_hall_shk2_door1", "03_04_hall_shk2_door2"};
} // namespace

void sc_03_07_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    hero = gApp.findObjectHandle("01_hero_dress");
    butler = gApp.findObjectHandle("10_butler");
    camMove = gApp.findObjectHandle("01_cam_move");
    rope1 = gApp.findObjectHandle("03_verevka_butler_01");
    rope2 = gApp.findObjectHandle("03_verevka_butler_02");
    flap = gApp.findObjectHandle("03_07_butler_klap");
    door1 = gApp.findObjectHandle("03_shk2_door1");
    door2 = gApp.findObjectHandle("03_shk2_door2");
    setVisible(flap, false);
}

void sc_03_07_scene::ON_TIME(int param)
{
    TQ_TRACE(" ON_TIME(int param)");
    if (param == answerTimer)
        stop();
}

void sc_03_07_scene::ON_NOTIFY(int param, OBJECT_HANDLE /*sndr*/)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    if (param == 100)
        start1();
    if (param == mLoaderAnswer)
        clear();
}

void sc_03_07_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("00_movies", 3042, 0);

    SceneActor::enter(butler, 0.0f, 0.0f, 0.0f, 0.0f);
    animAddTransitionPoint(butler, "shkaf", -1, "shkaf_rot", -1);
    SceneActor::start(butler);
    setVisible(flap, true);
    attachObjToBone(butler, flap, kHead, false);

    SceneActor::enter(hero, 0.0f, 0.0f, 0.0f, 0.0f);
    SceneActor::queue(hero, "close_shkaf", 1, getOwner(), 300);
    SceneActor::start(hero);
    answerTimer = SceneActor::startOnce(
        getOwner(), animGetCurrentLength(hero, "close_shkaf") - static_cast<int>(answerLead * 1000.0f));

    // The room's own cabinet and what stands in front of it make way for
    // the animated cabinet.
    for (const char* name : {"03_korob3_03", "03_korob2_05", "03_Shield_05", kHallDoors[0], kHallDoors[1]})
        setVisible(gApp.findObjectHandle(name), false);

    // Nobody waits for the doors: an end notice would only be one more
    // code in this scene's queue, and could read as one of its steps.
    setVisible(door1, true);
    animPlay(door1, "close", 1, 0);
    setVisible(door2, true);
    animPlay(door2, "close", 1, 0);

    sendNotify(camMove, 0, 5438);
}

void sc_03_07_scene::stop()
{
    TQ_TRACE(" stop()");
    attachObjToBone(butler, rope1, kForearm, false);
    attachObjToBone(butler, rope2, kCalf, false);
    attachObjToBone(butler, flap, kHead, false);
    sendNotifyByName("00_game_interface", 100, getOwner());
    setVarI("10_butler@state", 4);
    sendNotifyByName("03_04_scene", 100, 0);
}

void sc_03_07_scene::clear()
{
    TQ_TRACE(" clear()");
    for (const char* name : kHallDoors)
        setVisible(gApp.findObjectHandle(name), true);
    setVisible(door1, false);
    setVisible(door2, false);
    sendNotifyByName("03_04_az_hall_shk2_msz", 202, 0);
    sendNotify(camMove, 0, 5402);
    setVisible(flap, false);
    setVisible(hero, false);
    SceneActor::stop(hero);
    SceneActor::stop(butler);
    ScriptObject::stopTimer(getOwner(), answerTimer);
    answerTimer = -1;
}
