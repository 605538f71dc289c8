#include "04_minigame_23.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <OgreMath.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
const char* const kPanel = "04_minigame_23.scene";
const int kHint = 16023;
/// The board's and the hand's distances in front of the camera.
const float kBoardDepth = 114.76f;
const float kHandDepth = 85.399f;
/// Darts further from the board's centre miss it (the square of 29).
const float kBoardRadius2 = 841.0f;
/// How far the cursor moves with the button held before a press is a drag.
const float kDragStart = 0.1f;

enum Sound
{
    kSolvedSound,
    kHitSound,
    kPickSound,
    kBackSound
};
} // namespace

void sc_04_minigame_23::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "23_snd_00", "01_snd_01", "01_snd_03"});
    setVisibleByName(kPanel, false);
    setParentByName("Camera", kPanel);
    if (!isGameEndSet(4, 23))
        genData();
    const Ogre::Vector2 borderAt(0.75f, 0.0f), borderSize(0.25f, 1.0f / 6.0f);
    overlayCreatePanel("Minigame31", "Border", nullptr, "03_03_game_counter_border", &borderAt, &borderSize, 100);
    const Ogre::Vector2 num1At(0.9209f, 0.03125f), num2At(0.9521f, 0.03125f), numSize(0.03125f, 1.0f / 24.0f);
    overlayCreatePanel("Minigame31FX", "NUM1", nullptr, "03_03_game_counter_num1", &num1At, &numSize, 110);
    overlayCreatePanel("Minigame31FX", "NUM2", nullptr, "03_03_game_counter_num2", &num2At, &numSize, 110);
}

void sc_04_minigame_23::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
    overlayDestroy("Minigame31", "Border", nullptr);
    overlayDestroy("Minigame31FX", "NUM1", nullptr);
    overlayDestroy("Minigame31FX", "NUM2", nullptr);
}

void sc_04_minigame_23::ON_NOTIFY(int code, OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (code == 1)
    {
        init();
        if (MiniGame::hintsInGames())
            showHint();
    }
    else if (code == 2)
        close();
    else if (code == MiniGame::kHint)
        showHint();
    else if (code >= 10000 && code < 15000)
        focused = code - 10000 < kDarts ? code - 10000 : -1;
    else if (code >= 20000 && code < 25000)
        focused = -1;
}

void sc_04_minigame_23::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_04_minigame_23::save()
{
    TQ_TRACE(" save()");
    saveGameArray(kSaved, 4, 23, data, &gameOver);
}

void sc_04_minigame_23::genData()
{
    TQ_TRACE(" genData()");
    std::fill(std::begin(data), std::end(data), 0);
    gameOver = 0;
    data[kTarget] = ScriptObject::random(26) + 15;
    save();
}

void sc_04_minigame_23::init()
{
    TQ_TRACE(" init()");
    setVisibleByName(kPanel, true);
    loadGameArray(kSaved, 4, 23, data, &gameOver);
    // A damaged save must not put darts on sectors the board does not have.
    for (int i = 0; i < kDarts; ++i)
        Puzzle::repair(4, 23, data, i, 0, kSectors, 0);
    Puzzle::repair(4, 23, data, kTarget, 15, 40, 15);
    const OBJECT_HANDLE board = gApp.findObjectHandle("04_06_game_darts");
    centre = board ? getPosition(board) : vec3::ZERO;
    state = 0;
    selected = -1;
    under = -1;
    for (int i = 0; i < kDarts; ++i)
    {
        Dart& d = darts[i];
        d.object = gApp.findObjectHandle(ScriptObject::indexedKey("04_06_game_drotik_", i));
        d.progress = 1.0f;
        d.mode = kHome;
        d.start = d.target = d.current = getPos(i, sector(i));
        if (d.object)
            setPosition(d.object, d.current);
    }
    overlaySetVisible("Minigame31", nullptr, nullptr, true);
    overlaySetVisible("Minigame31FX", nullptr, nullptr, true);
    shown = -1;
    genState();
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_04_minigame_23::close()
{
    TQ_TRACE(" close()");
    overlaySetVisible("Minigame31", nullptr, nullptr, false);
    overlaySetVisible("Minigame31FX", nullptr, nullptr, false);
    setVisibleByName(kPanel, false);
    ScriptObject::stopFrameTimer(getOwner(), timer);
}

vec3 sc_04_minigame_23::getPos(int i, int s) const
{
    if (s == 0)
        return vec3(-27.051f, -(4 - i) * 14.408f * 0.25f, -kHandDepth);
    const float a = (36.0f * s - 30.0f) * 3.14f / 180.0f;
    return vec3(centre.x + 23.2f * std::sin(a), centre.y + 23.2f * std::cos(a), -kBoardDepth);
}

int sc_04_minigame_23::getNum(const vec3& p) const
{
    const float dx = centre.x - p.x;
    const float dy = centre.y - p.y;
    const float d2 = dx * dx + dy * dy;
    if (d2 >= kBoardRadius2)
        return 0;
    // The very centre has no direction; it counts as the top sector.
    if (d2 <= 0.0f)
        return 1;
    const float d = std::sqrt(d2);
    const float cosine = std::min(std::max((p.y - centre.y) / d, -1.0f), 1.0f);
    float angle = std::acos(cosine) * Ogre::Math::fRad2Deg;
    if (dx > 0.0f)
        angle = 360.0f - angle;
    const int s = 1 + static_cast<int>((angle + 18.0f) / 36.0f);
    return s == 11 ? 1 : s;
}

int sc_04_minigame_23::numbers(int s)
{
    return s % 2 ? (s + 1) / 2 : 10 - (s - 2) / 2;
}

void sc_04_minigame_23::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    // A tick already due when the panel was closed comes after the close.
    if (!timer)
        return;
    const float dt = ScriptObject::frameSeconds();
    mouse.read();
    screenToPlane(vec3(mouse.x, mouse.y, kBoardDepth), boardPoint);
    screenToPlane(vec3(mouse.x, mouse.y, kHandDepth), handPoint);
    if (!gameOver)
    {
        if (mouse.pressed())
            click();
        else if (mouse.released() && state == 2)
            click();
        if (state == 1 && mouse.buttonNow &&
            (std::fabs(handPoint.x - pressX) >= kDragStart || std::fabs(handPoint.y - pressY) >= kDragStart))
            state = 2;
    }
    moveDrotik(dt);
}

