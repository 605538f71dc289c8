#include "06_minigame_13.h"

#include "Application.h"
#include "Log.h"
#include "Object.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
const char* const kGame = "06_minigame_13";
const int kLocation = 6;
const int kNumber = 13;
const int kHint = 16013;
const int kPictures = 3;

enum Sound
{
    kSndWin = 0,
    kSndDrag = 1,
    kSndRelease = 2,
};

// The boxes in the camera's space: a grid of pitch kPitch from (kLeft,
// kBottom); the goal cells a smaller grid beside it.
const float kDepth = 114.586f;
const float kLeft = -32.75f;
const float kRight = 1.703f;
const float kBottom = -7.963f;
const float kTop = 26.49f;
const float kPitch = 8.61325f;
const float kLine = 5.0f * kPitch;
const float kHalfPitch = kLine / 10.0f;
const float kQuarterPitch = kLine / 20.0f;
const float kHalfLine = kLine / 2.0f;

struct Pattern
{
    const char* rows[5];
    bool shifted;
};

const Pattern kPatterns[5] = {
    {{"10010", "01001", "10100", "01010", "00100"}, true},
    {{"00011", "00110", "01100", "11000", "10001"}, true},
    {{"00000", "01111", "01001", "01001", "01111"}, true},
    {{"11111", "10001", "10101", "10101", "11101"}, false},
    {{"01010", "10001", "00100", "10001", "01010"}, true},
};

OBJECT_HANDLE namedObject(const char* name)
{
    CObject* object = gApp.findObject(name);
    if (!object)
    {
        Log::print("\nWARNING: Can't find object [%s] by name!", name);
        return 0;
    }
    return object->getHandle();
}

/// The springy ease folded back under 1: a bounce at the end.
float fun1(float a)
{
    const float f = MiniGame::cubeFunc(a);
    return f >= 1.0f ? 2.0f - f : f;
}

/// x brought into [low, low + kLine).
float wrapLine(float x, float low)
{
    while (x < low)
        x += kLine;
    // A cursor dragged further than a line to the right or upwards must not
    // carry boxes off the board.
    while (x >= low + kLine)
        x -= kLine;
    return x;
}
} // namespace

void sc_06_minigame_13::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "01_snd_01", "01_snd_02"});
    MiniGame::hideBoard(kGame);
    // The state is in memory from the start, so that a save that comes
    // before the game is played writes it back unchanged.
    if (!isGameEndSet(kLocation, kNumber))
        genData();
    else
        loadGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_06_minigame_13::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_06_minigame_13::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    if (param >= 10000 && param < 20000)
        focusPart(param - 10000);
    else if (param >= 20000 && param < 30000)
        unfocusPart();
}

void sc_06_minigame_13::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    const float dt = ScriptObject::frameSeconds();
    pointer.read(kDepth);
    if (won)
        return;
    if (pointer.clickWanted())
        click();
    const int before = pointer.dragState;
    pointer.followDrag();
    if (before == MiniGame::CBoardPointer::kGrabbed && pointer.dragState == MiniGame::CBoardPointer::kDragging)
    {
        sounds.play(kSndDrag);
        const float dx = pointer.planePoint.x - pointer.pressPoint[0];
        const float dy = pointer.planePoint.y - pointer.pressPoint[1];
        direction = std::fabs(dy) <= std::fabs(dx) ? kRow : kColumn;
    }
    moveBoxes(dt);
    moveSelect(dt);
}

void sc_06_minigame_13::startGame(OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_06_minigame_13::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    saveGame();
    MiniGame::putBoardAway(kGame);
}

