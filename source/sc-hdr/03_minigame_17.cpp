#include "03_minigame_17.h"

#include "MiniGame.h"
#include "Puzzle.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <cmath>

namespace
{
const char* const kGroup = "03_minigame_17.scene";
const char* const kStarPrefix = "03_05_game_star_";
const int kHint = 16035;
} // namespace

void sc_03_minigame_17::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    setVisibleByName(kGroup, false);
    setParentByName("Camera", kGroup);
    // The array in hand must be the saved one before anything saves it:
    // the panel's buttons share it.
    if (!isGameEndSet(kLocation, kNumber))
        genData();
    else
        loadGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_03_minigame_17::genData()
{
    TQ_TRACE(" genData()");
    for (int& v : saved)
        v = 0;
    won = 0;
    for (int k = 0; k < kStars; ++k)
    {
        int place;
        do
            place = ScriptObject::random(kPlaces);
        while (saved[place] != 0);
        saved[place] = 1;
    }
    save();
}

void sc_03_minigame_17::save()
{
    TQ_TRACE(" save()");
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_03_minigame_17::ON_NOTIFY(int param, OBJECT_HANDLE /*src*/)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE src)");
    switch (param)
    {
    case 1:
        show();
        break;
    case 2:
        hide();
        break;
    case 10:
        arrive();
        break;
    case MiniGame::kHint:
        sendNotifyByName("interface", kHint, getOwner());
        break;
    default:
        break;
    }
}

void sc_03_minigame_17::show()
{
    TQ_TRACE(" show()");
    setVisibleByName(kGroup, true);
    loadGameArray(kSaved, kLocation, kNumber, saved, &won);
    shownCount = 0;
    for (int i = 0; i < kPlaces; ++i)
    {
        Puzzle::repair(kLocation, kNumber, saved, i, 0, 1, 0);
        stars[i] = findObjectIndexed(kStarPrefix, i);
        setVisible(stars[i], saved[i] != 0);
        // A damaged save with more stars than the chart twinkles shows the
        // extra ones still.
        if (saved[i] != 0 && shownCount < kStars)
            shown[shownCount++] = i;
    }
    for (int k = 0; k < kStars; ++k)
    {
        phase[k] = 0.0f;
        speed[k] = static_cast<float>(k + 1);
    }
    if (timer == 0)
        timer = ScriptObject::startFrameTimer(getOwner());
    if (MiniGame::hintsInGames())
        sendNotifyByName("interface", kHint, getOwner());
}

void sc_03_minigame_17::hide()
{
    TQ_TRACE(" hide()");
    setVisibleByName(kGroup, false);
    ScriptObject::stopFrameTimer(getOwner(), timer);
}

void sc_03_minigame_17::arrive()
{
    TQ_TRACE(" arrive()");
    if (arrived != 0)
        return;
    arrived = 1;
    sendNotifyByName("journal", 2000, 0);
    sendNotifyByName("00_game_interface", 800, 0);
    save();
}

void sc_03_minigame_17::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    const float step = ScriptObject::frameSeconds();
    for (int k = 0; k < shownCount; ++k)
    {
        phase[k] += step * speed[k] * 0.3f;
        if (phase[k] > 1.0f)
            phase[k] = 0.0f;
        const float s = (1.0f - (1.0f - std::sin(3.14f * phase[k])) * 0.2f) / 2.0f;
        setScale(stars[shown[k]], vec3(s, s, s));
    }
}
