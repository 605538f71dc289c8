#include "06_minigame_28.h"

#include "MiniGame.h"
#include "Puzzle.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const int kLocation = 6;
const int kNumber = 28;
const int kHint = 16028;
const float kStep = 120.0f;

const int kSndWin = 0;
const int kSndTurn = 1;
} // namespace

void sc_06_minigame_28::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "28_snd_00"});
    if (!isGameEndSet(kLocation, kNumber))
        genData();
    initGame();
    vertProcess(0.0f);
}

void sc_06_minigame_28::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_06_minigame_28::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    vertProcess(ScriptObject::frameSeconds());
}

void sc_06_minigame_28::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    (void)from;
    if (param >= 40000 && param < 50000)
        click(param - 40000);
    else if (param == MiniGame::kResultShown)
        sendNotifyByName("00_minigame_starter", MiniGame::kStart, getOwner());
    else if (param == MiniGame::kStart)
    {
        if (MiniGame::hintsInGames())
            showHint();
        started = 1;
    }
    else if (param == MiniGame::kSave)
    {
        saveGame();
        sendNotifyByName("interface", 100, 0);
    }
    else if (param == MiniGame::kHint)
        showHint();
    else if (param == 2500)
        win2();
}

void sc_06_minigame_28::genData()
{
    TQ_TRACE(" genData()");
    gameOver = 0;
    for (int& p : positions)
        p = ScriptObject::random(3);
    saveGame();
}

void sc_06_minigame_28::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kKnobs, kLocation, kNumber, positions, &gameOver);
    for (int k = 0; k < kKnobs; ++k)
    {
        Puzzle::repair(kLocation, kNumber, positions, k, 0, 2, 0);
        Knob& n = knobs[k];
        n.handle = findObjectIndexed("06_02_vertelka_", k + 1);
        n.moving = 0;
        n.start = n.target = n.current = positions[k] * kStep;
        n.progress = 0.0f;
    }
    if (!gameOver)
        timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_06_minigame_28::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kKnobs, kLocation, kNumber, positions, &gameOver);
}

void sc_06_minigame_28::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_06_minigame_28::click(int i)
{
    TQ_TRACE(" click(int i)");
    // Without the tick (the game is won) a turn would never be shown: the
    // knobs stay as they stand.
    if (i < 0 || i >= kKnobs || !timer)
        return;
    sounds.play(kSndTurn);
    Knob& n = knobs[i];
    n.start = n.current;
    ++positions[i];
    n.target = positions[i] * kStep;
    n.progress = 0.0f;
    n.moving = 1;
    // On from 240 degrees: the knob ends at 360, which is 0 again.
    if (positions[i] > 2)
    {
        positions[i] = 0;
        n.start -= 360.0f;
        n.current -= 360.0f;
        n.target -= 360.0f;
    }
    saveGame();
}

bool sc_06_minigame_28::isOk(int k, int pos)
{
    TQ_TRACE(" isOk(int k, int pos)");
    return pos == 0 || ((k == 5 || k == 6) && pos == 2);
}

void sc_06_minigame_28::vertProcess(float inc)
{
    TQ_TRACE(" vertProcess(float inc)");
    bool won = true;
    for (int k = 0; k < kKnobs; ++k)
    {
        Knob& n = knobs[k];
        if (n.moving)
        {
            n.progress += inc;
            if (n.progress >= 1.0f)
            {
                // The ease overshoots on the way; the turn ends on its angle.
                n.progress = 1.0f;
                n.moving = 0;
                n.current = n.target;
            }
            else
            {
                const float f = MiniGame::cubeFunc(n.progress);
                n.current = n.target * f + n.start * (1.0f - f);
            }
        }
        setOrientationDeg(n.handle, vec3(0.0f, 0.0f, n.current));
        // The win stops the tick: a knob still turning would stop halfway.
        if (!isOk(k, positions[k]) || n.moving)
            won = false;
    }
    if (won && started)
        win();
}

void sc_06_minigame_28::win()
{
    TQ_TRACE(" win()");
    sounds.play(kSndWin);
    ScriptObject::stopFrameTimer(getOwner(), timer);
    gameOver = 1;
    saveGame();
    MiniGame::announceWin(getOwner());
    started = 0;
}

void sc_06_minigame_28::win2()
{
    TQ_TRACE(" win2()");
    if (!timer)
        return;
    for (int k = 0; k < kKnobs; ++k)
    {
        Knob& n = knobs[k];
        positions[k] = 0;
        n.progress = 0.0f;
        n.target = 0.0f;
        n.start = n.current;
        n.moving = 1;
    }
    saveGame();
}
