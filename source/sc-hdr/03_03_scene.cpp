#include "03_03_scene.h"

#include "Application.h"
#include "Trace.h"

namespace
{
const int kCamFlight = 10302;
const int kDialog = 3062;
} // namespace

void sc_03_03_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    hero = gApp.findObjectHandle("01_hero_dress");
    lord = gApp.findObjectHandle("02_lord");
    villain = gApp.findObjectHandle("04_villain");
    camMove = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    setVisible(villain, false);
}

void sc_03_03_scene::ON_TIME(int /*param*/)
{
    TQ_TRACE(" ON_TIME(int param)");
}

void sc_03_03_scene::ON_NOTIFY(int param, OBJECT_HANDLE /*sndr*/)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    if (param == 100)
        start1();
    else if (param == kCamFlight)
        start2();
    else if (param == kDialog)
        stop();
    if (param == mLoaderAnswer)
        clear();
}

void sc_03_03_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("00_sfx_env", 5005, 0);
    sendNotifyByName("00_movies", 3041, 0);
    sendNotify(camMove, getOwner(), kCamFlight);
    sendNotifyByName("03_panno_drakon", 100, 0);
    sendNotifyByName("03_03_az_kartina2_msz", 100, 0);
}

void sc_03_03_scene::start2()
{
    TQ_TRACE(" start2()");
    sendNotify(camMove, 0, 5433);
    // Only put in place for the dialog; whether they show is left as it is.
    setPositionRotZ(lord, 737.676f, 880.233f, 457.196f, 130.8f);
    setPositionRotZ(villain, 667.603f, 962.732f, 457.196f, -47.5f);
    sendNotify(dialogs, getOwner(), kDialog);
}

void sc_03_03_scene::stop()
{
    TQ_TRACE(" stop()");
    sendNotifyByName("00_game_interface", 100, getOwner());
}

void sc_03_03_scene::clear()
{
    TQ_TRACE(" clear()");
    sendNotify(camMove, 0, 5302);
    setVisible(lord, false);
    setVisible(villain, false);
}
