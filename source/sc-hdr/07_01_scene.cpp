#include "07_01_scene.h"

#include "Loc7Scene.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <initializer_list>

namespace
{
const float kRiseSeconds = 9.5f;
const float kRiseDepth = 1000.0f;
const float kScrollFrom = 8.0f; ///< seconds into the green phase
const float kFlashAt = 13.0f;
} // namespace

void sc_07_01_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    priest = Loc7Scene::find("08_priest");
    hrenovina = Loc7Scene::find("07_hrenovina");
    tolvane = Loc7Scene::find("07_tolvane1_01");
    tolvane_bb = Loc7Scene::find("07_tolvane1_01_bb");
    spot = Loc7Scene::find("Spot_hrenovina");
    cam_move = Loc7Scene::find("01_cam_move");
    dialogs = Loc7Scene::find("02_dialogs");
    for (OBJECT_HANDLE obj : {hrenovina, tolvane, tolvane_bb, spot})
        setVisible(obj, false);
    spotStart = getPosition(spot);
}

void sc_07_01_scene::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (riseTimer && id == riseTimer)
        riseStep();
    else if (greenTimer && id == greenTimer)
        greenStep();
}

void sc_07_01_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (code == 100)
        start1();
    else if (code == 10702)
        sendNotifyByName("00_title", 100, getOwner());
    else if (code == 200)
        stop();
    if (code == mLoaderAnswer)
        clear();
}

void sc_07_01_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotify(Loc7Scene::find("00_movies"), 0, 1023);
    sendNotify(Loc7Scene::find("00_sfx_env"), 0, 1004);
    sendNotify(cam_move, getOwner(), 5201);
    sendNotify(cam_move, getOwner(), 10702);

    Loc7Scene::place(priest, {0.0f, 0.0f, 0.0f, 0.0f});
    Loc7Scene::giveAnimation(priest, "hrenovina");

    startLinkedAnimation(hrenovina, "07_hrenovina_rotate.skeleton", "rotate", 1, getOwner());
    setVisible(hrenovina, true);
    setVisible(tolvane, true);

    // A second 100 restarts the rise; its first timer must not go on.
    ScriptObject::stopFrameTimer(getOwner(), riseTimer);
    riseTimer = ScriptObject::startFrameTimer(getOwner());
    setVisible(spot, true);
    setPosition(tolvane_bb, vec3(584.0f, 0.0f, 4518.0f));

    sendNotify(Loc7Scene::find("07_papirus"), 0, 100);
    sendNotify(Loc7Scene::find("01_01_scene_ds"), 0, 10142);
}

void sc_07_01_scene::riseStep()
{
    TQ_TRACE(" riseStep()");
    rise += ScriptObject::frameSeconds() / kRiseSeconds;
    // A missing spot has no place to rise to; the machine still changes.
    setPosition(spot, vec3(spotStart.x, spotStart.y, spotStart.z - (1.0f - rise) * kRiseDepth));
    if (rise < 1.0f)
        return;
    attachObjToBone(hrenovina, spot, "07_hrenovina_bone_04", false);
    ScriptObject::stopFrameTimer(getOwner(), riseTimer);
    setMaterial(hrenovina, 0, "07_hrenovina/hrenovina2");
    greenTimer = ScriptObject::startFrameTimer(getOwner());
}

void sc_07_01_scene::greenStep()
{
    TQ_TRACE(" greenStep()");
    const float before = greenTime;
    greenTime += ScriptObject::frameSeconds();
    if (greenTime > kScrollFrom && greenTime < kFlashAt)
        materialSetTextureScroll("07_hrenovina/zelen", 0.0f, (greenTime - kScrollFrom) / kRiseSeconds);
    if (greenTime >= kFlashAt && before < kFlashAt)
    {
        setVisible(tolvane_bb, true);
        sendNotify(tolvane_bb, 0, 101);
    }
}

void sc_07_01_scene::stop()
{
    TQ_TRACE(" stop()");
    sendNotifyByName("00_game_interface", 100, getOwner());
}

void sc_07_01_scene::clear()
{
    TQ_TRACE(" clear()");
    sendNotify(Loc7Scene::find("07_papirus"), 0, 200);
    sendNotify(Loc7Scene::find("00_title"), 0, 200);
}
