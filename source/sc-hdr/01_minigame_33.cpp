#include "01_minigame_33.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
const char* const kGame = "01_minigame_33";
const int kLocation = 1;
const int kNumber = 33;
const int kHint = 16044;
const int kCaption = 6045;
const int kFullCount = 4; ///< wrong checks that fill the bar

// Sounds by index: 0 found, 1 a wrong check, 2 a switch in another slot, 3
// a refused check and the fall of every switch.
const int kSndWin = 0;
const int kSndWrong = 1;
const int kSndSlot = 2;
const int kSndRefused = 3;

// The slots run up from the bottom slot's height over kSlotSpan.
const float kSlotBottom = 5.507f;
const float kSlotSpan = 14.135f;

int clampInt(int v, int lo, int hi)
{
    return std::max(lo, std::min(v, hi));
}
} // namespace

void sc_01_minigame_33::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    initText();
    loadSnd();
    MiniGame::hideBoard(kGame);
    if (!isGameEndSet(kLocation, kNumber))
        genData();
}

void sc_01_minigame_33::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    unloadSnd();
    destroyText();
}

void sc_01_minigame_33::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, code, getOwner(), from))
        return;
    if (code >= 10000 && code < 15000)
        focusWord(code - 10000);
    else if (code >= 20000 && code < 25000)
        unfocusWord();
    else if (code == 15000)
        focusButton();
    else if (code == 25000)
        unfocusButton();
    else if (code == 45000 && !won)
        buttonPress();
}

void sc_01_minigame_33::initText()
{
    TQ_TRACE(" initText()");
    const char* o = overlayName.c_str();
    // The two texts hang in a frame over the whole screen that shows
    // nothing of its own, so that their places are screen places.
    const Ogre::Vector2 origin(0.0f, 0.0f);
    const Ogre::Vector2 screen(1.0f, 1.0f);
    overlayCreatePanel(o, o, nullptr, nullptr, &origin, &screen, 150);
    const Ogre::Vector2 size(0.1f, 0.1f);
    const Ogre::Vector2 shadowAt(0.502f, 0.606f);
    const Ogre::Vector2 frontAt(0.5f, 0.604f);
    const char* shadow = shadowElement.c_str();
    const char* front = frontElement.c_str();
    overlayCreateFromTemplate(o, "CounterComment", o, shadow, &shadowAt, &size, 150, "TextArea");
    overlayCreateFromTemplate(o, "CounterComment", o, front, &frontAt, &size, 150, "TextArea");
    for (const char* element : {shadow, front})
    {
        overlaySetCaption(o, o, element, kCaption, -1, -1, nullptr);
        overlaySetCharHeight(o, o, element, 0.04f);
    }
    overlaySetColourTop(o, o, shadow, 0.2f, 0.2f, 0.0f, 1.0f);
    overlaySetColourBottom(o, o, shadow, 0.4f, 0.4f, 0.0f, 1.0f);
    overlaySetColourTop(o, o, front, 1.0f, 1.0f, 0.8f, 1.0f);
    overlaySetColourBottom(o, o, front, 1.0f, 1.0f, 0.8f, 1.0f);
}

void sc_01_minigame_33::destroyText()
{
    TQ_TRACE(" destroyText()");
    overlayDestroy(overlayName.c_str(), overlayName.c_str(), nullptr);
}

void sc_01_minigame_33::loadSnd()
{
    TQ_TRACE(" loadSnd()");
    sounds.load({"01_snd_00", "01_snd_03", "01_snd_01", "05_snd_02"});
}

void sc_01_minigame_33::unloadSnd()
{
    TQ_TRACE(" unloadSnd()");
    sounds.free();
}

void sc_01_minigame_33::playSnd(int i) const
{
    TQ_TRACE(" playSnd(int i)");
    sounds.play(i);
}

void sc_01_minigame_33::genData()
{
    TQ_TRACE(" genData()");
    for (int& s : saved)
        s = 0;
    won = 0;
    for (int i = 0; i < kSwitches; ++i)
        saved[kTargets + i] = 1 + ScriptObject::random(4);
    saveGameArray(kStateSize, kLocation, kNumber, saved, &won);
}

void sc_01_minigame_33::startGame(OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
    overlaySetVisible(overlayName.c_str(), nullptr, nullptr, true);
}

void sc_01_minigame_33::repairState()
{
    TQ_TRACE(" repairState()");
    const int lowest[kStateSize] = {1, 1, 1, 1, 0, 0, 0, 0, 0};
    const int highest[kStateSize] = {4, 4, 4, 4, 4, 4, 4, 4, kFullCount};
    for (int i = 0; i < kStateSize; ++i)
        if (saved[i] < lowest[i] || saved[i] > highest[i])
        {
            Log::print("\nWARNING: %s: saved value %d at %d out of range", kGame, saved[i], i);
            saved[i] = clampInt(saved[i], lowest[i], highest[i]);
        }
}

