#include "03_01_scene.h"

#include "Application.h"
#include "SceneActor.h"
#include "Trace.h"

namespace
{
const int kSkip = 6789;
// Where the hero waits through the whole scene.
const float kHeroAt[4] = {-44.0999f, -798.268f, 0.0f, 85.5f};
const float kButlerAt[3] = {-41.0714f, -693.296f, 0.0f};

void placeHero(OBJECT_HANDLE hero)
{
    CVirtualScript::setVisible(hero, true);
    CVirtualScript::setPositionRotZ(hero, kHeroAt[0], kHeroAt[1], kHeroAt[2], kHeroAt[3]);
}
} // namespace

void sc_03_01_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    hero = gApp.findObjectHandle("01_hero_dress");
    lord = gApp.findObjectHandle("02_lord");
    butler = gApp.findObjectHandle("10_butler");
    camMove = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    setVisible(hero, false);
    setVisible(lord, false);
    setVisible(butler, false);
}

void sc_03_01_scene::ON_TIME(int /*param*/)
{
    TQ_TRACE(" ON_TIME(int param)");
}

void sc_03_01_scene::ON_NOTIFY(int param, OBJECT_HANDLE sndr)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    // The loader's 101 is only the echo of the fade this scene asked for;
    // a 101 without sender is somebody else's.
    const bool stepCode =
        param == 100 || param == 3060 || param == 3061 || (param == mLoaderFade1 && sndr != 0);
    if (skipped == 0 && stepCode)
    {
        ++step;
        switch (step)
        {
        case 1:
            start1();
            break;
        case 2:
            start2();
            break;
        case 3:
            start3();
            break;
        case 4:
            start4();
            break;
        case 5:
            start5();
            break;
        case 6:
            stop();
            break;
        default:
            break;
        }
    }
    if (param == mLoaderAnswer)
        clear();
    if (param == kSkip)
        skipped = 1;
}

void sc_03_01_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotifyByName("01_01_scene_ds", 10144, 0);
    setVisible(hero, true);
    setVisible(butler, true);
    setPositionRotZ(hero, kHeroAt[0], kHeroAt[1], kHeroAt[2], kHeroAt[3]);
    setPositionRotZ(butler, kButlerAt[0], kButlerAt[1], kButlerAt[2], -92.0f);
    sendNotify(dialogs, getOwner(), 3060);
}

void sc_03_01_scene::start2()
{
    TQ_TRACE(" start2()");
    sendNotifyByName("00_movies", 3025, 0);
    SceneActor::enter(butler, kButlerAt[0], kButlerAt[1], kButlerAt[2], 87.09f);
    SceneActor::walkTo(butler, "walk", vec3(-26.431f, -405.278f, 0.0f), 87.09f, getOwner(), 100);
    SceneActor::queue(butler, "static", 1);
    SceneActor::start(butler);
    SceneActor::enter(hero, kHeroAt[0], kHeroAt[1], kHeroAt[2], kHeroAt[3]);
    SceneActor::queue(hero, "dress_worry_static_02", -1);
    SceneActor::start(hero);
    sendNotify(camMove, 0, 5421);
}

void sc_03_01_scene::start3()
{
    TQ_TRACE(" start3()");
    sendNotifyByName("00_loader", mLoaderFade1, getOwner());
}

void sc_03_01_scene::start4()
{
    TQ_TRACE(" start4()");
    // The screen is black: the butler goes and the lord comes down the
    // steps while the picture fades back.
    sendNotifyByName("00_loader", mLoaderFade2, 0);
    SceneActor::leave(butler);
    SceneActor::leave(hero);
    placeHero(hero);
    SceneActor::enter(lord, 0.009f, 112.253f, 136.36f, -90.0f);
    SceneActor::walkTo(lord, "stupenki_vniz", vec3(0.009f, -141.33f, 8.199f), -90.0f, getOwner(), 100);
    SceneActor::queue(lord, "static", 1);
    SceneActor::start(lord);
    sendNotify(camMove, 0, 5424);
}

void sc_03_01_scene::start5()
{
    TQ_TRACE(" start5()");
    placeHero(hero);
    setVisible(lord, true);
    setPositionRotZ(lord, -37.0f, -710.8f, 0.0f, -95.4f);
    sendNotify(dialogs, getOwner(), 3061);
}

void sc_03_01_scene::stop()
{
    TQ_TRACE(" stop()");
    sendNotifyByName("00_game_interface", 100, getOwner());
}

void sc_03_01_scene::clear()
{
    TQ_TRACE(" clear()");
    SceneActor::leave(hero);
    SceneActor::leave(lord);
    SceneActor::leave(butler);
    sendNotifyByName("03_04_scene", 100, 0);
}
