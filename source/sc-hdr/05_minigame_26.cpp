#include "05_minigame_26.h"

#include "Application.h"
#include "AnimatableObject.h"
#include "Log.h"
#include "Object.h"
#include "ScriptObject.h"
#include "SfxCore.h"
#include "Trace.h"

#include <cmath>

namespace
{
const char* const kScreen = "orig_05_foto_avtomat/displei";
const char* const kPicture = "05_FotoAvtomat_rtt";
const char* const kWorkerGroup = "01_hero_worker.scene";
const int kLocation = 5;
const int kNumber = 26;
const int kCount = 2;
const int kBorders = 5;
// Visibility bits: the worker only for the booth's camera while near, for
// every camera while far.
const uint32_t kBoothOnly = 0x200;
const uint32_t kEveryView = 0xff;

CAnimatableObject* animatedOf(OBJECT_HANDLE handle)
{
    return dynamic_cast<CAnimatableObject*>(gObjectCollector.get(handle));
}
} // namespace

void sc_05_minigame_26::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    loadSnd();
    worker = gApp.findObjectHandle("01_hero_worker");
    initGame();
}

void sc_05_minigame_26::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    unloadSnd();
}

void sc_05_minigame_26::loadSnd()
{
    TQ_TRACE(" loadSnd()");
    sound = CSfxCore::loadSound("26_snd_00", 1);
}

void sc_05_minigame_26::unloadSnd()
{
    TQ_TRACE(" unloadSnd()");
    CSfxCore::freeSound(sound);
    sound = -1;
}

void sc_05_minigame_26::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kCount, kLocation, kNumber, state, &game_end);
    if (state[0] < 0 || state[0] >= kBorders || state[1] < 0 || state[1] > 1)
    {
        Log::print("\nWARNING: 05_minigame_26: damaged saved state, the booth starts far with border 0");
        state[0] = 0;
        state[1] = 0;
    }
    materialSetTexturePassUnit(kScreen, 0, 0, kPicture);
    setBorder(state[0]);
    set(state[1]);
    button = gApp.findObjectHandle("05_02_FotoAvtomat_knopka");
    if (button)
        buttonPos = getPosition(button);
}

void sc_05_minigame_26::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kCount, kLocation, kNumber, state, &game_end);
}

void sc_05_minigame_26::ON_LBUTTONDOWN()
{
    TQ_TRACE(" ON_LBUTTONDOWN()");
    click();
}

void sc_05_minigame_26::click()
{
    TQ_TRACE(" click()");
    // One push and return per click: clicks during the bounce are lost.
    if (timer != 0)
        return;
    CSfxCore::playSound(sound, 1, 0, 0);
    state[0] = (state[0] + 1) % kBorders;
    setBorder(state[0]);
    saveGame();
    t = 0.0f;
    timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_05_minigame_26::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    (void)id;
    t += ScriptObject::frameSeconds() * 3.0f;
    const float c = std::cos(2.0f * t * 3.1415925f);
    const float d = (1.0f - c) * 0.1f;
    if (button)
        setPosition(button, buttonPos + vec3(d, -d, 0.0f));
    if (t > 1.0f)
        ScriptObject::stopFrameTimer(getOwner(), timer);
}

void sc_05_minigame_26::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    (void)from;
    if (code == 100)
        _near();
    else if (code == 200)
        _far();
}

void sc_05_minigame_26::_near()
{
    TQ_TRACE(" _near()");
    state[1] = 1;
    saveGame();
    set2();
    setVisibleFlagsByName(kWorkerGroup, 1, kBoothOnly);
}

void sc_05_minigame_26::_far()
{
    TQ_TRACE(" _far()");
    state[1] = 0;
    saveGame();
    set(0);
}

void sc_05_minigame_26::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    ScriptObject::hotSpotHovered(getOwner(), 0);
}

void sc_05_minigame_26::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    ScriptObject::hotSpotLeft(getOwner(), 0);
}

void sc_05_minigame_26::setBorder(int i)
{
    TQ_TRACE(" setBorder(int i)");
    materialSetTexturePassUnit(kScreen, 1, 0, ScriptObject::indexedKey("05_02_foto_border_", i, ".tga"));
}

void sc_05_minigame_26::set(int i)
{
    TQ_TRACE(" set(int i)");
    if (i == 1)
        set2();
    setVisible(worker, i == 1);
    rttSetAutoUpdated(kPicture, i == 1);
    if (i == 1)
    {
        setBorder(state[0]);
        setVisibleFlagsByName(kWorkerGroup, 1, kBoothOnly);
    }
    else
    {
        materialSetTexturePassUnit(kScreen, 1, 0, "05_02_foto_border_off.tga");
        setVisibleFlagsByName(kWorkerGroup, 1, kEveryView);
    }
}

void sc_05_minigame_26::set2()
{
    TQ_TRACE(" set2()");
    setPosition(worker, vec3(4439.0f, -1087.0f, 0.0f));
    setOrientationDeg(worker, vec3(0.0f, 0.0f, -45.0f));
    if (CAnimatableObject* person = animatedOf(worker))
    {
        person->stop();
        animAddPoint(worker, "static_01", 0, 0);
        person->start();
    }
    setVisible(worker, true);
    rttSetAutoUpdated(kPicture, true);
}
