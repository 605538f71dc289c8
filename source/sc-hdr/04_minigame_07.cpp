#include "04_minigame_07.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
const char* const kGame = "04_minigame_07";
const int kHint = 16007;
/// The board's distance in front of the camera.
const float kDepth = 100.0f;
/// How close to the selector a dragged button counts as over it.
const float kSelectorReach = 4.0f;

enum Sound
{
    kWinSound,
    kGrabSound,
    kRightSound,
    kBesideSound,
    kWrongSound
};
} // namespace

void sc_04_minigame_07::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "01_snd_01", "01_snd_02", "01_snd_03", "05_snd_02"});
    MiniGame::hideBoard(kGame);
    if (!isGameEndSet(4, 7))
        genData();
}

void sc_04_minigame_07::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_04_minigame_07::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, code, getOwner(), from))
        return;
    // The buttons' own button codes are not needed: the game reads the
    // mouse button itself.
    if (code >= 10000 && code < 20000)
        focusbutton(code - 10000);
    else if (code >= 20000 && code < 30000)
        unfocusbutton();
}

void sc_04_minigame_07::startGame(OBJECT_HANDLE from)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    starter = from;
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_04_minigame_07::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timer);
    saveGameArray(kSaved, 4, 7, data, &gameEnd);
    MiniGame::putBoardAway(kGame);
}

void sc_04_minigame_07::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kSaved, 4, 7, data, &gameEnd);
}

void sc_04_minigame_07::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_04_minigame_07::win()
{
    TQ_TRACE(" win()");
    sounds.play(kWinSound);
    MiniGame::announceWin(getOwner());
    gameEnd = 1;
    wonThisRun = 1;
}

void sc_04_minigame_07::genData()
{
    TQ_TRACE(" genData()");
    std::fill(std::begin(data), std::end(data), 0);
    gameEnd = 0;
    for (int i = 0; i < kScreens; ++i)
    {
        // No two neighbours in the ring ask for the same symbol: the button
        // just used is locked, so the next screen must want another one.
        int s = 0;
        do
            s = ScriptObject::random(kButtons);
        while ((i > 0 && s == data[i - 1]) || (i == kScreens - 1 && s == data[0]));
        data[i] = s;
        data[kLit + i] = 0;
    }
    data[kCurrent] = 0;
    data[kLocked] = -1;
    saveGameArray(kSaved, 4, 7, data, &gameEnd);
}

vec3 sc_04_minigame_07::getStartPos(int i)
{
    return vec3(Puzzle::interp(-14.0f, 14.0f, static_cast<float>(i) / 3.0f), 0.0f, -100.0f);
}

vec3 sc_04_minigame_07::getTextPos(int p) const
{
    return screens[p].pos + vec3(0.0f, 0.0f, 0.5f);
}

void sc_04_minigame_07::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kSaved, 4, 7, data, &gameEnd);
    for (int i = 0; i < kScreens; ++i)
    {
        Puzzle::repair(4, 7, data, i, 0, kButtons - 1, 0);
        Puzzle::repair(4, 7, data, kLit + i, 0, 1, 0);
    }
    Puzzle::repair(4, 7, data, kCurrent, 0, kScreens - 1, 0);
    Puzzle::repair(4, 7, data, kLocked, -1, kButtons - 1, -1);
    mode = 0;
    selected = -1;
    overSelector = -1;
    wonThisRun = 0;

    for (int n = 0; n < kButtons; ++n)
    {
        Button& b = buttons[n];
        b.object = findObjectIndexed("04_03_game_button_", n);
        setPosition(b.object, getStartPos(n));
        b.current = b.start = getPosition(b.object);
        // A button that was on its way when the game was left starts at
        // rest.
        b.target = getStartPos(n);
        b.t = 1.0f;
        b.alpha = 1.0f;
        b.fadingIn = 1;
        b.material = ScriptObject::indexedKey("04_03_game_symbol_", n);
        setMaterial(b.object, 0, b.material);
    }
    for (int i = 0; i < kScreens; ++i)
    {
        Screen& s = screens[i];
        s.level = 0.0f;
        s.object = findObjectIndexed("04_03_game_ekran_", i);
        s.pos = getPosition(s.object);
        s.material = ScriptObject::indexedKey("04_03_game_text_", i);
        setMaterial(s.object, 0, s.material);
        materialSetTexturePassUnit(s.material, 1, 0, ScriptObject::indexedKey("04_03_game_symbol_", data[i], ".tga"));
    }

    selector = gApp.findObjectHandle("04_03_game_sel");
    selStart = selTarget = selCurrent = getTextPos(data[kCurrent]);
    selT = 1.0f;
    setPosition(selector, selCurrent);
    setMaterial(selector, 0, "04_03_game_sel");

    breakObject = gApp.findObjectHandle("04_03_game_break");
    breakOn = 0;
    breakAlpha = 0.0f;
    // The locked button of a saved game shows its break again.
    if (data[kLocked] < 0)
        setVisible(breakObject, false);
    else
        setBreak(data[kLocked]);

    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_04_minigame_07::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    const float dt = ScriptObject::frameSeconds();
    mouse.read();
    screenToPlane(vec3(mouse.x, mouse.y, kDepth), cursor);
    if (gameEnd == 0)
    {
        if (mouse.pressed())
            click();
        else if (mouse.released() && mode == 2)
            click();
        if (mode == 1 && mouse.buttonNow &&
            (std::fabs(cursor.x - grabX) > 0.1f || std::fabs(cursor.y - grabY) > 0.1f))
            mode = 2;
    }
    moveButton(dt);
    moveSelect(dt);
    moveBreak(dt);
    moveText(dt);
}