void sc_01_minigame_33::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kStateSize, kLocation, kNumber, saved, &won);
    repairState();
    // A switch held when the game closed is let go.
    selected = -1;
    drag.state = PuzzleBoard::Drag::kIdle;
    for (int i = 0; i < kSwitches; ++i)
    {
        Switch& s = switches[i];
        s.object = findObjectIndexed("01_01_game_tumbler_", i);
        s.t = 1.0f;
        setPos(i, saved[kCurrent + i], s.current);
        s.from = s.to = s.current;
    }
    for (int i = 0; i < kSwitches; ++i)
    {
        Lamp& lamp = lamps[i];
        lamp.object = findObjectIndexed("01_01_game_lamp_light_", i);
        lamp.phase = 1.0f;
        lamp.material = ScriptObject::indexedKey("01_01_game_lamp_light_", i);
        setMaterial(lamp.object, 0, lamp.material);
    }
    buttonFocused = 0;
    buttonGlow = 0.0f;
    buttonMaterial = "01_01_game_button";
    barObject = gApp.findObjectHandle("01_01_game_lamp");
    barFrom = barTo = barValue = static_cast<float>(saved[kChecks]) * 0.25f;
    barT = 1.0f;
    barMaterial = "01_01_game_lamp";
    // A second start without a close in between keeps one tick.
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    timerId = ScriptObject::startFrameTimer(getOwner());
}

void sc_01_minigame_33::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    saveGameArray(kStateSize, kLocation, kNumber, saved, &won);
    MiniGame::putBoardAway(kGame);
    overlaySetVisible(overlayName.c_str(), nullptr, nullptr, false);
}

void sc_01_minigame_33::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kStateSize, kLocation, kNumber, saved, &won);
}

void sc_01_minigame_33::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_01_minigame_33::win()
{
    TQ_TRACE(" win()");
    playSnd(kSndWin);
    MiniGame::announceWin(getOwner());
    won = 1;
}

void sc_01_minigame_33::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    pointer.read();
    const float dt = ScriptObject::frameSeconds();
    if (!won)
    {
        if (drag.clickDue(pointer.mouse))
            click();
        drag.follow(pointer);
    }
    moveTumbler(dt);
    moveLamp(dt);
    moveButton(dt);
    moveLine(dt);
}

void sc_01_minigame_33::click()
{
    TQ_TRACE(" click()");
    if (drag.state == PuzzleBoard::Drag::kIdle)
        select();
    else if (drag.state == PuzzleBoard::Drag::kDragging)
        deselect();
}

void sc_01_minigame_33::select()
{
    TQ_TRACE(" select()");
    if (focused == -1)
        return;
    selected = focused;
    drag.state = PuzzleBoard::Drag::kGrabbed;
    Switch& s = switches[selected];
    grabOffsetY = s.current.y - pointer.point.y;
    s.from = s.current;
    s.t = 1.0f;
    drag.pressPoint = pointer.point;
    selectedSlot = getPos(s.current.y);
}

void sc_01_minigame_33::deselect()
{
    TQ_TRACE(" deselect()");
    drag.state = PuzzleBoard::Drag::kIdle;
    selected = -1;
}

void sc_01_minigame_33::focusWord(int i)
{
    TQ_TRACE(" focusWord(int i)");
    // Only the lock's switches have pieces.
    focused = i >= 0 && i < kSwitches ? i : -1;
}

void sc_01_minigame_33::unfocusWord()
{
    TQ_TRACE(" unfocusWord()");
    focused = -1;
}

void sc_01_minigame_33::focusButton()
{
    TQ_TRACE(" focusButton()");
    buttonFocused = 1;
}

void sc_01_minigame_33::unfocusButton()
{
    TQ_TRACE(" unfocusButton()");
    buttonFocused = 0;
}

void sc_01_minigame_33::buttonPress()
{
    TQ_TRACE(" buttonPress()");
    for (int i = 0; i < kSwitches; ++i)
        if (saved[kCurrent + i] == 0)
        {
            playSnd(kSndRefused);
            return;
        }
    // The fourth wrong check waits for the bar to fill and the reset.
    if (saved[kChecks] >= kFullCount)
        return;
    ++saved[kChecks];
    bool allRight = true;
    for (int i = 0; i < kSwitches; ++i)
    {
        const bool right = saved[kCurrent + i] == saved[kTargets + i];
        allRight = allRight && right;
        materialSetTexturePassUnit(lamps[i].material, 0, 0,
                                   right ? "03_01_game_light_green.tga" : "03_01_game_light_red.tga");
    }
    // A lamp still bright flashes again from the same brightness.
    for (Lamp& lamp : lamps)
        if (lamp.phase > 0.5f)
            lamp.phase = 1.0f - lamp.phase;
    barFrom = barValue;
    barT = 0.0f;
    barTo = static_cast<float>(saved[kChecks]) * 0.25f;
    if (allRight)
        win();
    else
        playSnd(kSndWrong);
}

