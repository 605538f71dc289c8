#include "05_minigame_24.h"

#include "Log.h"
#include "MiniGame.h"
#include "ScriptObject.h"
#include "SfxCore.h"
#include "Trace.h"

namespace
{
const char* const kGame = "05_minigame_24";
const char* const kZone = "05_01_az_shkaf_door08";
const char* const kWheel = "05_01_game_number_";
const int kLocation = 5;
const int kNumber = 24;
const int kCount = 6;
const int kHint = 16024;
const int kCode[3] = {1, 2, 8};
} // namespace

void sc_05_minigame_24::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sound = CSfxCore::loadSound("24_snd_00", 1);
    if (!isGameEndSet(kLocation, kNumber))
        genData();
    setVisibleByName(MiniGame::sceneGroup(kGame), false);
    setParentByName("Camera", MiniGame::sceneGroup(kGame));
}

void sc_05_minigame_24::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    CSfxCore::freeSound(sound);
    sound = -1;
}

void sc_05_minigame_24::ON_NOTIFY(int param, OBJECT_HANDLE src)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE src)");
    (void)src;
    if (param == 1)
        show();
    else if (param == 2)
        hide();
    else if (param == MiniGame::kHint)
        showHint();
    else if (param >= 30000 && param < 40000)
        click(param - 30000);
}

void sc_05_minigame_24::genData()
{
    TQ_TRACE(" genData()");
    for (int i = 0; i < 3; ++i)
    {
        state[i] = kCode[i];
        state[3 + i] = 0;
    }
    solved = 0;
    saveGame();
}

void sc_05_minigame_24::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kCount, kLocation, kNumber, state, &solved);
}

void sc_05_minigame_24::show()
{
    TQ_TRACE(" show()");
    init();
    if (timer == 0)
        timer = ScriptObject::startFrameTimer(getOwner());
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_05_minigame_24::init()
{
    TQ_TRACE(" init()");
    setVisibleByName(MiniGame::sceneGroup(kGame), true);
    loadGameArray(kCount, kLocation, kNumber, state, &solved);
    // A digit outside the wheel would never come round to the code: such a
    // save gets a new lock.
    for (int value : state)
    {
        if (value < 0 || value > 9)
        {
            Log::print("\nWARNING: %s: damaged saved state, the lock starts anew", kGame);
            genData();
            break;
        }
    }
    for (int i = 0; i < 3; ++i)
    {
        Wheel& w = wheels[i];
        w.object = findObjectIndexed(kWheel, i);
        w.material = ScriptObject::indexedKey(kWheel, i);
        if (w.object)
            setMaterial(w.object, 0, w.material);
        w.digit = state[3 + i];
        w.moving = 0;
        w.progress = 0.0f;
        w.start = w.target = w.current = getNumber(w.digit);
    }
}

void sc_05_minigame_24::click(int i)
{
    TQ_TRACE(" click(int i)");
    if (i < 0 || i > 2)
        return;
    CSfxCore::playSound(sound, 1, 0, 0);
    Wheel& w = wheels[i];
    w.start = w.current;
    w.moving = 1;
    w.progress = 0.0f;
    w.digit += 1;
    if (w.digit >= 10)
    {
        // Past 9 the wheel goes on the same way over the texture's seam.
        w.digit = 0;
        w.start += 1.0f;
    }
    w.target = getNumber(w.digit);
    state[3 + i] = w.digit;
    saveGame();
}

void sc_05_minigame_24::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    inc = ScriptObject::frameSeconds();
    buttonProcess();
}

void sc_05_minigame_24::buttonProcess()
{
    TQ_TRACE(" buttonProcess()");
    bool done = true;
    for (int i = 0; i < 3; ++i)
    {
        Wheel& w = wheels[i];
        if (w.moving || state[3 + i] != state[i])
            done = false;
        if (w.moving)
        {
            w.progress += inc;
            if (w.progress > 1.0f)
            {
                w.progress = 0.0f;
                w.moving = 0;
                w.start = w.current;
            }
            w.current = interp(w.start, w.target, cubeFun(w.progress));
        }
        materialSetTextureScroll(w.material, 0.0f, w.current);
    }
    if (done)
    {
        solved = 1;
        saveGame();
        sendNotifyByName(kZone, 555, getOwner());
        // The report goes once per opening: no tick, no second report.
        killMyTimer();
    }
}

void sc_05_minigame_24::hide()
{
    TQ_TRACE(" hide()");
    setVisibleByName(MiniGame::sceneGroup(kGame), false);
    killMyTimer();
}

void sc_05_minigame_24::killMyTimer()
{
    TQ_TRACE(" killMyTimer()");
    ScriptObject::stopFrameTimer(getOwner(), timer);
}

void sc_05_minigame_24::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

float sc_05_minigame_24::getNumber(int d)
{
    TQ_TRACE(" getNumber(int d)");
    return static_cast<float>(d) * -0.1f;
}

float sc_05_minigame_24::cubeFun(float x)
{
    TQ_TRACE(" cubeFun(float x)");
    return 2.9444f * x * x * x - 6.8167f * x * x + 4.8722f * x;
}

float sc_05_minigame_24::interp(float x1, float x2, float a)
{
    TQ_TRACE(" interp(float x1, float x2, float a)");
    return x2 * a + (1.0f - a) * x1;
}
