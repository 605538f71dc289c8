#include "06_04_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>

namespace
{
const CutScene::DialogStep kSteps[] = {{50, 6055, 100}};
} // namespace

void sc_06_04_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    hero = gApp.findObjectHandle("01_hero_worker");
}

void sc_06_04_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (CutScene::playDialogStep(kSteps, code, dialogs, mOwner))
        return;
    if (code == 100)
        start1();
    else if (code == 102)
        start2();
    else if (code == 101)
        stop();
    else if (code == mLoaderAnswer)
        clear();
}

void sc_06_04_scene::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (id != fall_timer)
        return;
    sendNotify(mOwner, 0, 101);
    ScriptObject::stopTimer(mOwner, fall_timer);
    fall_timer = 0;
}

void sc_06_04_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("00_movies", 6008, 0);
    CutScene::showAt(hero, 0.0f, 0.0f, 0.0f, 0.0f);
    sendNotify(cam_move, 0, 5203);
    sendNotify(cam_move, 0, 10601);
    CutScene::stopActor(hero);
    animAddPoint(hero, "fallout", 1, mOwner, 200);
    // The hero starts on the next pass of the queue.
    sendNotify(mOwner, 0, 102);
    sendNotifyByName("06_02_kub2", 100, 0);
    // A fall shorter than the lead (or a missing animation, length 0) ends
    // the scene on the next frame rather than after a wrapped-round interval.
    const int interval = std::max(0, animGetCurrentLength(hero, "fallout") - fall_lead * 1000);
    fall_timer = ScriptObject::startTimer(mOwner, static_cast<uint32_t>(interval), 1);
}

void sc_06_04_scene::start2()
{
    TQ_TRACE(" start2()");
    CutScene::startActor(hero);
}

void sc_06_04_scene::stop()
{
    TQ_TRACE(" stop()");
    CutScene::answerInterface(mOwner, 100);
}

void sc_06_04_scene::clear()
{
    TQ_TRACE(" clear()");
    setVisible(hero, false);
    sendNotify(cam_move, 0, 5201);
    CutScene::stopActor(hero);
}