void sc_06_minigame_13::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_06_minigame_13::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_06_minigame_13::genData()
{
    TQ_TRACE(" genData()");
    std::fill(saved, saved + kSaved, 0);
    won = 0;
    draw(1);
    draw(2);
    std::copy(saved, saved + kBoxes, saved + kShown);
    for (int n = 0; n < kBoxes; ++n)
    {
        const int a = ScriptObject::random(kBoxes) + kShown;
        const int b = ScriptObject::random(kBoxes) + kShown;
        if (a != b)
            std::swap(saved[a], saved[b]);
    }
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_06_minigame_13::draw(int p)
{
    TQ_TRACE(" draw(int p)");
    const Pattern& pattern = kPatterns[ScriptObject::random(5)];
    int u = ScriptObject::random(kSide);
    int v = ScriptObject::random(kSide);
    if (!pattern.shifted)
        u = v = 0;
    for (int i = 0; i < kSide; ++i)
        for (int j = 0; j < kSide; ++j)
            if (pattern.rows[i][j] == '1')
                saved[kSide * ((u + i) % kSide) + (v + j) % kSide] = p;
}

bool sc_06_minigame_13::stateValid() const
{
    TQ_TRACE(" stateValid()");
    for (int k = 0; k < kBoxes; ++k)
        if (saved[k] < 0 || saved[k] >= kPictures || saved[kShown + k] < 0 || saved[kShown + k] >= kPictures)
            return false;
    return true;
}

void sc_06_minigame_13::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kSaved, kLocation, kNumber, saved, &won);
    if (!stateValid())
    {
        Log::print("\nWARNING: saved state %d_%d of the mini-game is damaged, a new game is drawn", kLocation, kNumber);
        genData();
    }
    highlight = namedObject("06_01_game_select");
    brightness = 0.0f;
    highlightMaterial = "06_01_game_select";
    setVisible(highlight, false);
    highlighted = -1;
    spare = namedObject("06_01_game_box_move");
    for (int k = 0; k < kBoxes; ++k)
    {
        const int r = k / kSide;
        const int c = k % kSide;
        _BOX& box = boxes[k];
        box.box = findObjectIndexed("06_01_game_box_", k);
        box.goal = findObjectIndexed("06_01_game_pic_", k);
        box.goalPos = vec3((26.837f * (4 - c) + 45.074f * c) / 4.0f, (9.3f * (4 - r) + 27.537f * r) / 4.0f, -kDepth);
        setPosition(box.goal, box.goalPos);
        setPic2(k, saved[k]);
        setPic(k, saved[kShown + k]);
        box.home = vec3((kRight * c + kLeft * (4 - c)) / 4.0f, (kTop * r + kBottom * (4 - r)) / 4.0f, -kDepth);
        setPosition(box.box, box.home);
    }
    setVisible(spare, false);
    // A new start begins with nothing held and no line moving.
    pointer.drop();
    direction = kNone;
    settle = 1.0f;
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    timerId = ScriptObject::startFrameTimer(getOwner());
}

void sc_06_minigame_13::setPic(int k, int p)
{
    TQ_TRACE(" setPic(int k, int p)");
    setMaterial(boxes[k].box, 0, ScriptObject::indexedKey("06_01_game_pic_", p));
    boxes[k].picture = p;
}

void sc_06_minigame_13::setPic2(int k, int p)
{
    TQ_TRACE(" setPic2(int k, int p)");
    setMaterial(boxes[k].goal, 0, ScriptObject::indexedKey("06_01_game_pic_", p));
    boxes[k].goalPicture = p;
}

void sc_06_minigame_13::setPic3(int p)
{
    TQ_TRACE(" setPic3(int p)");
    if (p == sparePicture)
        return;
    setMaterial(spare, 0, ScriptObject::indexedKey("06_01_game_pic_", p));
    sparePicture = p;
}

void sc_06_minigame_13::click()
{
    TQ_TRACE(" click()");
    if (pointer.dragState == MiniGame::CBoardPointer::kIdle)
        select();
    else if (pointer.dragState == MiniGame::CBoardPointer::kDragging)
        deselect();
}

void sc_06_minigame_13::select()
{
    TQ_TRACE(" select()");
    if (focused == -1 || settle < 1.0f)
        return;
    pointer.grab();
    heldRow = focused / kSide;
    heldColumn = focused % kSide;
    setVisible(spare, true);
    mayTurn = 1;
}

void sc_06_minigame_13::lineHome(int line)
{
    TQ_TRACE(" lineHome(int line)");
    for (int n = 0; n < kSide; ++n)
    {
        const int k = line == kRow ? kSide * heldRow + n : kSide * n + heldColumn;
        setPosition(boxes[k].box, boxes[k].home);
    }
}

