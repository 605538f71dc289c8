#include "06_minigame_14.h"

#include "Application.h"
#include "Log.h"
#include "Object.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
const char* const kGame = "06_minigame_14";
const int kLocation = 6;
const int kNumber = 14;
const int kHint = 16014;

enum Sound
{
    kSndWin = 0,
    kSndTake = 1,
    kSndPlace = 2,
    kSndAside = 3,
};

const int kGraph[sc_06_minigame_14::kLines][2] = {{0, 5}, {0, 3}, {1, 3}, {1, 4}, {2, 4}, {3, 5}, {4, 6},
                                                   {5, 7}, {4, 7}, {3, 8}, {6, 8}, {7, 9}, {8, 9}, {2, 6}};
const int kBlocked[6][2] = {{2, 2}, {2, 5}, {2, 6}, {3, 1}, {3, 4}, {3, 7}};
const int kColumns = 6;
const int kRows = 10;

// The two side strips in the camera's space.
const float kDepth = 113.873f;
const float kLeftOuter = -44.442f;
const float kLeftInner = -28.95f;
const float kRightInner = 29.392f;
const float kRightOuter = 46.071f;
const float kLow = -28.272f;
const float kHigh = 36.213f;
/// Nodes take a figure dropped this close in x and y.
const float kNodeReach = 3.0f;
/// Free figures closer than this in x and y are pushed apart.
const float kApart = 4.0f;
/// The push apart gives up after this many passes rather than hang.
const int kMostPasses = 10000;

int mod3(int x)
{
    return ((x % 3) + 3) % 3;
}

/// A flash up and back down over the phase 0..1.
float fun(float x)
{
    return 4.0f * x * (1.0f - x);
}

bool eq(int p0, int p1)
{
    return p0 == -1 || p1 == -1 || p0 / 3 == p1 / 3 || p0 % 3 == p1 % 3;
}

OBJECT_HANDLE namedObject(const String& name)
{
    CObject* object = gApp.findObject(name);
    if (!object)
    {
        Log::print("\nWARNING: Can't find object [%s] by name!", name.c_str());
        return 0;
    }
    return object->getHandle();
}

String figureName(int shape, int copy)
{
    return ScriptObject::indexedKey("06_04_game_figure_", shape, ScriptObject::indexedKey("_", copy));
}

void setFon(float v)
{
    CVirtualScript::materialBlendColour("06_04_game_fon", 1, 0, v, v, v, 1);
}
} // namespace

void sc_06_minigame_14::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "01_snd_01", "16_snd_00", "01_snd_03"});
    MiniGame::hideBoard(kGame);
    // The state is in memory from the start, so that a save that comes
    // before the game is played writes it back unchanged.
    if (!isGameEndSet(kLocation, kNumber))
        genData();
    else
        loadGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_06_minigame_14::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_06_minigame_14::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    if (param >= 10000 && param < 20000)
        focusPart(param - 10000);
    else if (param >= 20000 && param < 30000)
        unfocusPart();
}

void sc_06_minigame_14::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    const float dt = ScriptObject::frameSeconds();
    pointer.read(kDepth);
    if (won)
    {
        moveFon2(dt);
        return;
    }
    if (pointer.clickWanted())
        click();
    pointer.followDrag();
    moveSelect(dt);
    moveFigures(dt);
    moveFon(dt);
}

void sc_06_minigame_14::startGame(OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_06_minigame_14::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    saveGame();
    MiniGame::putBoardAway(kGame);
}

