#include "04_minigame_19.h"

#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>

void sc_04_minigame_19::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"19_snd_00"});
    if (!isGameEndSet(4, 19))
        genData();
    init();
}

void sc_04_minigame_19::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_04_minigame_19::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (code == 100)
    {
        requester = from;
        // Solved before the request came (a saved game, or drums turned
        // before the task asked): the task still waits for its answer.
        if (gameEnd != 0)
        {
            sendNotify(requester, getOwner(), 100);
            return;
        }
        // A repeated request keeps the one tick that runs.
        if (timer == 0)
            timer = ScriptObject::startFrameTimer(getOwner());
    }
    else if (code >= 30000 && code < 40000)
        click(code - 30000);
}

void sc_04_minigame_19::save()
{
    saveGameArray(kSaved, 4, 19, data, &gameEnd);
}

void sc_04_minigame_19::genData()
{
    TQ_TRACE(" genData()");
    std::fill(std::begin(data), std::end(data), 0);
    gameEnd = 0;
    // Targets 1..5 on drums that start at 0: every drum must turn.
    for (int r = 0; r < kDrums; ++r)
        target(r) = ScriptObject::random(5) + 1;
    save();
}

void sc_04_minigame_19::init()
{
    TQ_TRACE(" init()");
    loadGameArray(kSaved, 4, 19, data, &gameEnd);
    for (int r = 0; r < kDrums; ++r)
    {
        Puzzle::repair(4, 19, data, r, 0, kPositions - 1, 1);
        Puzzle::repair(4, 19, data, kDrums + r, 0, kPositions - 1, 0);
    }
    for (int r = 0; r < kDrums; ++r)
    {
        Drum& d = drums[r];
        const int nn = r + 1;
        d.pillar = findObjectIndexed("04_02_stolb_", nn);
        d.plate = findObjectIndexed("04_02_nomer_", nn);
        d.sign = findObjectIndexed("04_02_znaki_", nn);
        d.signMaterial = ScriptObject::indexedKey("04_02_stolb_01/04_02_stolb_znak_", nn);
        d.plateMaterial = ScriptObject::indexedKey("04_02_stolb_01/04_02_nomer_", nn);
        d.drumMaterial = ScriptObject::indexedKey("04_02_stolb_01/04_02_nomer2_", nn);
        setMaterial(d.sign, 0, d.signMaterial);
        setMaterial(d.pillar, 1, d.signMaterial);
        setMaterial(d.pillar, 2, d.drumMaterial);
        setMaterial(d.plate, 1, d.plateMaterial);
        // Each pillar shows its own sign and its drum's number on the plate.
        materialSetTextureScroll(d.signMaterial, static_cast<float>(r) * kStep, 0.0f);
        materialSetTextureScroll(d.plateMaterial, static_cast<float>(target(r)) * kStep, 0.0f);
        d.start = d.end = d.current = static_cast<float>(position(r)) * kStep;
        materialSetTextureScroll(d.drumMaterial, d.current, 0.0f);
        d.t = 0.0f;
        d.turning = 0;
    }
}

void sc_04_minigame_19::click(int p)
{
    TQ_TRACE(" click(int p)");
    if (p < 0 || p >= kDrums)
        return;
    Drum& d = drums[p];
    sounds.play(0);
    position(p) += 1;
    d.start = d.current;
    d.t = 0.0f;
    d.turning = 1;
    d.end = static_cast<float>(position(p)) * kStep;
    if (position(p) == kPositions)
    {
        // Past the last position the drum goes on forward into the first.
        position(p) = 0;
        d.start -= 1.0f;
        d.end -= 1.0f;
    }
    save();
}

void sc_04_minigame_19::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    dt = ScriptObject::frameSeconds();
    barabanProcess();
}

void sc_04_minigame_19::barabanProcess()
{
    bool solved = true;
    for (int r = 0; r < kDrums; ++r)
        if (drums[r].turning || position(r) != target(r))
            solved = false;

    for (Drum& d : drums)
    {
        if (d.turning)
        {
            d.t += dt;
            if (d.t > 1.0f)
            {
                d.t = 0.0f;
                d.turning = 0;
                d.start = d.end;
            }
            d.current = Puzzle::interp(d.start, d.end, Puzzle::easeCubic(d.t));
        }
        materialSetTextureScroll(d.drumMaterial, d.current, 0.0f);
    }

    if (solved && gameEnd == 0)
    {
        gameEnd = 1;
        save();
        sendNotify(requester, getOwner(), 100);
        ScriptObject::stopFrameTimer(getOwner(), timer);
    }
}
