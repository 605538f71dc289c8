#include "04_minigame_20.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>

namespace
{
const char* const kScene = "04_minigame_20.scene";
const char* const kZone = "04_03_az_pult_npm";
const char* const kOverlay = "Minigame20Text";
/// The two captions: the task of the first use and that of the second.
const char* const kCaptionBox[2] = {"Minigame20TextContainer00", "Minigame20TextContainer01"};
const char* const kCaption[2] = {"Minigame20Text00", "Minigame20Text01"};
const int kCaptionText[2] = {6052, 6053};
const float kCaptionY[2] = {0.158f, 0.206f};
const char* const kWindow = "04_03_game_window2";
const int kHint = 16042;

enum Sound
{
    kDigitSound,
    kRightSound,
    kWrongSound
};
} // namespace

void sc_04_minigame_20::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    initText();
    sounds.load({"20_snd_00", "20_snd_01", "20_snd_02"});
    setVisibleByName(kScene, false);
    setParentByName("Camera", kScene);
    if (!isGameEndSet(4, 20))
        genData();
}

void sc_04_minigame_20::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
    destroyText();
}

void sc_04_minigame_20::ON_NOTIFY(int code, OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (code == 1)
    {
        init();
        setTextColor();
        if (getConfigI("show_hint_in_minigames") != 0)
            showHint();
    }
    else if (code == 2)
        hide();
    else if (code == 2010)
        showHint();
    else if (code == 1400)
        paused = 1;
    else if (code == 1500)
        paused = 0;
    else if (code >= 10000 && code < 20000)
        selectSetPos(code - 10000);
    else if (code >= 20000 && code < 30000)
        selectHide();
    else if (code >= 30000 && code < 40000)
        click(code - 30000);
}

void sc_04_minigame_20::save()
{
    saveGameArray(kSaved, 4, 20, data, &gameEnd);
}

bool sc_04_minigame_20::secondUse()
{
    return getVarI("04_03_az_pult_npm@second_pass") != 0;
}

void sc_04_minigame_20::showHint()
{
    TQ_TRACE(" showHint()");
    sendNotifyByName("interface", kHint, 0);
}

bool sc_04_minigame_20::isNull(int v)
{
    return v % 10 == 0 || (v / 10) % 10 == 0 || (v / 100) % 10 == 0;
}

void sc_04_minigame_20::genData()
{
    TQ_TRACE(" genData()");
    std::fill(std::begin(data), std::end(data), 0);
    gameEnd = 0;
    // The codes to type have three digits, none of them 0.
    do
    {
        data[kA] = ScriptObject::random(900) + 100;
        data[kB] = ScriptObject::random(900) + 100;
    } while (data[kA] + data[kB] >= 1000 || isNull(data[kA] + data[kB]));
    do
        data[kC] = ScriptObject::random(900) + 100;
    while (isNull(data[kC]));
    save();
}

void sc_04_minigame_20::init()
{
    TQ_TRACE(" init()");
    solved = 0;
    overlaySetVisible(kOverlay, nullptr, nullptr, true);
    setVisibleByName(kScene, true);
    loadGameArray(kSaved, 4, 20, data, &gameEnd);
    Puzzle::repair(4, 20, data, kTyped, 0, 999, 0);
    initSelect();
    for (int i = 0; i < kKeyObjects; ++i)
    {
        keys[i].object = findObjectIndexed("04_03_game_but_", i);
        setMaterial(keys[i].object, 0, ScriptObject::indexedKey("04_03_game_sym_", i));
        keys[i].pos = getPosition(keys[i].object);
    }
    for (int i = 0; i < 3; ++i)
        pass[i] = findObjectIndexed("04_03_game_pass_", i);
    setMaterial(keys[kEnter - 1].object, 0, "04_03_game_sym_enter");
    setPass();
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());

    // The window shows what the first use opens, then what the second one
    // opens.
    const bool second = secondUse();
    setVisible(gApp.findObjectHandle("04_03_game_light_00"), !second);
    setVisible(gApp.findObjectHandle("04_03_game_light_01"), second);
    materialSetTexturePassUnit(kWindow, 0, 0, second ? "04_03_rooms_01.tga" : "04_03_rooms_00.tga");
    materialSetTexturePassUnit(kWindow, 1, 0, second ? "04_03_rooms_02.tga" : "04_03_rooms_01.tga");
    endingTime = 0.0f;
    ending = 0;
    setAlphaRooms(0.0f);
}

void sc_04_minigame_20::initSelect()
{
    select = gApp.findObjectHandle("04_03_game_select");
    selectAlpha = 0.0f;
    selectOn = 0;
    setVisible(select, false);
}

void sc_04_minigame_20::hide()
{
    TQ_TRACE(" hide()");
    overlaySetVisible(kOverlay, nullptr, nullptr, false);
    setVisibleByName(kScene, false);
    setVisible(select, false);
    ScriptObject::stopFrameTimer(getOwner(), timer);
}