void sc_06_minigame_14::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_06_minigame_14::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_06_minigame_14::genData()
{
    TQ_TRACE(" genData()");
    std::fill(saved, saved + kSaved, 0);
    won = 0;
    for (int i = 0; i < kFigures; ++i)
    {
        int c = 0, w = 0;
        bool taken = true;
        while (taken)
        {
            c = ScriptObject::random(kColumns);
            w = ScriptObject::random(kRows);
            taken = false;
            for (int j = 0; j < i; ++j)
                taken = taken || (saved[4 * j] == c && saved[4 * j + 1] == w);
            for (const int* place : kBlocked)
                taken = taken || (place[0] == c && place[1] == w);
        }
        saved[4 * i] = c;
        saved[4 * i + 1] = w;
        saved[4 * i + 2] = 0;
        saved[4 * i + 3] = -1;
    }
    const int a = ScriptObject::random(3);
    const int b = ScriptObject::random(3);
    const int e1 = 1 - 2 * ScriptObject::random(2);
    const int e2 = 1 - 2 * ScriptObject::random(2);
    saved[2] = 3 * a + b;
    saved[4 + 2] = 3 * mod3(a + e1) + mod3(b + e2);
    saved[8 + 2] = 3 * mod3(a + 2 * e1) + mod3(b + 2 * e2);
    genPic(3, 0, 1);
    genPic(4, 1, 2);
    genPic(5, 0, 3);
    genPic(6, 2, 4);
    genPic(7, 4, 5);
    genPic(8, 3, 6);
    genPic(9, 7, 8);
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_06_minigame_14::genPic(int i, int c1, int c2)
{
    TQ_TRACE(" genPic(int i, int c1, int c2)");
    const int p1 = saved[4 * c1 + 2];
    const int p2 = saved[4 * c2 + 2];
    const int s1 = p1 % 3, k1 = p1 / 3;
    const int s2 = p2 % 3, k2 = p2 / 3;
    int p = 0;
    if (p1 == p2)
        p = p1; // the third shape of one shape is none: the same picture shares both
    else if (k1 == k2)
        p = 3 * k1 + (3 - s1 - s2);
    else if (s1 == s2)
        p = s1 + 3 * (3 - k1 - k2);
    else if (ScriptObject::random(1000000) % 2)
        p = 3 * k1 + s2;
    else
        p = 3 * k2 + s1;
    saved[4 * i + 2] = p;
}

bool sc_06_minigame_14::stateValid() const
{
    TQ_TRACE(" stateValid()");
    int perShape[kShapes] = {};
    int onNode[kFigures] = {};
    for (int i = 0; i < kFigures; ++i)
    {
        const int c = saved[4 * i], w = saved[4 * i + 1], p = saved[4 * i + 2], n = saved[4 * i + 3];
        if (c < 0 || c >= kColumns || w < 0 || w >= kRows || p < 0 || p > 8 || n < -1 || n >= kFigures)
            return false;
        if (++perShape[p % 3] > kCopies || (n != -1 && onNode[n]++))
            return false;
    }
    return true;
}

vec3 sc_06_minigame_14::getPos(int i) const
{
    TQ_TRACE(" getPos(int i)");
    const float c = static_cast<float>(saved[4 * i]);
    const float r = static_cast<float>(saved[4 * i + 1]);
    const float x = c < 3 ? -14.475f * c + kLeftOuter * (1.0f - 0.5f * c)
                          : 23.0355f * (c - 3) + kRightInner * (1.0f - 0.5f * (c - 3));
    return vec3(x, 4.0232643f * r + kLow * (1.0f - 0.1111f * r), -kDepth);
}

void sc_06_minigame_14::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kSaved, kLocation, kNumber, saved, &won);
    if (!stateValid())
    {
        Log::print("\nWARNING: saved state %d_%d of the mini-game is damaged, a new game is drawn", kLocation, kNumber);
        genData();
    }
    highlight = namedObject("06_04_game_select");
    brightness = 0.0f;
    highlightMaterial = "06_04_game_select";
    setVisible(highlight, false);
    highlighted = -1;
    setFon(0.0f);
    phase = 1.0f;
    pulse = 0;

    OBJECT_HANDLE objects[kShapes][kCopies];
    for (int s = 0; s < kShapes; ++s)
        for (int k = 0; k < kCopies; ++k)
        {
            objects[s][k] = namedObject(figureName(s, k));
            setVisible(objects[s][k], false);
        }
    int used[kShapes] = {};
    for (int i = 0; i < kFigures; ++i)
    {
        _FIGURE& figure = figures[i];
        figure.picture = saved[4 * i + 2];
        figure.object = objects[figure.picture % 3][used[figure.picture % 3]++];
        sendNotify(figure.object, 0, i);
        setVisible(figure.object, true);
        figure.node = findObjectIndexed("06_04_game_node_", i);
        figure.nodePos = getPosition(figure.node);
    }
    for (int i = 0; i < kFigures; ++i)
    {
        _FIGURE& figure = figures[i];
        figure.progress = 1.0f;
        const int n = nodeOf(i);
        figure.target = figure.start = figure.current = n == -1 ? getPos(i) : figures[n].nodePos;
        setPosition(figure.object, figure.current);
        setMaterial(figure.object, 0, ScriptObject::indexedKey("06_04_game_figure_", figure.picture));
    }
    // Nothing is carried at a new start.
    selected = -1;
    nodeUnder = -1;
    pushApart = 0;
    pointer.drop();
    genState();
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    timerId = ScriptObject::startFrameTimer(getOwner());
}

