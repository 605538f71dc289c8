#include "06_minigame_15.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace
{
const char* const kGame = "06_minigame_15";
const int kLocation = 6;
const int kNumber = 15;
const int kCount = 32;
const int kHint = 16015;
const float kBoardDepth = 113.588f;
const int kWalls[] = {2, 10, 12, 14, 22};
const int kSwaps = 32;

const int kSndWin = 0;
const int kSndMove = 1;
} // namespace

void sc_06_minigame_15::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "01_snd_03"});
    MiniGame::hideBoard(kGame);
    // The cells always mirror the save, so that a save or a close that
    // comes before the first start writes back what was there.
    if (!isGameEndSet(kLocation, kNumber))
        genData();
    else
        loadGameArray(kCount, kLocation, kNumber, cells, &gameOver);
}

void sc_06_minigame_15::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_06_minigame_15::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    if (param >= 10000 && param < 20000)
        focusPart(param - 10000);
    else if (param >= 20000 && param < 30000)
        unfocusPart();
}

void sc_06_minigame_15::startGame(OBJECT_HANDLE from)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    requester = from;
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_06_minigame_15::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timer);
    saveGame();
    MiniGame::putBoardAway(kGame);
}

void sc_06_minigame_15::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kCount, kLocation, kNumber, cells, &gameOver);
}

void sc_06_minigame_15::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

// ---------------------------------------------------------------------------
// The field

void sc_06_minigame_15::getFieldPos(int i, int& x, int& y)
{
    TQ_TRACE(" getFieldPos(int i, int &x, int &y)");
    x = ((i / 4) % 2) * 3 + i % 2;
    y = ((i / 4) / 2) * 3 + (i % 4) / 2;
}

int sc_06_minigame_15::block(int x, int y)
{
    TQ_TRACE(" block(int x, int y)");
    if (x == 2 || y == 2)
        return -1;
    return x / 3 + (y / 3) * 2;
}

vec3 sc_06_minigame_15::cellPos(int x, int y)
{
    TQ_TRACE(" cellPos(int x, int y)");
    return vec3((x - 2) * 58.0f / 4.0f, ((4 - y) * 33.228f - y * 23.228f) / 4.0f, -kBoardDepth);
}

void sc_06_minigame_15::cellAt(const vec3& p, int& x, int& y)
{
    TQ_TRACE(" cellAt(const vec3 &p, int &x, int &y)");
    // Rounded down, not toward zero: a cursor up to a cell beyond the left
    // or top edge must not count as the first column or row.
    x = static_cast<int>(std::floor((p.x + 29.0f) * 4.0f / 58.0f + 0.5f));
    y = static_cast<int>(std::floor(0.5f - (p.y - 33.228f) * 4.0f / 56.456f));
}

bool sc_06_minigame_15::isWall(int x, int y)
{
    TQ_TRACE(" isWall(int x, int y)");
    for (int w : kWalls)
        if (w == x * kSide + y)
            return true;
    return false;
}

void sc_06_minigame_15::genData()
{
    TQ_TRACE(" genData()");
    gameOver = 0;
    for (int i = 0; i < kBoxes; ++i)
        getFieldPos(i, cells[2 * i], cells[2 * i + 1]);
    for (int n = 0; n < kSwaps; ++n)
    {
        const int a = ScriptObject::random(kBoxes);
        const int b = ScriptObject::random(kBoxes);
        if (a == b)
            continue;
        std::swap(cells[2 * a], cells[2 * b]);
        std::swap(cells[2 * a + 1], cells[2 * b + 1]);
    }
    saveGame();
}

void sc_06_minigame_15::genState()
{
    TQ_TRACE(" genState()");
    for (int& f : field)
        f = 0;
    for (int k = 0; k < kBoxes; ++k)
        field[cells[2 * k] * kSide + cells[2 * k + 1]] = 1;
    for (int w : kWalls)
        field[w] = 1;
}

bool sc_06_minigame_15::stateValid() const
{
    TQ_TRACE(" stateValid()");
    int taken[kSide * kSide] = {};
    for (int k = 0; k < kBoxes; ++k)
    {
        const int x = cells[2 * k];
        const int y = cells[2 * k + 1];
        if (x < 0 || x >= kSide || y < 0 || y >= kSide || isWall(x, y) || taken[x * kSide + y]++)
            return false;
    }
    return true;
}

