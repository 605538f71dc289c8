#include "03_minigame_17_pult.h"

#include "03_minigame_17.h"
#include "Application.h"
#include "Log.h"
#include "BoardGame.h"
#include "Puzzle.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
const char* const kGroup = "03_minigame_17_pult.scene";
const char* const kButtonPrefix = "03_05_game_button_";
const char* const kDisplay = "03_05_game_display";
const int kLocation = sc_03_minigame_17::kLocation;
const int kNumber = sc_03_minigame_17::kNumber;
const int kButtonsAt = sc_03_minigame_17::kButtonsAt;
const int kHint = 16036;
} // namespace

void sc_03_minigame_17_pult::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"17_snd_00"});
    fader = gApp.findObjectHandle("00_fader");
    setVisibleByName(kGroup, false);
    setParentByName("Camera", kGroup);
}

void sc_03_minigame_17_pult::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_03_minigame_17_pult::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    setCursorMode(3);
}

void sc_03_minigame_17_pult::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    setCursorMode(1);
}

void sc_03_minigame_17_pult::ON_LBUTTONDOWN()
{
    TQ_TRACE(" ON_LBUTTONDOWN()");
}

void sc_03_minigame_17_pult::ON_LBUTTONUP()
{
    TQ_TRACE(" ON_LBUTTONUP()");
    // A click that drops an inventory item on the door is the interface's.
    if (getConfigI("drag_item") != 0)
        return;
    setVisible(getOwner(), false);
    sendNotify(fader, getOwner(), 5511);
}

void sc_03_minigame_17_pult::ON_NOTIFY(int param, OBJECT_HANDLE /*src*/)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE src)");
    if (param >= 30000 && param < 40000)
    {
        const int i = param - 30000;
        if (i < kButtons)
            press(i);
    }
    else if (param == 1)
        show();
    else if (param == 2)
        hide();
    else if (param == MiniGame::kHint)
        MiniGame::sendHint(kHint);
}

void sc_03_minigame_17_pult::load()
{
    TQ_TRACE(" load()");
    loadGameArray(kSaved, kLocation, kNumber, saved, &opened);
    for (int i = 0; i < kSaved; ++i)
        Puzzle::repair(kLocation, kNumber, saved, i, 0, 1, 0);
    for (int i = 0; i < kButtons; ++i)
    {
        buttons[i].state = saved[kButtonsAt + i];
        buttons[i].glow = static_cast<float>(buttons[i].state);
    }
    loaded = 1;
}

void sc_03_minigame_17_pult::save()
{
    TQ_TRACE(" save()");
    saveGameArray(kSaved, kLocation, kNumber, saved, &opened);
}

void sc_03_minigame_17_pult::show()
{
    TQ_TRACE(" show()");
    setVisibleByName(kGroup, true);
    load();
    for (int i = 0; i < kButtons; ++i)
    {
        _BUTTON& b = buttons[i];
        b.obj = findObjectIndexed(kButtonPrefix, i);
        b.material = kButtonPrefix;
        strAddInt(i, b.material, 2);
        setMaterial(b.obj, 0, b.material);
    }
    if (timer == 0)
        timer = ScriptObject::startFrameTimer(getOwner());
    if (MiniGame::hintsInGames())
        MiniGame::sendHint(kHint);
}

void sc_03_minigame_17_pult::hide()
{
    TQ_TRACE(" hide()");
    setVisibleByName(kGroup, false);
    ScriptObject::stopFrameTimer(getOwner(), timer);
}

void sc_03_minigame_17_pult::press(int i)
{
    TQ_TRACE(" press(int i)");
    // Saving writes the star chart's entries too: they must be the saved
    // ones, even for a press before the panel was first shown.
    if (!loaded)
        load();
    sounds.play(0);
    Log::print("\nclick %d\n", i);
    _BUTTON& b = buttons[i];
    b.state = 1 - b.state;
    saved[kButtonsAt + i] = b.state;
    save();
}

void sc_03_minigame_17_pult::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    step = ScriptObject::frameSeconds();
    moveButtons();
    moveDisplay();
}

void sc_03_minigame_17_pult::moveButtons()
{
    TQ_TRACE(" moveButtons()");
    bool allRight = true;
    for (int i = 0; i < kButtons; ++i)
    {
        _BUTTON& b = buttons[i];
        if (b.state)
            b.glow = std::min(1.0f, b.glow + 3.0f * step);
        else
            b.glow = std::max(0.0f, b.glow - step);
        materialSetColour2(b.material, 1, b.glow, b.glow, b.glow, 1);
        // A glow still on its way does not count yet.
        const bool star = saved[i] != 0;
        const bool right = star ? (b.state == 1 && b.glow == 1.0f) : (b.state == 0 && b.glow == 0.0f);
        allRight = allRight && right;
    }
    if (allRight && opened == 0)
    {
        opened = 1;
        sendNotifyByName("03_05_az_Door01_npm", 555, getOwner());
        save();
        materialSetTexturePassUnit(kDisplay, 0, 0, "03_05_game_display_arrow.tga");
    }
}

void sc_03_minigame_17_pult::moveDisplay()
{
    TQ_TRACE(" moveDisplay()");
    displayPhase += 0.3f * step;
    const float v = (1.0f - std::cos(6.283f * displayPhase)) * 0.5f;
    if (displayPhase > 1.0f)
        displayPhase = 0.0f;
    materialSetColour(kDisplay, v, v, v, 1);
}
