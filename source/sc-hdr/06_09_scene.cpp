#include "06_09_scene.h"

#include "Loc7Scene.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kLava[2] = {"06_07_lava_particles", "06_07_lava_particles2"};

/// Whether sender is the object of that name (a missing object is no one).
bool isNamed(OBJECT_HANDLE sender, const char* name)
{
    return sender != 0 && sender == Loc7Scene::find(name);
}
} // namespace

void sc_06_09_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = Loc7Scene::find("01_cam_move");
    dialogs = Loc7Scene::find("02_dialogs");
}

void sc_06_09_scene::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    Log::print("\n 06_09_timer %d %d %d", id, swingTimer, lavaTimer);
    if (swingTimer && id == swingTimer)
    {
        swingTimer = 0;
        stop1();
    }
    if (lavaTimer && id == lavaTimer)
    {
        lavaTimer = 0;
        for (const char* lava : kLava)
            particleSetEmitting(lava, false);
    }
}

void sc_06_09_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    // The start codes count only from the game interface.
    if (code == 100 && isNamed(sender, "00_game_interface"))
        start1();
    else if (code == 100 && isNamed(sender, "06_07_Ljuk_msz"))
        stop2();
    else if (code == 200 && isNamed(sender, "00_game_interface"))
        start2();
    else if (code == 400 && isNamed(sender, "00_game_interface"))
        start3_1();
    else if (code == 10609)
        start3_2();
    else if (code == 10613)
        stop3();
    if (code == mLoaderAnswer)
        clear();
}

void sc_06_09_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotify(Loc7Scene::find("00_movies"), 0, 6020);
    stage = 1;
    sendNotify(cam_move, 0, 5730);
    sendNotifyByName("06_07_Larec_anim", 100, getOwner());
    for (const char* name : {"06_07_Larec", "06_07_Kran_kristali", "06_07_Larec_Door1", "06_07_Larec_Door2"})
        setVisible(Loc7Scene::find(name), false);
    setVisible(Loc7Scene::find("06_07_Larec_anim"), true);
    swingTimer = ScriptObject::startTimer(getOwner(), 5400, 1);
    setVarI("larec_swing", 1);
}

void sc_06_09_scene::start2()
{
    TQ_TRACE(" start2()");
    sendNotify(Loc7Scene::find("00_movies"), 0, 6021);
    stage = 2;
    sendNotify(cam_move, 0, 5731);
    sendNotifyByName("06_07_Ljuk_msz", 100, getOwner());
}

void sc_06_09_scene::start3_1()
{
    TQ_TRACE(" start3_1()");
    setVarI("larec_swing", 0);
    sendNotify(Loc7Scene::find("00_movies"), 0, 6022);
    sendNotify(Loc7Scene::find("00_sfx_env"), 0, 5004);
    stage = 3;
    sendNotify(cam_move, getOwner(), 10609);
    sendNotifyByName("06_07_Larec_anim", 300, getOwner());
    for (const char* lava : kLava)
        particleSetEmitting(lava, true);
    lavaTimer = ScriptObject::startTimer(getOwner(), 7200, 1);
}

void sc_06_09_scene::start3_2()
{
    TQ_TRACE(" start3_2()");
    sendNotify(Loc7Scene::find("00_movies"), 0, 6035);
    sendNotify(cam_move, getOwner(), 10613);
    sendNotify(Loc7Scene::find("06_07_stones"), 0, 100);
    sendNotify(Loc7Scene::find("06_07_stone_dust_p"), 0, 200);
}

void sc_06_09_scene::stop1()
{
    TQ_TRACE(" stop1()");
    sendNotifyByName("00_game_interface", 100, getOwner());
}

void sc_06_09_scene::stop2()
{
    TQ_TRACE(" stop2()");
    sendNotifyByName("00_game_interface", 100, getOwner());
}

void sc_06_09_scene::stop3()
{
    TQ_TRACE(" stop3()");
    sendNotifyByName("00_game_interface", 100, getOwner());
}

void sc_06_09_scene::clear()
{
    TQ_TRACE(" clear()");
    if (stage == 1 || stage == 2)
        sendNotify(cam_move, 0, 5701);
    if (stage == 1)
        sendNotify(Loc7Scene::find("06_07_Larec_anim"), 0, 200);
}
