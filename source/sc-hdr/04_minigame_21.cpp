#include "04_minigame_21.h"

#include "Application.h"
#include "Puzzle.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <climits>

void sc_04_minigame_21::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    if (!isGameEndSet(4, 21))
        genData();
    init();
}

void sc_04_minigame_21::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (code == 1)
        requester = from;
    else if (code == 2)
        setVisibleByName("04_minigame_20.scene", false);
    else if (code == 100)
        check();
    else if (code == 200)
        showAz();
    else if (code >= 30000 && code < 40000)
        click(code - 30000);
}

void sc_04_minigame_21::save()
{
    saveGameArray(kSaved, 4, 21, data, &gameEnd);
}

void sc_04_minigame_21::genData()
{
    TQ_TRACE(" genData()");
    std::fill(std::begin(data), std::end(data), 0);
    gameEnd = 0;
    const int s = ScriptObject::random(kColours);
    data[kStart] = s;
    // Switch 2 carries the colour before the start colour: the last one to
    // pull.
    code(2) = (s + 4) % kColours;
    for (int i = 0; i < kSwitches; ++i)
    {
        if (i == 2)
            continue;
        bool taken = true;
        while (taken)
        {
            code(i) = ScriptObject::random(kSwitches);
            taken = code(i) == code(2);
            for (int j = 0; j < i && !taken; ++j)
                taken = code(i) == code(j);
        }
    }
    save();
}

void sc_04_minigame_21::set_color(int i, int c)
{
    // One row of the lamp texture per colour; the last row is the dark lamp.
    materialSetTextureScroll(switches[i].lamp, 0.0f, c < kColours ? static_cast<float>(c) * 0.125f : 0.875f);
}

void sc_04_minigame_21::plazmaSetAlpha(float a)
{
    materialSetColour("04_04_plazma", 1.0f - a, 1.0f - a, 1.0f - a, 1);
}

void sc_04_minigame_21::init()
{
    TQ_TRACE(" init()");
    loadGameArray(kSaved, 4, 21, data, &gameEnd);
    for (int i = 0; i < kSwitches; ++i)
    {
        Puzzle::repair(4, 21, data, i, 0, kSwitches - 1, i);
        Puzzle::repair(4, 21, data, kPulled + i, 0, 1, 0);
    }
    Puzzle::repair(4, 21, data, kStart, 0, kColours - 1, 0);
    Puzzle::repair(4, 21, data, kCount, 0, INT_MAX, 0);

    for (int i = 0; i < kSwitches; ++i)
    {
        Switch& s = switches[i];
        s.lever = findObjectIndexed("04_rubilnik_", i + 1);
        s.hotSpot = findObjectIndexed("04_04_az_rubilnik_", i + 1);
        s.zone = gApp.findObjectHandle(ScriptObject::indexedKey("04_04_az_rubilnik_", i + 1, "_msz"));
        s.lamp = ScriptObject::indexedKey("04_rubilnik/04_rubilnik_lampa_", i + 1);
        setMaterial(s.lever, 1, s.lamp);
        set_color(i, pulled(i) ? kPulledColour : code(i));
        if (code(i) >= kColours)
            sendNotify(s.zone, getOwner(), 105);
        else if (i != 0 && i != 3)
            setVisible(s.hotSpot, true); // switches 0 and 3 wait for the room
    }
    materialSetTextureScroll("04_04_LazPushka_ekran", static_cast<float>(data[kStart]) * 0.2f, 0.0f);
    plazmaSetAlpha(gameEnd ? 1.0f : 0.0f);
}

void sc_04_minigame_21::showAz()
{
    TQ_TRACE(" showAz()");
    for (int i = 0; i < kSwitches; ++i)
        if (code(i) < kColours)
            setVisible(switches[i].hotSpot, true);
}

void sc_04_minigame_21::click(int p)
{
    TQ_TRACE(" click(int p)");
    if (!clean || p < 0 || p >= kSwitches)
        return;
    Switch& s = switches[p];
    sendNotify(s.zone, getOwner(), 100);
    setVisible(s.hotSpot, false);
    pulled(p) = 1;
    set_color(p, kPulledColour);
    Color(p);
    data[kCount] += 1;
}

void sc_04_minigame_21::Color(int p)
{
    const int expected = (data[kStart] + data[kCount]) % kColours;
    if (code(p) != expected)
        clean = 0;
}

void sc_04_minigame_21::check()
{
    TQ_TRACE(" check()");
    if (!clean)
    {
        // The coloured switches go back up; a pulled decoy stays down.
        for (int i = 0; i < kSwitches; ++i)
            if (pulled(i) && code(i) < kColours)
            {
                sendNotify(switches[i].zone, getOwner(), 200);
                pulled(i) = 0;
                set_color(i, code(i));
            }
        data[kCount] = 0;
        clean = 1;
    }
    if (data[kCount] == kColours)
        end();
    save();
}

void sc_04_minigame_21::end()
{
    TQ_TRACE(" end()");
    gameEnd = 1;
    sendNotify(requester, getOwner(), 1);
    // A check after the solution fades the plasma anew with one tick.
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
    plasma = 0.0f;
}

void sc_04_minigame_21::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (id != timer || timer == 0)
        return;
    plasma += 0.6f * ScriptObject::frameSeconds();
    plazmaSetAlpha(plasma);
    if (plasma > 1.0f)
    {
        ScriptObject::stopFrameTimer(getOwner(), timer);
        setVisible(gApp.findObjectHandle("04_04_plazma"), false);
    }
}