void sc_06_minigame_15::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kCount, kLocation, kNumber, cells, &gameOver);
    if (!stateValid())
    {
        Log::print("\nWARNING: %s: damaged saved state, a new arrangement is made", kGame);
        genData();
    }
    background = gApp.findObjectHandle("06_07_game_fon");
    getPosition(background);
    initSelect();
    for (int i = 0; i < kBoxes; ++i)
    {
        Box& b = boxes[i];
        b.handle = findObjectIndexed("06_07_game_box_", i);
        b.target = b.origin = b.pos = cellPos(cells[2 * i], cells[2 * i + 1]);
        b.progress = 1.0f;
        setPosition(b.handle, b.pos);
        setColor(i);
    }
    genState();
    // A game closed with a box in hand starts again with empty hands.
    pointer.drop();
    selected = -1;
    focused = -1;
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_06_minigame_15::initSelect()
{
    TQ_TRACE(" initSelect()");
    frame = gApp.findObjectHandle("06_07_game_box_select");
    glow = 0.0f;
    frameMaterial = "06_07_game_box_select";
    setVisible(frame, false);
    framed = -1;
}

void sc_06_minigame_15::setColor(int i)
{
    TQ_TRACE(" setColor(int i)");
    if (boxes[i].handle)
        setMaterial(boxes[i].handle, 0, ScriptObject::indexedKey("06_07_game_box_", i / 4));
}

// ---------------------------------------------------------------------------
// Play

void sc_06_minigame_15::focusPart(int i)
{
    TQ_TRACE(" focusPart(int i)");
    if (i < 0 || i >= kBoxes)
        return;
    focused = i;
    if (pointer.dragState == MiniGame::CBoardPointer::kIdle && !gameOver)
    {
        setVisible(frame, true);
        framed = i;
        frameMaterial = ScriptObject::indexedKey("06_07_game_box_select_", i / 4);
        setMaterial(frame, 0, frameMaterial);
    }
}

void sc_06_minigame_15::unfocusPart()
{
    TQ_TRACE(" unfocusPart()");
    focused = -1;
}

void sc_06_minigame_15::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    pointer.read(kBoardDepth);
    if (gameOver)
        return;
    if (pointer.clickWanted())
        click();
    pointer.followDrag();
    const float inc = ScriptObject::frameSeconds();
    moveSelect(inc);
    moveBoxes(inc);
}

void sc_06_minigame_15::click()
{
    TQ_TRACE(" click()");
    if (pointer.dragState == MiniGame::CBoardPointer::kIdle)
        select();
    else if (pointer.dragState == MiniGame::CBoardPointer::kDragging)
        deselect();
}

void sc_06_minigame_15::select()
{
    TQ_TRACE(" select()");
    if (focused == -1)
        return;
    selected = focused;
    pointer.grab();
}

void sc_06_minigame_15::deselect()
{
    TQ_TRACE(" deselect()");
    pointer.drop();
    selected = -1;
}

void sc_06_minigame_15::moveSelect(float inc)
{
    TQ_TRACE(" moveSelect(float inc)");
    if (focused == -1)
    {
        glow -= inc;
        if (glow < 0.0f)
        {
            glow = 0.0f;
            setVisible(frame, false);
        }
    }
    else
    {
        glow += 3.0f * inc;
        if (glow > 1.0f)
            glow = 1.0f;
    }
    if (framed != -1)
        setPosition(frame, getPosition(boxes[framed].handle));
    materialSetColour(frameMaterial, glow, glow, glow);
}

void sc_06_minigame_15::moveBoxes(float inc)
{
    TQ_TRACE(" moveBoxes(float inc)");
    bool won = true;
    for (int k = 0; k < kBoxes; ++k)
    {
        Box& b = boxes[k];
        if (b.progress < 1.0f)
        {
            b.progress += 3.0f * inc;
            // The ease overshoots on the way; the move ends on its cell.
            if (b.progress >= 1.0f)
            {
                b.progress = 1.0f;
                b.pos = b.target;
            }
            else
            {
                const float f = MiniGame::cubeFunc(b.progress);
                b.pos = b.target * f + b.origin * (1.0f - f);
            }
            won = false;
        }
        setPosition(b.handle, b.pos);
        if (block(cells[2 * k], cells[2 * k + 1]) != k / 4)
            won = false;
    }
    // Won, the boxes stay: a move started now would never be played.
    if (won)
    {
        win();
        return;
    }

    int mx = 0;
    int my = 0;
    cellAt(pointer.planePoint, mx, my);
    if (selected == -1 || mx < 0 || mx >= kSide || my < 0 || my >= kSide || field[mx * kSide + my])
        return;
    const int dx = mx - cells[2 * selected];
    const int dy = my - cells[2 * selected + 1];
    if (std::abs(dx) + std::abs(dy) != 1)
        return;
    Box& b = boxes[selected];
    cells[2 * selected] = mx;
    cells[2 * selected + 1] = my;
    b.origin = b.pos;
    b.target = cellPos(mx, my);
    b.progress = 0.0f;
    genState();
    sounds.play(kSndMove);
}

void sc_06_minigame_15::win()
{
    TQ_TRACE(" win()");
    sounds.play(kSndWin);
    MiniGame::announceWin(getOwner());
    gameOver = 1;
    setVisible(frame, false);
}
