#include "06_06_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kDust = "06_04_door_dust";
} // namespace

void sc_06_06_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    bad_guy1 = gApp.findObjectHandle("16_badgui");
    bad_guy2 = gApp.findObjectHandle("16_badgui2");
}

void sc_06_06_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (code == 100)
        start1();
    else if (code == 10606)
        stop();
    else if (code == mLoaderAnswer)
        clear();
}

void sc_06_06_scene::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (id == dialog_timer)
    {
        dialog_timer = 0;
        // No sender: the dialog's end is nothing this scene waits for.
        sendNotify(dialogs, 0, 6057);
    }
    else if (id == dust_on_timer)
    {
        dust_on_timer = 0;
        start2();
    }
    else if (id == dust_off_timer)
    {
        dust_off_timer = 0;
        start3();
    }
}

void sc_06_06_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("00_movies", 6016, 0);
    for (OBJECT_HANDLE man : {bad_guy1, bad_guy2})
    {
        CutScene::showAt(man, 0.0f, 0.0f, 0.0f, 0.0f);
        CutScene::play(man, "up_and_run", 1);
    }
    sendNotifyByName("06_04_superdver_01", 100, 0);
    sendNotify(cam_move, mOwner, 10606);
    dialog_timer = ScriptObject::startTimer(mOwner, static_cast<uint32_t>(dialog_delay), 1);
    dust_on_timer = ScriptObject::startTimer(mOwner, static_cast<uint32_t>(dust_delay), 1);
    dust_off_timer = ScriptObject::startTimer(mOwner, static_cast<uint32_t>(dust_delay + 1000), 1);
}

void sc_06_06_scene::start2()
{
    TQ_TRACE(" start2()");
    particleSetEmitting(kDust, true);
}

void sc_06_06_scene::start3()
{
    TQ_TRACE(" start3()");
    particleSetEmitting(kDust, false);
}

void sc_06_06_scene::stop()
{
    TQ_TRACE(" stop()");
    CutScene::answerInterface(mOwner, 100);
}

void sc_06_06_scene::clear()
{
    TQ_TRACE(" clear()");
    setVisible(bad_guy1, false);
    setVisible(bad_guy2, false);
    setVisible(gApp.findObjectHandle(kDust), false);
    CutScene::stopActor(bad_guy1);
    CutScene::stopActor(bad_guy2);
    for (int* timer : {&dialog_timer, &dust_on_timer, &dust_off_timer})
    {
        ScriptObject::stopTimer(mOwner, *timer);
        *timer = 0;
    }
}
