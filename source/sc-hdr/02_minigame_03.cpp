#include "02_minigame_03.h"

#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>

namespace
{
const char* const kGame = "02_minigame_03";
const char* const kTubePrefix = "02_03_game_03_tube_";
const int kLocation = 2;
const int kNumber = 3;
const int kHint = 16003;
const float kStepDeg = 30.0f;

enum Sound
{
    kWinSound,
    kTurnSound,
};
} // namespace

void sc_02_minigame_03::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    loadSnd();
    MiniGame::hideBoard(kGame);
    if (!isGameEndSet(kLocation, kNumber))
        genData();
}

void sc_02_minigame_03::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    unloadSnd();
}

void sc_02_minigame_03::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    if (param >= 10000 && param < 20000)
        focusWord(param - 10000);
    else if (param >= 20000 && param < 30000)
        unfocusWord();
}

void sc_02_minigame_03::genData()
{
    TQ_TRACE(" genData()");
    for (int& s : state)
        s = ScriptObject::random(kSteps);
    // The last tube always starts straight.
    state[kTubes - 1] = 0;
    won = 0;
    saveGameArray(kTubes, kLocation, kNumber, state, &won);
}

void sc_02_minigame_03::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kTubes, kLocation, kNumber, state, &won);
    t = 1.0f;
    for (int i = 0; i < kTubes; ++i)
    {
        // A step outside the turn would never come round to 0 again.
        if (state[i] < 0 || state[i] >= kSteps)
        {
            Log::print("\nWARNING: %s: saved step %d of tube %d is out of 0..%d", kGame, state[i], i, kSteps - 1);
            state[i] = ((state[i] % kSteps) + kSteps) % kSteps;
        }
        _TUBE& tube = tubes[i];
        tube.obj = findObjectIndexed(kTubePrefix, i);
        tube.position = getPosition(tube.obj);
        tube.from = tube.to = tube.current = state[i] * kStepDeg;
        setOrientationDeg(tube.obj, vec3(0.0f, 0.0f, tube.current));
    }
    // A second start code must not leave a second tick behind.
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_02_minigame_03::loadSnd()
{
    TQ_TRACE(" loadSnd()");
    sounds.load({"01_snd_00", "03_snd_01"});
}

void sc_02_minigame_03::unloadSnd()
{
    TQ_TRACE(" unloadSnd()");
    sounds.unload();
}

void sc_02_minigame_03::playSnd(int i)
{
    TQ_TRACE(" playSnd(int i)");
    sounds.play(i);
}

void sc_02_minigame_03::startGame(OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_02_minigame_03::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timer);
    saveGameArray(kTubes, kLocation, kNumber, state, &won);
    MiniGame::putBoardAway(kGame);
}

void sc_02_minigame_03::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kTubes, kLocation, kNumber, state, &won);
}

void sc_02_minigame_03::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_02_minigame_03::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused || won)
        return;
    mouse.read();
    if (mouse.pressed())
        click();
    moveTubes(ScriptObject::frameSeconds());
}

void sc_02_minigame_03::click()
{
    TQ_TRACE(" click()");
    if (focused == -1)
        return;
    playSnd(kTurnSound);
    // A turn still running is finished at once.
    for (int i = 0; i < kTubes; ++i)
        tubes[i].from = tubes[i].to = tubes[i].current = state[i] * kStepDeg;
    _TUBE& tube = tubes[focused];
    tube.from = tube.current;
    state[focused] += 1;
    tube.to = state[focused] * kStepDeg;
    // The turn from 330 goes on to 360 rather than back to 0.
    if (state[focused] == kSteps)
        state[focused] -= kSteps;
    t = 0.0f;
}

void sc_02_minigame_03::focusWord(int i)
{
    TQ_TRACE(" focusWord(int i)");
    if (i < 0 || i >= kTubes)
    {
        Log::print("\nWARNING: %s: focus on tube %d, which the game does not have", kGame, i);
        return;
    }
    focused = i;
}

void sc_02_minigame_03::unfocusWord()
{
    TQ_TRACE(" unfocusWord()");
    focused = -1;
}

void sc_02_minigame_03::moveTubes(float inc)
{
    TQ_TRACE(" moveTubes(float inc)");
    if (t >= 1.0f)
        return;
    // The ease only nears 1 at its end: a finished turn is set on its step.
    t = std::min(t + inc * 2.0f, 1.0f);
    const float f = t < 1.0f ? MiniGame::cubeFunc(t) : 1.0f;
    for (_TUBE& tube : tubes)
    {
        tube.current = MiniGame::interp(tube.from, tube.to, f);
        setOrientationDeg(tube.obj, vec3(0.0f, 0.0f, tube.current));
    }
    if (t >= 1.0f)
        check();
}

void sc_02_minigame_03::check()
{
    TQ_TRACE(" check()");
    const int straight = static_cast<int>(std::count(state, state + kTubes, 0));
    if (straight == kTubes)
        win();
}

void sc_02_minigame_03::win()
{
    TQ_TRACE(" win()");
    playSnd(kWinSound);
    MiniGame::announceWin(getOwner());
    won = 1;
}