void sc_06_minigame_13::moveBoxes(float dt)
{
    TQ_TRACE(" moveBoxes(float dt)");
    const bool held = pointer.dragState != MiniGame::CBoardPointer::kIdle;
    const float dx = pointer.planePoint.x - pointer.pressPoint[0];
    const float dy = pointer.planePoint.y - pointer.pressPoint[1];
    if (std::fabs(dx) > kHalfPitch || std::fabs(dy) > kHalfPitch)
        mayTurn = 0;
    // Only a line in the hand turns: a released one settles as it went.
    if (mayTurn && pointer.dragState == MiniGame::CBoardPointer::kDragging)
    {
        if (std::fabs(dy) < std::fabs(dx) && direction == kColumn && std::fabs(dy) < kQuarterPitch)
        {
            lineHome(kColumn);
            direction = kRow;
        }
        if (std::fabs(dy) > std::fabs(dx) && direction == kRow && std::fabs(dx) < kQuarterPitch)
        {
            lineHome(kRow);
            direction = kColumn;
        }
    }

    float offset = 0.0f;
    if (held)
    {
        offset = direction == kRow ? dx : dy;
        dragOffset = offset;
    }
    else
    {
        settle = std::min(1.0f, settle + 5.0f * dt);
        offset = MiniGame::interp(dragOffset, 0.0f, fun1(settle));
    }

    const bool atHome = settle >= 1.0f && !held;
    if (direction != kNone && heldRow >= 0)
    {
        const vec3& anchor = boxes[kSide * heldRow + heldColumn].home;
        float least = 0.0f;
        int leastAt = 0;
        for (int n = 0; n < kSide; ++n)
        {
            const int k = direction == kRow ? kSide * heldRow + n : kSide * n + heldColumn;
            const float home = direction == kRow ? boxes[k].home.x : boxes[k].home.y;
            const float at = atHome ? home : wrapLine(home + offset - kLine, direction == kRow ? kLeft : kBottom);
            setPosition(boxes[k].box, direction == kRow ? vec3(at, anchor.y, anchor.z) : vec3(anchor.x, at, anchor.z));
            if (n == 0 || at < least)
            {
                least = at;
                leastAt = n;
            }
        }
        // The spare box shows the box that comes in at the low end.
        const int previous = (leastAt + kSide - 1) % kSide;
        if (direction == kRow)
        {
            setPosition(spare, vec3(least - kPitch, anchor.y, anchor.z));
            setPic3(boxes[kSide * heldRow + previous].picture);
        }
        else
        {
            setPosition(spare, vec3(anchor.x, least - kPitch, anchor.z));
            setPic3(boxes[kSide * previous + heldColumn].picture);
        }
    }

    float t = offset - kLine;
    while (t < 0.0f)
        t += kLine;
    shift = static_cast<int>(t / kPitch + 0.5f);
    if (held)
    {
        dragOffset = offset - (shift % kSide) * kPitch;
        while (dragOffset < -kHalfLine)
            dragOffset += kLine;
        while (dragOffset > kHalfLine)
            dragOffset -= kLine;
    }

    if (direction != kNone && settle == 1.0f && !held)
    {
        direction = kNone;
        setVisible(spare, false);
        bool solved = true;
        for (int k = 0; k < kBoxes; ++k)
            solved = solved && saved[kShown + k] == saved[k];
        if (solved)
            win();
    }
}

void sc_06_minigame_13::deselect()
{
    TQ_TRACE(" deselect()");
    int pictures[kSide];
    for (int n = 0; n < kSide; ++n)
    {
        const int k = direction == kRow ? kSide * heldRow + n : kSide * n + heldColumn;
        pictures[n] = boxes[k].picture;
    }
    for (int n = 0; n < kSide; ++n)
    {
        const int to = (shift + n) % kSide;
        const int k = direction == kRow ? kSide * heldRow + to : kSide * to + heldColumn;
        setPic(k, pictures[n]);
        saved[kShown + k] = pictures[n];
    }
    // The highlight moves with its box when that box was on the line.
    if (highlighted != -1)
    {
        const int r = highlighted / kSide;
        const int c = highlighted % kSide;
        if (direction == kRow && r == heldRow)
            highlighted = kSide * r + (shift + c) % kSide;
        else if (direction == kColumn && c == heldColumn)
            highlighted = c + kSide * ((shift + r) % kSide);
    }
    sounds.play(kSndRelease);
    pointer.drop();
    settle = 0.0f;
}

void sc_06_minigame_13::focusPart(int i)
{
    TQ_TRACE(" focusPart(int i)");
    if (i < 0 || i >= kBoxes)
        return;
    focused = i;
    if (pointer.dragState != MiniGame::CBoardPointer::kIdle || won)
        return;
    setVisible(highlight, true);
    highlighted = i;
    const int p = boxes[i].picture;
    if (p >= 0 && p < kPictures)
    {
        highlightMaterial = ScriptObject::indexedKey("06_01_game_select_", p);
        setMaterial(highlight, 0, highlightMaterial);
    }
}

void sc_06_minigame_13::unfocusPart()
{
    TQ_TRACE(" unfocusPart()");
    focused = -1;
}

void sc_06_minigame_13::moveSelect(float dt)
{
    TQ_TRACE(" moveSelect(float dt)");
    const bool held = pointer.dragState != MiniGame::CBoardPointer::kIdle;
    if ((!held && focused != -1) || (held && focused == highlighted))
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
        setPosition(highlight, getPosition(boxes[highlighted].box));
    materialSetColour(highlightMaterial, brightness, brightness, brightness, 1);
}

void sc_06_minigame_13::win()
{
    TQ_TRACE(" win()");
    sounds.play(kSndWin);
    MiniGame::announceWin(getOwner());
    won = 1;
    setVisible(highlight, false);
}
