#include "03_05_scene.h"

#include "Application.h"
#include "SceneActor.h"
#include "Trace.h"

namespace
{
const int kCamFlight = 10304;
} // namespace

void sc_03_05_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    butler = gApp.findObjectHandle("10_butler");
    camMove = gApp.findObjectHandle("01_cam_move");
}

void sc_03_05_scene::ON_TIME(int /*param*/)
{
    TQ_TRACE(" ON_TIME(int param)");
}

void sc_03_05_scene::ON_NOTIFY(int param, OBJECT_HANDLE /*sndr*/)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    if (param == 100)
        init();
    else if (param == 101)
        start();
    else if (param == kCamFlight)
        stop();
    if (param == mLoaderAnswer)
        clear();
}

void sc_03_05_scene::init()
{
    TQ_TRACE(" init()");
    setVarI("10_butler@state", 3);
    sendNotifyByName("03_04_scene", 101, getOwner());
}

void sc_03_05_scene::start()
{
    TQ_TRACE(" start()");
    SceneActor::stop(butler);
    SceneActor::queue(butler, "lie_03", -1);
    SceneActor::start(butler);
    sendNotify(camMove, getOwner(), kCamFlight);
}

void sc_03_05_scene::stop()
{
    TQ_TRACE(" stop()");
    sendNotifyByName("00_game_interface", 200, getOwner());
}

void sc_03_05_scene::clear()
{
    TQ_TRACE(" clear()");
    SceneActor::stop(butler);
    SceneActor::queue(butler, "lie_02", -1);
    SceneActor::start(butler);
    sendNotify(camMove, 0, 5402);
}
