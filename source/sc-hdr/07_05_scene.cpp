#include "07_05_scene.h"

#include "Loc7Scene.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <OgreVector.h>

#include <initializer_list>

namespace
{
const char* const kLinseOverlay = "LinseOverlay";
const char* const kLinse[4] = {"LinseContainer", "LinseContainer2", "LinseContainer3", "LinseContainer4"};
const char* const kSunMaterials[3] = {"00_solnce_01", "00_solnce_02", "00_solnce_03"};
} // namespace

void sc_07_05_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = Loc7Scene::find("01_cam_move");
    dialogs = Loc7Scene::find("02_dialogs");
    hero = Loc7Scene::find("01_hero_worker");
    boss = Loc7Scene::find("05_agent_boss");
    girl = Loc7Scene::find("11_agent_girl");
    professor = Loc7Scene::find("03_professor");
    sun = Loc7Scene::find("00_solnce_01");
    // The professor stands in the room as its file puts him.
    for (OBJECT_HANDLE obj : {sun, hero, boss, girl})
        setVisible(obj, false);
}

void sc_07_05_scene::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    // The one-shot ids are cleared as they fire: a later timer that reuses
    // the slot must not show the caption or start the dialog again.
    if (captionTimer && id == captionTimer)
    {
        captionTimer = 0;
        start5();
    }
    if (dialogTimer && id == dialogTimer)
    {
        dialogTimer = 0;
        start2();
    }
    if (id == flareTimer)
        flareFrame();
}

void sc_07_05_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    switch (code)
    {
    case 100:
        start1();
        break;
    case 6061:
        start3();
        break;
    case 666:
        start4();
        break;
    case 10705:
        stop();
        break;
    default:
        break;
    }
}

void sc_07_05_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotify(Loc7Scene::find("00_sfx_env"), 0, 5008);
    setConfigI("game_state", 0);
    sendNotify(cam_move, getOwner(), 5831);

    struct Pose
    {
        OBJECT_HANDLE who;
        Loc7Scene::Placement where;
    };
    const Pose poses[] = {
        {hero, {119.0f, -23.0f, 4445.0f, 7.0f}},
        {boss, {233.0f, -5.0f, 4445.0f, -171.0f}},
        {girl, {263.0f, 63.0f, 4445.0f, -150.0f}},
        {professor, {44.0f, 34.0f, 4445.0f, -13.0f}},
    };
    for (const Pose& pose : poses)
    {
        Loc7Scene::place(pose.who, pose.where);
        setVisible(pose.who, true);
        Loc7Scene::giveAnimation(pose.who, "static_01");
    }
    dialogTimer = ScriptObject::startTimer(getOwner(), 1000, 1);
}

void sc_07_05_scene::start2()
{
    TQ_TRACE(" start2()");
    sendNotify(dialogs, getOwner(), 6061);
}

void sc_07_05_scene::start3()
{
    TQ_TRACE(" start3()");
    sendNotifyByName("00_loader", 666, getOwner());
}

void sc_07_05_scene::start4()
{
    TQ_TRACE(" start4()");
    Loc7Scene::giveAnimation(hero, "worry_static_01");
    setAlpha(0.0f);
    sendNotify(cam_move, getOwner(), 10705);
    for (int i = 0; i < 4; ++i)
        overlayGetSize(kLinseOverlay, kLinse[i], linseSize[i][0], linseSize[i][1]);
    flareTimer = ScriptObject::startFrameTimer(getOwner());
    captionTimer = ScriptObject::startTimer(getOwner(), 15000, 1);
    setVisible(sun, true);
    // The save that follows must already hold the reset location.
    setVarI("cur_loc", 0);
    sendNotify(Loc7Scene::find("interface"), 0, 100);
}

void sc_07_05_scene::start5()
{
    TQ_TRACE(" start5()");
    sendNotify(Loc7Scene::find("01_01_scene_ds"), 0, 10149);
}

void sc_07_05_scene::stop()
{
    TQ_TRACE(" stop()");
    sendNotifyByName("00_game_interface", 100, getOwner());
}

void sc_07_05_scene::setAlpha(float a)
{
    TQ_TRACE(" setAlpha(float a)");
    for (const char* material : kSunMaterials)
        materialSetColour(material, a, a, a, 1);
}

void sc_07_05_scene::flareFrame()
{
    TQ_TRACE(" flareFrame()");
    Ogre::Vector2 s;
    // Without the sun there is nothing on the screen to follow.
    if (!worldToScreen(sun, s))
        return;
    if (s.x > 0.0f && s.x < 1.0f)
        overlaySetVisible(kLinseOverlay, nullptr, nullptr, true);
    const float a = (1.0f - s.x) * 40.0f;
    if (a > 0.0f && a < 1.0f)
        setAlpha(a);
    const Ogre::Vector2 centres[4] = {
        s,
        Ogre::Vector2(((s.x - 0.5f) + 1.0f) * 0.5f, ((s.y - 0.5f) + 1.0f) * 0.5f),
        Ogre::Vector2(0.5f - (s.x - 0.5f), 0.5f - (s.y - 0.5f)),
        s,
    };
    for (int i = 0; i < 4; ++i)
        overlaySetPosition(kLinseOverlay, kLinse[i], nullptr, centres[i].x - linseSize[i][0] * 0.5f,
                           centres[i].y - linseSize[i][1] * 0.5f);
}
