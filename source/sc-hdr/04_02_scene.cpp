#include "04_02_scene.h"

#include "Application.h"
#include "SceneActor.h"
#include "Trace.h"

namespace
{
const char* const kVideoOption = "show_girl_video";
const char* const kRtt = "girl_rtt";
const char* const kVideoMaterial = "04_VideoTel_plane_rtt";
const char* const kPlainMaterial = "04_VideoTel_plane";
} // namespace

void sc_04_02_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    screen = gApp.findObjectHandle("04_06_VideoTel_plane");
    girl = gApp.findObjectHandle("09_girl");
    camMove = gApp.findObjectHandle("01_cam_move");
    setVisible(girl, false);
    setVisible(screen, true);
}

void sc_04_02_scene::ON_TIME(int /*param*/)
{
    TQ_TRACE(" ON_TIME(int param)");
}

void sc_04_02_scene::ON_NOTIFY(int param, OBJECT_HANDLE /*sndr*/)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    if (param == 100)
        start();
    else if (param == 200)
        clear();
}

void sc_04_02_scene::start()
{
    TQ_TRACE(" start()");
    setConfigI(kVideoOption, 1);
    sendNotifyByName("00_movies", 100, 0);
    rttSetAutoUpdated(kRtt, true);
    materialSetTexturePassUnit(kVideoMaterial, 0, 0, kRtt);
    setMaterial(screen, 0, kVideoMaterial);
    // Nobody waits for the glass: an end notice would only be one more
    // code in this scene's queue, and could read as one of its steps.
    animPlay(gApp.findObjectHandle("04_Stakan_girl"), "stakan", 1, 0);
    setPositionRotZ(girl, 0.0f, 0.0f, 0.0f, 0.0f);
    setVisible(girl, true);
    SceneActor::stop(girl);
    SceneActor::queue(girl, "drags", 1, getOwner(), 200);
    SceneActor::start(girl);
}

void sc_04_02_scene::clear()
{
    TQ_TRACE(" clear()");
    setConfigI(kVideoOption, 0);
    sendNotifyByName("00_movies", 100, 0);
    setMaterial(screen, 0, kPlainMaterial);
    rttSetAutoUpdated(kRtt, false);
    SceneActor::leave(girl);
}