void sc_04_minigame_23::click()
{
    TQ_TRACE(" click()");
    // Press-drag-release and click-move-click both drop the dart.
    if (state == 0)
        select();
    else
        deselect();
}

void sc_04_minigame_23::select()
{
    TQ_TRACE(" select()");
    if (focused < 0)
        return;
    Dart& d = darts[focused];
    sounds.play(kPickSound);
    selected = focused;
    state = 1;
    grab = d.current - handPoint;
    d.progress = 1.0f;
    pressX = handPoint.x;
    pressY = handPoint.y;
    sector(selected) = 0;
    genState();
    pickUp = 0.0f;
}

void sc_04_minigame_23::deselect()
{
    TQ_TRACE(" deselect()");
    if (selected < 0)
        return;
    Dart& d = darts[selected];
    d.start = d.current;
    d.progress = 0.0f;
    if (under <= 0 || occupied[under])
    {
        d.target = getPos(selected, 0);
        sector(selected) = 0;
        d.mode = kHome;
        sounds.play(kBackSound);
    }
    else
    {
        d.target = vec3(d.current.x, d.current.y, -kBoardDepth);
        sector(selected) = under;
        d.mode = kStick;
        genState();
        sounds.play(kHitSound);
    }
    selected = -1;
    state = 0;
    save();
}

void sc_04_minigame_23::genState()
{
    TQ_TRACE(" genState()");
    std::fill(std::begin(occupied), std::end(occupied), 0);
    for (int i = 0; i < kDarts; ++i)
        if (sector(i) != 0)
            occupied[sector(i)] = 1;
}

void sc_04_minigame_23::moveDrotik(float dt)
{
    TQ_TRACE(" moveDrotik(float dt)");
    pickUp += 2.0f * dt * (1.0f - pickUp);
    if (selected >= 0)
    {
        Dart& d = darts[selected];
        d.current = handPoint + grab * (1.0f - pickUp);
        under = getNum(d.current);
    }
    for (int i = 0; i < kDarts; ++i)
    {
        Dart& d = darts[i];
        if (i != selected && d.progress < 1.0f)
        {
            const float a = d.progress;
            if (d.mode == kHome)
                d.current = d.start + (d.target - d.start) * ((2.0f - a) * a);
            else if (a < 0.5f)
                d.current = d.start + (d.target - d.start) * (2.0f * a);
            else
            {
                d.current = d.target;
                const float c = 2.0f * (a - 0.5f);
                const float w = (1.0f - (2.0f - c) * c) * std::sin(31.4f * (a - 0.5f)) * 5.0f;
                if (d.object)
                    setOrientationDeg(d.object, vec3(w, 0.0f, 0.0f));
            }
            d.progress += 3.0f * dt;
            // At rest exactly where it was going, not a frame short of it.
            if (d.progress >= 1.0f)
                d.current = d.target;
        }
        if (d.object)
            setPosition(d.object, d.current);
    }
    if (!gameOver)
        check();
}

void sc_04_minigame_23::check()
{
    TQ_TRACE(" check()");
    int sum = 0;
    bool complete = true;
    for (int i = 0; i < kDarts; ++i)
    {
        if (sector(i) != 0)
            sum += numbers(sector(i));
        else
            complete = false;
        if (darts[i].progress < 1.0f)
            complete = false;
    }
    if (complete && sum == data[kTarget])
        end();
    counterSetCount(sum);
}

void sc_04_minigame_23::counterSetCount(int c)
{
    TQ_TRACE(" counterSetCount(int c)");
    if (c == shown)
        return;
    shown = c;
    char tens[32];
    char units[32];
    std::snprintf(tens, sizeof(tens), "05_02_score_%02d.tga", c / 10);
    std::snprintf(units, sizeof(units), "05_02_score_%02d.tga", c % 10);
    materialSetTexturePassUnit("03_03_game_counter_num1", 0, 0, tens);
    materialSetTexturePassUnit("03_03_game_counter_num2", 0, 0, units);
}

void sc_04_minigame_23::end()
{
    TQ_TRACE(" end()");
    sounds.play(kSolvedSound);
    gameOver = 1;
    sendNotifyByName("04_06_az_darts_npm", 555, getOwner());
    save();
}