void sc_01_minigame_33::moveTumbler(float inc)
{
    TQ_TRACE(" moveTumbler(float inc)");
    if (selected != -1)
    {
        // The switch jumps from slot to slot after the cursor's height.
        const int p = getPos(pointer.point.y + grabOffsetY);
        if (p != selectedSlot)
        {
            Switch& s = switches[selected];
            selectedSlot = p;
            s.from = s.current;
            setPos(selected, p, s.to);
            s.t = 0.0f;
            saved[kCurrent + selected] = p;
            playSnd(kSndSlot);
        }
    }
    for (Switch& s : switches)
    {
        if (s.t < 1.0f)
        {
            const float f = cubeFunc(s.t);
            s.current = vec3(interp(s.from.x, s.to.x, f), interp(s.from.y, s.to.y, f), interp(s.from.z, s.to.z, f));
            s.t += inc * 3.0f;
        }
        else
            s.current = s.to;
        setPosition(s.object, s.current);
    }
}

void sc_01_minigame_33::moveLamp(float inc)
{
    TQ_TRACE(" moveLamp(float inc)");
    for (Lamp& lamp : lamps)
    {
        lamp.phase = std::min(lamp.phase + inc * 0.4f, 1.0f);
        const float f = fun1(lamp.phase);
        materialBlendColour(lamp.material, 0, 0, f, f, f, 1);
    }
}

void sc_01_minigame_33::moveButton(float inc)
{
    TQ_TRACE(" moveButton(float inc)");
    if (buttonFocused)
        buttonGlow = std::min(buttonGlow + inc * 3.0f, 1.0f);
    else
        buttonGlow = std::max(buttonGlow - inc, 0.0f);
    materialSetColour(buttonMaterial, buttonGlow, buttonGlow, buttonGlow, 1);
}

void sc_01_minigame_33::moveLine(float inc)
{
    TQ_TRACE(" moveLine(float inc)");
    if (barT < 1.0f)
    {
        // Held at 1 so that the bar ends exactly where it was going.
        barT = std::min(barT + inc, 1.0f);
        barValue = interp(barFrom, barTo, fun2(barT));
    }
    const float s = (1.0f - barValue) * 0.02f + barValue * 0.98f;
    setScale(barObject, vec3(1.0f, s, 0.0f));
    // The texture keeps its size while the bar grows.
    materialSetTextureScale(barMaterial, 1.0f, 1.0f / s);
    materialSetTextureScroll(barMaterial, 0.0f, 0.5f - s * 0.5f);

    if (saved[kChecks] == kFullCount && barT >= 1.0f && !won)
    {
        // The fourth wrong check has filled the bar: every switch falls.
        playSnd(kSndRefused);
        saved[kChecks] = 0;
        for (int i = 0; i < kSwitches; ++i)
        {
            Switch& sw = switches[i];
            saved[kCurrent + i] = 0;
            setPos(i, 0, sw.to);
            sw.from = sw.current;
            sw.t = 0.0f;
        }
        barFrom = 1.0f;
        barTo = 0.0f;
        barT = 0.0f;
    }
}

void sc_01_minigame_33::setPos(int i, int p, vec3& v)
{
    TQ_TRACE(" setPos(int i, int p, vec3 &v)");
    const float a = static_cast<float>(i) / 3.0f;
    const float b = static_cast<float>(p) / 4.0f;
    v = vec3(a * 14.894f - (1.0f - a) * 16.528f, (1.0f - b) * kSlotBottom + b * 19.642f, -100.0f);
}

int sc_01_minigame_33::getPos(float v)
{
    TQ_TRACE(" getPos(float v)");
    const int p = static_cast<int>((v - kSlotBottom) / kSlotSpan * 4.0f + 0.5f);
    return clampInt(p, 0, kSlots - 1);
}

float sc_01_minigame_33::interp(float x1, float x2, float a)
{
    TQ_TRACE(" interp(float x1, float x2, float a)");
    return PuzzleBoard::interp(x1, x2, a);
}

float sc_01_minigame_33::cubeFunc(float x)
{
    TQ_TRACE(" cubeFunc(float x)");
    return PuzzleBoard::overshoot(x);
}

float sc_01_minigame_33::fun1(float x)
{
    TQ_TRACE(" fun1(float x)");
    return PuzzleBoard::flash(x);
}

float sc_01_minigame_33::fun2(float x)
{
    TQ_TRACE(" fun2(float x)");
    return PuzzleBoard::smoothStep(x);
}
