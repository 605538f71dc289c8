#include "06_minigame_29.h"

#include "Puzzle.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <string>

namespace
{
const int kLocation = 6;
const int kNumber = 29;
const int kCount = 8;
const float kStep = 90.0f;
const float kShortLengths[] = {0.19f, 0.26f, 0.185f, 0.71f};
const int kSndTurn = 0;
} // namespace

void sc_06_minigame_29::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"29_snd_00"});
    if (!isGameEndSet(kLocation, kNumber))
        genData();
    initGame();
}

void sc_06_minigame_29::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_06_minigame_29::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    vertProcess(ScriptObject::frameSeconds());
}

void sc_06_minigame_29::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    (void)from;
    if (param >= 40000 && param < 50000)
        click(param - 40000);
    else if (param >= 60000 && param < 70000)
        used(param - 60000);
}

void sc_06_minigame_29::genData()
{
    TQ_TRACE(" genData()");
    gameOver = 0;
    for (int k = 0; k < kPillars; ++k)
    {
        state[k] = ScriptObject::random(3) + 1;
        state[kPillars + k] = 0;
    }
    saveGame();
}

void sc_06_minigame_29::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kCount, kLocation, kNumber, state, &gameOver);
    for (int k = 0; k < kPillars; ++k)
    {
        Puzzle::repair(kLocation, kNumber, state, k, 0, 3, 0);
        Puzzle::repair(kLocation, kNumber, state, kPillars + k, 0, 1, 0);
        Stolb& s = pillars[k];
        s.pillar = findObjectIndexed("06_05_stolbik_", k + 1);
        // The last pillar's record drives the first beam.
        s.laser = findObjectIndexed("06_05_lazer_", k < 3 ? k + 2 : 1);
        s.moving = 0;
        s.lit = 0;
        s.glow = 0.0f;
        s.progress = 0.0f;
        s.start = s.target = s.current = state[k] * kStep;
        s.material = "06_lazer" + std::to_string(k + 1);
        s.length = 1.0f;
        s.shortLength = kShortLengths[k];
    }
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_06_minigame_29::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kCount, kLocation, kNumber, state, &gameOver);
}

void sc_06_minigame_29::click(int i)
{
    TQ_TRACE(" click(int i)");
    // Without the tick (the game is won) a turn would never be shown: the
    // pillars stay as they stand.
    if (i < 0 || i >= kPillars || !timer)
        return;
    sounds.play(kSndTurn);
    Stolb& s = pillars[i];
    s.start = s.current;
    ++state[i];
    s.target = state[i] * kStep;
    s.progress = 0.0f;
    s.moving = 1;
    // On from the last quarter: the pillar ends at 360, which is 0 again.
    if (state[i] > 3)
    {
        state[i] = 0;
        s.start -= 360.0f;
        s.current -= 360.0f;
        s.target -= 360.0f;
    }
    saveGame();
}

void sc_06_minigame_29::used(int i)
{
    TQ_TRACE(" used(int i)");
    if (i < 0 || i >= kPillars)
        return;
    state[kPillars + i] = 1;
    saveGame();
}

void sc_06_minigame_29::vertProcess(float inc)
{
    TQ_TRACE(" vertProcess(float inc)");
    const float d = 3.0f * inc;
    bool won = true;
    for (int k = 0; k < kPillars; ++k)
    {
        Stolb& s = pillars[k];
        if (s.moving)
        {
            s.progress += inc;
            if (s.progress >= 1.0f)
            {
                // The ease overshoots on the way; the turn ends on its angle.
                s.progress = 1.0f;
                s.moving = 0;
                s.current = s.target;
            }
            else
            {
                const float f = MiniGame::cubeFunc(s.progress);
                s.current = s.target * f + s.start * (1.0f - f);
            }
        }
        setOrientationDeg(s.pillar, vec3(0.0f, 0.0f, s.current));

        if (s.lit)
            s.glow = std::min(1.0f, s.glow + d);
        else
            s.glow = std::max(0.0f, s.glow - d);
        if (s.glow < 1.0f)
            won = false;
        materialSetColour(s.material, s.glow, s.glow, s.glow);

        bool cut;
        if (k < kPillars - 1)
            cut = state[k] == 0 && !s.moving && state[kPillars + k + 1];
        else
            cut = state[kPillars] != 0;
        if (cut)
            s.length = std::max(s.shortLength, s.length - d);
        else
            s.length = std::min(1.0f, s.length + d);
        setScale(s.laser, vec3(s.length, 1.0f, 1.0f));

        if (state[k] != 0 || s.moving)
            won = false;
    }
    if (won)
        win();

    pillars[0].lit = state[kPillars];
    for (int k = 1; k < kPillars; ++k)
        pillars[k].lit = state[kPillars + k] && pillars[k - 1].lit && state[k - 1] == 0 && !pillars[k - 1].moving;
}

void sc_06_minigame_29::win()
{
    TQ_TRACE(" win()");
    sendNotifyByName("00_game_interface", 111, getOwner());
    ScriptObject::stopFrameTimer(getOwner(), timer);
    gameOver = 1;
    saveGame();
}