void sc_04_minigame_07::click()
{
    TQ_TRACE(" click()");
    if (mode == 0)
        select();
    else if (mode == 2)
        deselect();
}

void sc_04_minigame_07::select()
{
    TQ_TRACE(" select()");
    if (focused < 0 || focused == data[kLocked])
        return;
    selected = focused;
    mode = 1;
    Button& b = buttons[selected];
    grabOffset = vec3(b.current.x - cursor.x, b.current.y - cursor.y, 2.0f);
    b.t = 1.0f;
    grabX = cursor.x;
    grabY = cursor.y;
    sounds.play(kGrabSound);
}

void sc_04_minigame_07::deselect()
{
    TQ_TRACE(" deselect()");
    if (selected >= 0)
    {
        Button& b = buttons[selected];
        b.start = b.current;
        b.t = 0.0f;
        if (overSelector != 1)
        {
            b.target = getStartPos(selected);
            sounds.play(kBesideSound);
        }
        else
        {
            // Into the selector, where the button fades out; the break of
            // the button used before fades away.
            b.target = selCurrent;
            b.fadingIn = 0;
            breakOn = 0;
            const int screen = data[kCurrent];
            if (selected == data[screen])
            {
                showText(screen);
                sounds.play(kRightSound);
            }
            else
            {
                hideText();
                sounds.play(kWrongSound);
            }
            selGoNext();
        }
    }
    selected = -1;
    mode = 0;
}

void sc_04_minigame_07::focusbutton(int i)
{
    TQ_TRACE(" focusbutton(int i)");
    if (i >= 0 && i < kButtons)
        focused = i;
}

void sc_04_minigame_07::unfocusbutton()
{
    TQ_TRACE(" unfocusbutton()");
    focused = -1;
}

void sc_04_minigame_07::showText(int p)
{
    data[kLit + p] = 1;
}

void sc_04_minigame_07::hideText()
{
    for (int i = 0; i < kScreens; ++i)
        data[kLit + i] = 0;
}

void sc_04_minigame_07::selGoNext()
{
    selStart = getTextPos(data[kCurrent]);
    data[kCurrent] = (data[kCurrent] + 1) % kScreens;
    selTarget = getTextPos(data[kCurrent]);
    selT = 0.0f;
}

void sc_04_minigame_07::setBreak(int i)
{
    setVisible(breakObject, true);
    breakOn = 1;
    breakPos = getStartPos(i);
    setPosition(breakObject, breakPos);
    data[kLocked] = i;
}

void sc_04_minigame_07::check()
{
    TQ_TRACE(" check()");
    for (int i = 0; i < kScreens; ++i)
        if (!data[kLit + i])
            return;
    // Screens lit in quick succession reach full light one after another:
    // only the first of them wins.
    if (!wonThisRun)
        win();
}

void sc_04_minigame_07::moveButton(float dt)
{
    overSelector = -1;
    if (selected >= 0)
    {
        Button& b = buttons[selected];
        b.target = cursor + grabOffset;
        b.t = 1.0f;
        if (std::fabs(b.target.x - selCurrent.x) < kSelectorReach &&
            std::fabs(b.target.y - selCurrent.y) < kSelectorReach)
            overSelector = 1;
    }
    for (int n = 0; n < kButtons; ++n)
    {
        Button& b = buttons[n];
        if (b.t >= 1.0f)
        {
            setPosition(b.object, b.target);
            b.current = getPosition(b.object);
        }
        else
        {
            b.current = Puzzle::interp(b.start, b.target, Puzzle::easeCubic(b.t));
            b.t += 2.0f * dt;
            setPosition(b.object, b.current);
        }

        if (!b.fadingIn)
        {
            b.alpha -= dt;
            if (b.alpha < 0.0f)
            {
                // Faded out in the selector: back home, locked under the
                // break.
                b.alpha = 0.0f;
                b.fadingIn = 1;
                b.t = 1.0f;
                b.start = b.target = b.current = getStartPos(n);
                setBreak(n);
            }
        }
        else
            b.alpha = std::min(1.0f, b.alpha + dt);
        materialSetAlpha(b.material, b.alpha);
    }
}

void sc_04_minigame_07::moveSelect(float dt)
{
    if (selT >= 1.0f)
    {
        setPosition(selector, selTarget);
        selCurrent = selector ? getPosition(selector) : selTarget;
    }
    else
    {
        selCurrent = Puzzle::interp(selStart, selTarget, Puzzle::easeCubic(selT));
        selT += 2.0f * dt;
        setPosition(selector, selCurrent);
    }
}

void sc_04_minigame_07::moveBreak(float dt)
{
    if (breakOn)
        breakAlpha = std::min(1.0f, breakAlpha + dt);
    else if (breakAlpha > 0.0f)
    {
        breakAlpha -= dt;
        if (breakAlpha < 0.0f)
        {
            breakAlpha = 0.0f;
            setVisible(breakObject, false);
        }
    }
    materialSetAlpha("04_03_game_break", breakAlpha);
}

void sc_04_minigame_07::moveText(float dt)
{
    for (int i = 0; i < kScreens; ++i)
    {
        Screen& s = screens[i];
        if (!data[kLit + i])
            s.level = std::max(0.0f, s.level - dt);
        else if (s.level < 1.0f)
        {
            s.level += dt;
            if (s.level > 1.0f)
            {
                s.level = 1.0f;
                check();
            }
        }
        // Pass 0 is the dark screen, pass 1 its symbol.
        materialSetColour2(s.material, 0, 1.0f - s.level, 1.0f - s.level, 1.0f - s.level, 1);
        materialSetColour2(s.material, 1, s.level, s.level, s.level, 1);
    }
}
