#include "02_minigame_18.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>

namespace
{
const char* const kName = "02_minigame_18";
const char* const kBoard = "02_minigame_18.scene";
const char* const kWheelPrefix = "02_03_game_number_";
const char* const kZone = "02_03_az_room_stol_diski_door_npm";
const char* const kPlate = "02_plahka_svet";
const char* const kLamp = "02_torsher";
const char* const kLampLit = "02_torsher/02_torsher_nl";
const char* const kPlateMaterial = "orig_02_plahka_svet/orig_02_plahka_svet";
const char* const kPlateDigits[] = {"orig_02_plahka_svet/02_nomer1", "orig_02_plahka_svet/02_nomer2",
                                    "orig_02_plahka_svet/02_nomer3"};
const int kLocation = 2;
const int kNumber = 18;
const int kHint = 16034;
const int kHintClosed = 26034;
const int kSolvedCode = 555;
const int kPlateLit = 6; ///< index of the plate's flag in the saved array
const int kTargetDigits = 8; ///< the plate's texture carries eight digits
const int kWheelDigits = 10;

enum Code
{
    kShow = 1,
    kHide = 2,
    kLight = 100,
};
} // namespace

void sc_02_minigame_18::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    loadSnd();
    if (!isGameEndSet(kLocation, kNumber))
        genData();
    setVisibleByName(kBoard, false);
    setParentByName("Camera", kBoard);
    loadSaved();
    if (saved[kPlateLit] == 0)
        setVisible(gApp.findObjectHandle(kPlate), false);
    else
        showPlashka();
}

void sc_02_minigame_18::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    unloadSnd();
}

void sc_02_minigame_18::ON_NOTIFY(int param, OBJECT_HANDLE src)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE src)");
    if (param == kShow)
        show();
    else if (param == kHide)
        hide();
    else if (param == kLight)
    {
        plateRequester = src;
        answerCode = kLight;
        showPlashka();
        saved[kPlateLit] = 1;
        saveGameArray(kSaved, kLocation, kNumber, saved, &solved);
    }
    else if (param == 2010)
        showHint();
    else if (param == kHintClosed)
        sendNotifyByName("00_game_interface", 3, getOwner());
    else if (param >= 30000 && param < 40000)
        click(param - 30000);
}

void sc_02_minigame_18::ON_TIME(int param)
{
    TQ_TRACE(" ON_TIME(int param)");
    dt = ScriptObject::frameSeconds();
    if (param == wheelTimer)
        buttonProcess();
    else if (param == plateTimer)
        plashkaProcess();
}

void sc_02_minigame_18::genData()
{
    TQ_TRACE(" genData()");
    std::fill(saved, saved + kSaved, 0);
    solved = 0;
    for (int i = 0; i < kWheels; ++i)
        saved[i] = ScriptObject::random(kTargetDigits);
    saveGameArray(kSaved, kLocation, kNumber, saved, &solved);
}

void sc_02_minigame_18::loadSaved()
{
    TQ_TRACE(" loadSaved()");
    loadGameArray(kSaved, kLocation, kNumber, saved, &solved);
    // A digit the textures cannot show would never come right.
    for (int i = 0; i < 2 * kWheels; ++i)
    {
        const int range = i < kWheels ? kTargetDigits : kWheelDigits;
        if (saved[i] < 0 || saved[i] >= range)
        {
            Log::print("\nWARNING: %s: saved digit %d at %d is out of 0..%d", kName, saved[i], i, range - 1);
            saved[i] = ((saved[i] % range) + range) % range;
        }
    }
}

void sc_02_minigame_18::init()
{
    TQ_TRACE(" init()");
    setVisibleByName(kBoard, true);
    loadSaved();
    for (int i = 0; i < kWheels; ++i)
    {
        _WHEEL& w = wheels[i];
        w.obj = findObjectIndexed(kWheelPrefix, i);
        w.material = ScriptObject::indexedKey(kWheelPrefix, i);
        if (w.obj)
            setMaterial(w.obj, 0, w.material);
        w.moving = 0;
        w.t = 0.0f;
        w.digit = saved[kWheels + i];
        w.from = w.to = w.current = getNumber(w.digit);
    }
}

