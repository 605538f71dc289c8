#include "04_05_scene.h"

#include "SceneActor.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kPuddle = "04_plastic_luga";
const char* const kDart = "04_05_drotik_01";
const char* const kSpread = "04_05_plastic_luga_spread";
const char* const kSmoke = "04_05_drotik_01_smoke";
} // namespace

void sc_04_05_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    doneVar = ScriptObject::varName(getOwner(), "already_done");
    done = getVarI(doneVar);
    // After the shot the puddle keeps the look its material has.
    if (done == 0)
        materialSetAlpha(kPuddle, alphaStart);
}

void sc_04_05_scene::ON_TIME(int param)
{
    TQ_TRACE(" ON_TIME(int param)");
    const float dt = ScriptObject::frameSeconds();
    if (param == fadeTimer)
    {
        fadeTime += dt;
        float alpha = (alphaEnd - alphaStart) * fadeTime / fadeDuration + alphaStart;
        if (alpha >= alphaEnd)
            alpha = alphaEnd;
        materialSetAlpha(kPuddle, alpha);
        if (fadeTime > fadeDuration)
        {
            ScriptObject::stopTimer(getOwner(), fadeTimer);
            fadeTimer = -1;
        }
    }
    if (param == dartTimer)
    {
        sendNotifyByName(kDart, 100, getOwner());
        sendNotifyByName(kSpread, 100, 0);
    }
    if (param == smokeTimer)
        sendNotifyByName(kSmoke, 100, 0);
}

void sc_04_05_scene::ON_NOTIFY(int param, OBJECT_HANDLE /*sndr*/)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE sndr)");
    if (param == 101)
        start();
    else if (param == 100)
        stop();
    if (param == mLoaderAnswer)
        clear();
}

void sc_04_05_scene::start()
{
    TQ_TRACE(" start()");
    if (done != 0)
    {
        stop();
        return;
    }
    sendNotifyByName("00_movies", 4040, 0);
    sendNotifyByName(kSmoke, 101, 0);
    const OBJECT_HANDLE own = getOwner();
    smokeTimer = SceneActor::startOnce(own, smokeDelay);
    fadeTimer = ScriptObject::startTimer(own, 10, -1);
    dartTimer = SceneActor::startOnce(own, dartDelay);
    done = 1;
    setVarI(doneVar, 1);
}

void sc_04_05_scene::stop()
{
    TQ_TRACE(" stop()");
    clear();
    sendNotifyByName("00_game_interface", 100, getOwner());
}

void sc_04_05_scene::clear()
{
    TQ_TRACE(" clear()");
    sendNotifyByName(kDart, 2, 0);
    sendNotifyByName(kSpread, 2, 0);
    materialSetAlpha(kPuddle, alphaEnd);
    sendNotifyByName(kSmoke, 100, 0);
    ScriptObject::stopTimer(getOwner(), fadeTimer);
    fadeTimer = -1;
    ScriptObject::stopTimer(getOwner(), dartTimer);
    dartTimer = -1;
}