void sc_04_minigame_20::initText()
{
    TQ_TRACE(" initText()");
    // Text areas cannot stand in an overlay on their own: each caption
    // lies in a bare panel of its own at the caption's place.
    const Ogre::Vector2 size(0.1f, 0.1f);
    const Ogre::Vector2 origin(0.0f, 0.0f);
    for (int i = 0; i < 2; ++i)
    {
        const Ogre::Vector2 at(0.73f, kCaptionY[i]);
        overlayCreatePanel(kOverlay, kCaptionBox[i], nullptr, nullptr, &at, &size, 150);
        overlayCreateFromTemplate(kOverlay, "CounterComment", kCaptionBox[i], kCaption[i], &origin, &size, 150,
                                  "TextArea");
        overlaySetTextById(kOverlay, kCaptionBox[i], kCaption[i], kCaptionText[i], -1);
        overlaySetCharHeight(kOverlay, kCaptionBox[i], kCaption[i], 0.03f);
    }
    overlaySetColourTop(kOverlay, kCaptionBox[1], kCaption[1], 0.0f, 0.17647f, 0.33333f, 1.0f);
    overlaySetColourBottom(kOverlay, kCaptionBox[1], kCaption[1], 0.0f, 0.17647f, 0.33333f, 1.0f);
}

void sc_04_minigame_20::setTextColor()
{
    // The caption of the current use is bright, the other one dark.
    const int current = secondUse() ? 1 : 0;
    for (int i = 0; i < 2; ++i)
    {
        const bool bright = i == current;
        const float r = bright ? 1.0f : 0.0f;
        const float g = bright ? 1.0f : 0.176f;
        const float b = bright ? 0.8f : 0.333f;
        overlaySetColourTop(kOverlay, kCaptionBox[i], kCaption[i], r, g, b, 1.0f);
        overlaySetColourBottom(kOverlay, kCaptionBox[i], kCaption[i], r, g, b, 1.0f);
    }
}

void sc_04_minigame_20::destroyText()
{
    overlayDestroy(kOverlay, nullptr, nullptr);
}

void sc_04_minigame_20::click(int p)
{
    TQ_TRACE(" click(int p)");
    Log::print("\n%d %d %d\n", data[kTyped], data[kA] + data[kB], data[kC]);
    if (p < 0 || p > kEnter)
        return;
    if (p == kEnter)
    {
        const int code = secondUse() ? data[kC] : data[kA] + data[kB];
        if (data[kTyped] == code)
        {
            end();
            sounds.play(kRightSound);
        }
        else
            sounds.play(kWrongSound);
        data[kTyped] = 0;
    }
    else if (data[kTyped] < 100)
    {
        data[kTyped] = data[kTyped] * 10 + p;
        sounds.play(kDigitSound);
    }
    setPass();
    save();
}

void sc_04_minigame_20::setPass()
{
    const int v = data[kTyped];
    // Leading zeros stay dark.
    const int digits[3] = {v % 10, (v / 10) % 10, (v / 100) % 10};
    const int shownFrom[3] = {1, 10, 100};
    for (int i = 0; i < 3; ++i)
        setMaterial(pass[i], 0,
                    v >= shownFrom[i] ? ScriptObject::indexedKey("04_03_game_pass_", digits[i]) : String("00_empty"));
}

void sc_04_minigame_20::end()
{
    TQ_TRACE(" end()");
    ending = 1;
}

void sc_04_minigame_20::end2()
{
    TQ_TRACE(" end2()");
    if (solved)
        return;
    solved = 1;
    gameEnd = 1;
    // Kept at once: no key need be pressed after the right code.
    save();
    sendNotifyByName(kZone, 555, getOwner());
}

void sc_04_minigame_20::setAlphaRooms(float a)
{
    materialBlendColour(kWindow, 0, 0, 1.0f - a, 1.0f - a, 1.0f - a, 1);
    materialBlendColour(kWindow, 1, 0, a, a, a, 1);
}

void sc_04_minigame_20::selectSetPos(int i)
{
    TQ_TRACE(" selectSetPos(int i)");
    // i is the piece's number: the key object numbered one less.
    if (solved || i < 1 || i > kKeyObjects)
        return;
    setPosition(select, keys[i - 1].pos);
    setVisible(select, true);
    selectOn = 1;
}

void sc_04_minigame_20::selectHide()
{
    TQ_TRACE(" selectHide()");
    selectOn = 0;
}

void sc_04_minigame_20::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    moveSelect(ScriptObject::frameSeconds());
}

void sc_04_minigame_20::moveSelect(float dt)
{
    if (selectOn)
        selectAlpha = std::min(1.0f, selectAlpha + 6.0f * dt);
    else if (selectAlpha > 0.0f)
    {
        selectAlpha -= 2.0f * dt;
        if (selectAlpha < 0.0f)
        {
            selectAlpha = 0.0f;
            setVisible(select, false);
        }
    }
    materialSetAlpha("04_03_game_select", selectAlpha);

    if (ending)
    {
        endingTime += 0.5f * dt;
        if (endingTime > 1.0f)
        {
            endingTime = 1.0f;
            end2();
        }
        setAlphaRooms(endingTime);
    }
}