void sc_02_minigame_18::show()
{
    TQ_TRACE(" show()");
    init();
    if (wheelTimer == 0)
        wheelTimer = ScriptObject::startTimer(getOwner(), 1, -1);
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_02_minigame_18::hide()
{
    TQ_TRACE(" hide()");
    setVisibleByName(kBoard, false);
    killMyTimer();
}

void sc_02_minigame_18::click(int i)
{
    TQ_TRACE(" click(int i)");
    if (i < 0 || i >= kWheels)
    {
        Log::print("\nWARNING: %s: press on wheel %d, which the panel does not have", kName, i);
        return;
    }
    playSnd(0);
    _WHEEL& w = wheels[i];
    w.moving = 1;
    w.t = 0.0f;
    w.from = w.current;
    w.digit += 1;
    if (w.digit == kWheelDigits)
    {
        // On over the wrap: from 9 the wheel rolls down a tenth more to 0.
        w.digit = 0;
        w.from = w.current + 1.0f;
    }
    w.to = getNumber(w.digit);
    saved[kWheels + i] = w.digit;
    saveGameArray(kSaved, kLocation, kNumber, saved, &solved);
}

void sc_02_minigame_18::buttonProcess()
{
    TQ_TRACE(" buttonProcess()");
    int allRight = 1;
    for (int i = 0; i < kWheels; ++i)
    {
        _WHEEL& w = wheels[i];
        if (w.moving || w.digit != saved[i])
            allRight = 0;
        if (w.moving)
        {
            w.t += dt;
            if (w.t > 1.0f)
            {
                // The ease only nears its end: a finished roll is set on
                // its digit.
                w.moving = 0;
                w.t = 0.0f;
                w.from = w.to;
            }
            w.current = MiniGame::interp(w.from, w.to, MiniGame::cubeFunc(w.t));
        }
        materialSetTextureScroll(w.material, 0.0f, w.current);
    }
    if (allRight)
    {
        solved = 1;
        saveGameArray(kSaved, kLocation, kNumber, saved, &solved);
        sendNotifyByName(kZone, kSolvedCode, getOwner());
        killMyTimer();
    }
}

void sc_02_minigame_18::showPlashka()
{
    TQ_TRACE(" showPlashka()");
    for (int i = 0; i < kWheels; ++i)
        materialSetTextureScroll2(kPlateDigits[i], 0, 1, 0.0f, static_cast<float>(saved[i]) * 0.125f);
    setPlashkaColor(0.0f);
    plateGlow = 0.0f;
    setVisible(gApp.findObjectHandle(kPlate), true);
    const OBJECT_HANDLE lamp = gApp.findObjectHandle(kLamp);
    if (lamp)
        setMaterial(lamp, 1, kLampLit);
    // Lit again while lighting: one timer, started afresh.
    ScriptObject::stopTimer(getOwner(), plateTimer);
    plateTimer = ScriptObject::startTimer(getOwner(), 1, -1);
}

void sc_02_minigame_18::plashkaProcess()
{
    TQ_TRACE(" plashkaProcess()");
    plateGlow = std::min(plateGlow + dt * 0.5f, 1.0f);
    setPlashkaColor(plateGlow);
    if (plateGlow >= 1.0f)
    {
        ScriptObject::stopTimer(getOwner(), plateTimer);
        plateTimer = 0;
        sendNotify(plateRequester, getOwner(), answerCode);
    }
}

void sc_02_minigame_18::setPlashkaColor(float a)
{
    TQ_TRACE(" setPlashkaColor(float a)");
    materialSetColour(kPlateMaterial, a, a, a, 1);
    for (const char* digits : kPlateDigits)
        materialSetColour(digits, a, a, a, 1);
    materialSetAlpha2(kLampLit, 1, 0, a);
}

float sc_02_minigame_18::getNumber(int i)
{
    TQ_TRACE(" getNumber(int i)");
    return static_cast<float>(i) * -0.1f - 0.09f;
}

void sc_02_minigame_18::killMyTimer()
{
    TQ_TRACE(" killMyTimer()");
    ScriptObject::stopTimer(getOwner(), wheelTimer);
    wheelTimer = 0;
}

void sc_02_minigame_18::loadSnd()
{
    TQ_TRACE(" loadSnd()");
    sound.load({"02_snd_01"});
}

void sc_02_minigame_18::unloadSnd()
{
    TQ_TRACE(" unloadSnd()");
    sound.unload();
}

void sc_02_minigame_18::playSnd(int i)
{
    TQ_TRACE(" playSnd(int i)");
    sound.play(i);
}

void sc_02_minigame_18::showHint()
{
    TQ_TRACE(" showHint()");
    sendNotifyByName("interface", kHint, getOwner());
}