void sc_06_minigame_14::genState()
{
    TQ_TRACE(" genState()");
    for (_FIGURE& figure : figures)
    {
        figure.occupied = 0;
        figure.nodePicture = -1;
    }
    for (int i = 0; i < kFigures; ++i)
    {
        const int n = nodeOf(i);
        if (n == -1)
            continue;
        figures[n].occupied = 1;
        figures[n].nodePicture = figures[i].picture;
    }
}

void sc_06_minigame_14::click()
{
    TQ_TRACE(" click()");
    if (pointer.dragState == MiniGame::CBoardPointer::kIdle)
        select();
    else if (pointer.dragState == MiniGame::CBoardPointer::kDragging)
        deselect();
}

void sc_06_minigame_14::select()
{
    TQ_TRACE(" select()");
    if (focused != -1 && pointer.dragState == MiniGame::CBoardPointer::kIdle)
    {
        sounds.play(kSndTake);
        selected = focused;
        pointer.grab();
        const vec3& at = figures[selected].current;
        grabOffset = vec3(at.x - pointer.planePoint.x, at.y - pointer.planePoint.y, 1.0f);
        saved[4 * selected + 3] = -1;
    }
    genState();
}

bool sc_06_minigame_14::check(int n, int picture) const
{
    TQ_TRACE(" check(int n, int picture)");
    for (const int* line : kGraph)
    {
        if (line[0] == n && !eq(figures[line[1]].nodePicture, picture))
            return false;
        if (line[1] == n && !eq(figures[line[0]].nodePicture, picture))
            return false;
    }
    return true;
}

void sc_06_minigame_14::deselect()
{
    TQ_TRACE(" deselect()");
    const int i = selected;
    _FIGURE& figure = figures[i];
    figure.start = figure.current;
    const int n = nodeUnder;
    if (n != -1 && !figures[n].occupied && check(n, figure.picture))
    {
        figure.target = figures[n].nodePos;
        saved[4 * i + 3] = n;
        sounds.play(kSndPlace);
        pulse = 1;
        phase = 1.0f - phase;
    }
    else
    {
        vec3 t(figure.current.x, figure.current.y, figure.current.z - 1.0f + 0.1f * i);
        if (t.x > 0.0f && t.x < kRightInner)
            t.x = kRightInner;
        if (t.x <= 0.0f && t.x > kLeftInner)
            t.x = kLeftInner;
        t.x = std::max(kLeftOuter, std::min(kRightOuter, t.x));
        t.y = std::max(kLow, std::min(kHigh, t.y));
        figure.target = t;
        sounds.play(kSndAside);
        pushApart = 1;
    }
    figure.progress = 0.0f;
    pointer.drop();
    selected = -1;
    genState();
}

bool sc_06_minigame_14::collise(int i, int j)
{
    TQ_TRACE(" collise(int i, int j)");
    vec3& a = figures[i].target;
    vec3& b = figures[j].target;
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    if (std::fabs(dx) >= kApart || std::fabs(dy) >= kApart)
        return false;
    const int u = ScriptObject::random(11) - 5;
    const int v = ScriptObject::random(11) - 5;
    const float mx = (0.1f * u + dx) * 0.05f;
    const float my = (0.1f * v + dy) * 0.05f;
    a.x -= mx;
    a.y -= my;
    b.x += mx;
    b.y += my;
    return true;
}

bool sc_06_minigame_14::checkBorder(int i)
{
    TQ_TRACE(" checkBorder(int i)");
    vec3& t = figures[i].target;
    const vec3 before = t;
    if (t.x > 0.0f && t.x < kRightInner)
        t.x = kRightInner + 0.1f;
    if (t.x <= 0.0f && t.x > kLeftInner)
        t.x = kLeftInner - 0.1f;
    if (t.x > kRightOuter)
        t.x = kRightOuter - 0.1f;
    if (t.x < kLeftOuter)
        t.x = kLeftOuter + 0.1f;
    if (t.y < kLow)
        t.y = kLow + 0.1f;
    if (t.y > kHigh)
        t.y = kHigh - 0.1f;
    return t.x != before.x || t.y != before.y;
}

