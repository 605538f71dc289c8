#include "05_07_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kRoomGroup = "05_05_room.scene";
const uint32_t kRideBits = 2;
} // namespace

void sc_05_07_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = gApp.findObjectHandle("01_cam_move");
}

void sc_05_07_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (code == 100)
        start1();
    else if (code == 10507)
        stop();
    else if (code == mLoaderAnswer)
        clear();
}

void sc_05_07_scene::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (id == lamp_timer)
    {
        lamp_timer = 0;
        lightLamp();
    }
    else if (id == ride_timer)
    {
        ride_timer = 0;
        sendNotifyByName("05_07_scene_msz", 100, 0);
    }
}

void sc_05_07_scene::start1()
{
    TQ_TRACE(" start1()");
    setVisibleFlagsByName(kRoomGroup, 0, kRideBits);
    sendNotify(cam_move, 0, 5201);
    sendNotify(cam_move, mOwner, 10507);
    // A ride asked again starts its timeline again; the earlier timers
    // would light and open at the old times and escape a later clear.
    killTimers();
    ride_timer = ScriptObject::startTimer(mOwner, static_cast<uint32_t>(ride_length), 1);
    lamp_timer = ScriptObject::startTimer(mOwner, static_cast<uint32_t>(ride_length - lamp_lead), 1);
}

void sc_05_07_scene::stop()
{
    TQ_TRACE(" stop()");
    CutScene::answerInterface(mOwner, 101);
}

void sc_05_07_scene::clear()
{
    TQ_TRACE(" clear()");
    setVisibleFlagsByName(kRoomGroup, 2, kRideBits);
    sendNotifyByName("05_07_scene_msz", 105, 0);
    lightLamp();
    killTimers();
}

void sc_05_07_scene::lightLamp()
{
    TQ_TRACE(" lightLamp()");
    setMaterial(gApp.findObjectHandle("05_02_Ljuk_Door"), 6, "05_02_Luk/05_02_Luk3_lamp2");
}

void sc_05_07_scene::killTimers()
{
    TQ_TRACE(" killTimers()");
    ScriptObject::stopTimer(mOwner, ride_timer);
    ScriptObject::stopTimer(mOwner, lamp_timer);
    ride_timer = 0;
    lamp_timer = 0;
}
