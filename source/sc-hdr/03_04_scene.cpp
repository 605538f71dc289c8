#include "03_04_scene.h"

#include "Application.h"
#include "SceneActor.h"
#include "Trace.h"

#include <OgreQuaternion.h>

namespace
{
const char* const kButlerState = "10_butler@state";
const char* const kHeroHand = "01_hero_Bip01_L_Hand";
const char* const kForearm = "10_butler_Bip01_L_Forearm";
const char* const kCalf = "10_butler_Bip01_L_Calf";
} // namespace

void sc_03_04_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    hero = gApp.findObjectHandle("01_hero_dress");
    gun = gApp.findObjectHandle("03_04_gun01");
    butler = gApp.findObjectHandle("10_butler");
    syringe = gApp.findObjectHandle("10_butler_shpric");
    syringe2 = gApp.findObjectHandle("10_butler_shpric2");
    rope1 = gApp.findObjectHandle("03_verevka_butler_01");
    rope2 = gApp.findObjectHandle("03_verevka_butler_02");
    camMove = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    for (OBJECT_HANDLE prop : {butler, syringe, syringe2, rope1, rope2})
        setVisible(prop, false);
    start1();
}

void sc_03_04_scene::ON_TIME(int /*param*/)
{
    TQ_TRACE(" ON_TIME(int param)");
}

void sc_03_04_scene::ON_NOTIFY(int param, OBJECT_HANDLE sndr)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    switch (param)
    {
    case 100:
        start1();
        break;
    case 101:
        // The asker waits until the butler is in place.
        start1();
        if (sndr != 0)
            sendNotify(sndr, 0, 101);
        break;
    case 200:
        start2();
        break;
    case 300:
        start3();
        break;
    case 400:
        stop();
        break;
    default:
        break;
    }
    if (param == mLoaderAnswer)
        clear();
}

void sc_03_04_scene::start1()
{
    TQ_TRACE(" start1()");
    if (getVarI(kButlerState) == 0 || getVarI(kButlerState) == 1)
    {
        setPositionRotZ(butler, 563.21f, -641.809f, -0.246942f, -68.741f);
        setVisible(butler, true);
        SceneActor::stop(butler);
        SceneActor::queue(butler, "static_01", 3);
        SceneActor::queue(butler, "worry_static_01", 1);
        SceneActor::queue(butler, "static_01", 1);
        SceneActor::queue(butler, "worry_static_02", 1);
        SceneActor::setCyclic(butler, true);
        SceneActor::start(butler);
    }
    if (getVarI(kButlerState) == 2 || getVarI(kButlerState) == 3)
    {
        const bool tied = getVarI(kButlerState) == 3;
        setPosition(butler, vec3(430.805f, -684.167f, 0.0f));
        setOrientation(butler, Ogre::Quaternion(0.544803f, 0.0f, 0.0f, 0.838564f));
        setVisible(butler, true);
        SceneActor::stop(butler);
        SceneActor::queue(butler, tied ? "lie_02" : "lie_01", -1);
        SceneActor::start(butler);
        if (tied)
        {
            setVisible(syringe2, true);
            setVisible(rope1, true);
            attachObjToBone(butler, rope1, kForearm, false);
            setVisible(rope2, true);
            attachObjToBone(butler, rope2, kCalf, false);
        }
    }
    if (getVarI(kButlerState) == 4)
    {
        for (OBJECT_HANDLE prop : {butler, rope1, rope2, syringe2})
            setVisible(prop, false);
    }
}

void sc_03_04_scene::start2()
{
    TQ_TRACE(" start2()");
    sendNotifyByName("00_sfx_env", 1008, 0);
    sendNotify(camMove, 0, 10303);
    setPositionRotZ(hero, -164.45f, -745.126f, 0.0f, -9.2f);
    setVisible(gun, true);
    attachObjToBone(hero, gun, kHeroHand, false);
    setVisible(hero, true);
    SceneActor::stop(hero);
    SceneActor::queue(hero, "gun", 1, getOwner(), 300);
    SceneActor::start(hero);
}

void sc_03_04_scene::start3()
{
    TQ_TRACE(" start3()");
    sendNotifyByName("00_movies", 3026, 0);
    sendNotify(camMove, 0, 5437);
    setPositionRotZ(syringe, 0.0f, 0.0f, 0.0f, 0.0f);
    setVisible(syringe, true);
    // Nobody waits for the flight's end: an end notice would only be one
    // more code in this scene's queue, and could read as one of its steps.
    animPlay(syringe, "flight", 1, 0);
    setPositionRotZ(butler, 0.0f, 0.0f, 0.0f, 0.0f);
    SceneActor::stop(butler);
    SceneActor::queue(butler, "fall", 1, getOwner(), 400);
    SceneActor::queue(butler, "static", -1);
    SceneActor::start(butler);
}

void sc_03_04_scene::stop()
{
    TQ_TRACE(" stop()");
    sendNotifyByName("00_game_interface", 200, getOwner());
}

void sc_03_04_scene::clear()
{
    TQ_TRACE(" clear()");
    SceneActor::stop(butler);
    attachObjToBone(hero, gun, kHeroHand, false);
    setVisible(gun, false);
    SceneActor::leave(hero);
    setVisible(syringe, false);
    setVarI(kButlerState, 2);
    start1();
}