void sc_06_minigame_14::checkCollise()
{
    TQ_TRACE(" checkCollise()");
    bool changed = true;
    for (int pass = 0; changed && pass < kMostPasses; ++pass)
    {
        changed = false;
        for (int i = 0; i < kFigures; ++i)
        {
            if (nodeOf(i) != -1 || i == selected)
                continue;
            for (int j = i + 1; j < kFigures; ++j)
                if (nodeOf(j) == -1 && j != selected && collise(i, j))
                    changed = true;
            if (checkBorder(i))
                changed = true;
        }
    }
}

void sc_06_minigame_14::moveFigures(float dt)
{
    TQ_TRACE(" moveFigures(float dt)");
    if (pushApart)
    {
        checkCollise();
        pushApart = 0;
    }
    const vec3 held = pointer.planePoint + grabOffset;
    bool moving = false;
    for (int i = 0; i < kFigures; ++i)
    {
        _FIGURE& figure = figures[i];
        if (i == selected)
            figure.current = held;
        else if (figure.progress >= 1.0f)
            figure.current = figure.target;
        else
        {
            figure.progress += 3.0f * dt;
            figure.current = MiniGame::interp(figure.start, figure.target, MiniGame::cubeFunc(figure.progress));
            moving = true;
        }
        setPosition(figure.object, figure.current);
    }
    nodeUnder = -1;
    if (pointer.dragState != MiniGame::CBoardPointer::kIdle)
        for (int n = 0; n < kFigures; ++n)
            if (std::fabs(figures[n].nodePos.x - held.x) < kNodeReach && std::fabs(figures[n].nodePos.y - held.y) < kNodeReach)
                nodeUnder = n;
    if (selected != -1 || moving)
        return;
    for (int i = 0; i < kFigures; ++i)
        if (nodeOf(i) == -1)
            return;
    win();
}

void sc_06_minigame_14::focusPart(int i)
{
    TQ_TRACE(" focusPart(int i)");
    if (i < 0 || i >= kFigures)
        return;
    focused = i;
    if (pointer.dragState != MiniGame::CBoardPointer::kIdle || won)
        return;
    setVisible(highlight, true);
    highlighted = i;
    highlightMaterial = ScriptObject::indexedKey("06_04_game_select_", figures[i].picture / 3);
    setMaterial(highlight, 0, highlightMaterial);
}

void sc_06_minigame_14::unfocusPart()
{
    TQ_TRACE(" unfocusPart()");
    focused = -1;
}

void sc_06_minigame_14::moveSelect(float dt)
{
    TQ_TRACE(" moveSelect(float dt)");
    if (pointer.dragState == MiniGame::CBoardPointer::kIdle && focused != -1)
        brightness = std::min(1.0f, brightness + 3.0f * dt);
    else
    {
        brightness -= dt;
        if (brightness < 0.0f)
        {
            brightness = 0.0f;
            setVisible(highlight, false);
        }
    }
    if (highlighted != -1)
        setPosition(highlight, getPosition(figures[highlighted].object) + vec3(0.0f, 0.0f, 1.0f));
    materialSetColour(highlightMaterial, brightness, brightness, brightness, 1);
}

void sc_06_minigame_14::moveFon(float dt)
{
    TQ_TRACE(" moveFon(float dt)");
    if (!pulse)
        return;
    phase += 0.5f * dt;
    if (phase > 1.0f)
    {
        // Ends dark rather than a shade below black.
        phase = 1.0f;
        pulse = 0;
    }
    setFon(fun(phase));
}

void sc_06_minigame_14::moveFon2(float dt)
{
    TQ_TRACE(" moveFon2(float dt)");
    phase = std::min(1.0f, phase + 0.3f * dt);
    setFon(phase);
}

void sc_06_minigame_14::win()
{
    TQ_TRACE(" win()");
    sounds.play(kSndWin);
    MiniGame::announceWin(getOwner());
    won = 1;
    phase = fun(phase);
}
