#include "03_02_scene.h"

#include "Application.h"
#include "SceneActor.h"
#include "Trace.h"

namespace
{
const char* const kHeroState = "01_hero@state";
} // namespace

void sc_03_02_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    hero = gApp.findObjectHandle("01_hero_dress");
    camMove = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    start2();
}

void sc_03_02_scene::ON_TIME(int param)
{
    TQ_TRACE(" ON_TIME(int param)");
    if (param == answerTimer)
        sendNotify(getOwner(), 0, 200);
}

void sc_03_02_scene::ON_NOTIFY(int param, OBJECT_HANDLE /*sndr*/)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    switch (param)
    {
    case 100:
        start1();
        break;
    case 200:
        stop();
        break;
    case 300:
        start2();
        break;
    case 400:
        start3();
        break;
    case 600:
        start4();
        break;
    default:
        break;
    }
    if (param == mLoaderAnswer)
        clear();
}

void sc_03_02_scene::addStaticAnimHero()
{
    TQ_TRACE(" addStaticAnimHero()");
    setVisible(hero, true);
    setPositionRotZ(hero, 0.0f, 0.0f, 0.0f, 0.0f);
    SceneActor::queue(hero, "bordur_worry01", 1);
    SceneActor::queue(hero, "bordur_worry02", 2);
    SceneActor::setCyclic(hero, true);
}

void sc_03_02_scene::start2()
{
    TQ_TRACE(" start2()");
    if (getVarI(kHeroState) != 0)
        return;
    SceneActor::stop(hero);
    addStaticAnimHero();
    SceneActor::start(hero);
}

void sc_03_02_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("00_movies", 3024, 0);
    sendNotify(camMove, 0, 5201);
    setVisible(hero, true);
    setPositionRotZ(hero, 0.0f, 0.0f, 0.0f, 0.0f);
    SceneActor::setCyclic(hero, false);
    SceneActor::queue(hero, "board_crossing", 1);
    SceneActor::skipToLast(hero);
    // The interface hears the end a little early, so that its next task
    // follows the crossing without a pause.
    const double interval = (static_cast<double>(crossingTime) - static_cast<double>(answerLead)) * 1000.0;
    answerTimer = SceneActor::startOnce(getOwner(), static_cast<int>(interval));
}

void sc_03_02_scene::stop()
{
    TQ_TRACE(" stop()");
    sendNotifyByName("00_game_interface", 100, getOwner());
    setVarI(kHeroState, 1);
}

void sc_03_02_scene::start3()
{
    TQ_TRACE(" start3()");
    sendNotifyByName("03_bordur_damage1", 100, 0);
    sendNotifyByName("00_movies", 3023, 0);
    sendNotify(camMove, 0, 5201);
    SceneActor::setCyclic(hero, false);
    SceneActor::queue(hero, "bordur_damage", 1, getOwner(), 600);
    SceneActor::skipToLast(hero);
}

void sc_03_02_scene::start4()
{
    TQ_TRACE(" start4()");
    sendNotifyByName("00_game_interface", 100, getOwner());
    SceneActor::stop(hero);
    addStaticAnimHero();
    SceneActor::start(hero);
}

void sc_03_02_scene::clear()
{
    TQ_TRACE(" clear()");
    SceneActor::stop(hero);
    setVisible(hero, false);
}
