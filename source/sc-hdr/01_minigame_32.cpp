#include "01_minigame_32.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
const char* const kGame = "01_minigame_32";
const int kLocation = 1;
const int kNumber = 32;
const int kHint = 16043;
const int kHintAnswer = 305; ///< to the interface when the hint comes back

const float kBoardDepth = 112.337f;
const float kMeshDistance = 11.48f;  ///< two meshing pins
const float kFarFromChain = 12.88f;  ///< pins that must not mesh keep this apart
const float kTooClose = 7.84f;       ///< a decoy never nearer than this to any pin
const float kNearMesh = 10.08f;      ///< from here to kFarFromChain gears would jam
const float kOccupiedClear = 11.28f; ///< a gear needs this much room from any placed gear
const float kPinRadius = 4.2f;
const float kLift = 3.0f;
const int kAttempts = 100;

// The decoys' fixed parents, pins 8..17.
const int kDecoyParent[10] = {0, 1, 9, 2, 11, 12, 10, 13, 8, 16};

const vec3 kPin0(-20.0f, -10.0f, -kBoardDepth);

// Sounds by index: 0 solved, 1 gear picked, 2 put on a pin, 3 back to the tray.
const int kSndWin = 0;
const int kSndPick = 1;
const int kSndOnPin = 2;
const int kSndToTray = 3;

bool outOfBounds(const vec3& p)
{
    return p.x < -30.0f || p.x > 30.0f || p.y < -17.0f || p.y > 30.0f;
}

int fixedParent(int p)
{
    return p < 8 ? p - 1 : kDecoyParent[p - 8];
}
} // namespace

void sc_01_minigame_32::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "01_snd_01", "01_snd_02", "01_snd_03"});
    MiniGame::hideBoard(kGame);
    if (!isGameEndSet(kLocation, kNumber))
        genData();
}

void sc_01_minigame_32::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.free();
}

void sc_01_minigame_32::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, code, getOwner(), from))
        return;
    // The tip window answers the hint with its code on a click and with
    // the code + 10000 once it has gone, whichever way it was closed: only
    // that one always comes.  Both lie in the ranges of the pieces' codes.
    if (code == kHint)
        return;
    if (code == kHint + 10000)
        sendNotifyByName("00_game_interface", kHintAnswer, getOwner());
    else if (code >= 10000 && code < 20000)
        focusWord(code - 10000);
    else if (code >= 20000 && code < 30000)
        unfocusWord();
}

void sc_01_minigame_32::getPos3(const vec3& prev_pos, int ang, vec3& new_pos)
{
    TQ_TRACE(" getPos3(vec3 prev_pos, int ang, vec3 &new_pos)");
    const float a = static_cast<float>(ang) / 16.0f * 3.1415926f;
    new_pos = vec3(prev_pos.x + kMeshDistance * std::sin(a), prev_pos.y + kMeshDistance * std::cos(a), prev_pos.z);
}

void sc_01_minigame_32::getPos(int i, vec3& pos)
{
    TQ_TRACE(" getPos(int i, vec3 &pos)");
    pos = vec3(-46.0f, 12.6f * static_cast<float>(i) - 40.0f, -kBoardDepth);
}

int sc_01_minigame_32::compareLen(const vec3& p1, const vec3& p2, float len)
{
    TQ_TRACE(" compareLen(vec3 p1, vec3 p2, float len)");
    const float dx = p1.x - p2.x;
    const float dy = p1.y - p2.y;
    return dx * dx + dy * dy < len * len ? 1 : 0;
}

float sc_01_minigame_32::fun1(float x)
{
    TQ_TRACE(" fun1(float x)");
    return PuzzleBoard::easeOut(x);
}

float sc_01_minigame_32::interp(float x1, float x2, float a)
{
    TQ_TRACE(" interp(float x1, float x2, float a)");
    return PuzzleBoard::interp(x1, x2, a);
}

bool sc_01_minigame_32::layChain(vec3* positions, int& attempts)
{
    TQ_TRACE(" layChain(vec3 *positions, int &attempts)");
    for (int p = 1; p < kChainPins; ++p)
    {
        for (;;)
        {
            const int direction = ScriptObject::random(32);
            setPipkaAngle(p, direction);
            setPipkaConnect(p, p - 1);
            getPos3(positions[p - 1], direction, positions[p]);
            bool refused = outOfBounds(positions[p]);
            for (int q = 0; q < p - 1 && !refused; ++q)
                refused = compareLen(positions[p], positions[q], kFarFromChain) != 0;
            if (++attempts >= kAttempts)
                return false;
            if (!refused)
                break;
        }
    }
    return positions[7].x >= 0.0f && positions[7].y >= 0.0f;
}

bool sc_01_minigame_32::layDecoys(vec3* positions, int& attempts)
{
    TQ_TRACE(" layDecoys(vec3 *positions, int &attempts)");
    for (int p = kChainPins; p < kPins; ++p)
    {
        const int parent = kDecoyParent[p - kChainPins];
        for (;;)
        {
            const int direction = ScriptObject::random(32);
            setPipkaAngle(p, direction);
            setPipkaConnect(p, parent);
            getPos3(positions[parent], direction, positions[p]);
            bool refused = outOfBounds(positions[p]);
            for (int q = 0; q < p && !refused; ++q)
            {
                const bool far = compareLen(positions[p], positions[q], kFarFromChain) == 0;
                if (q < parent && !far)
                    refused = true;
                else if (compareLen(positions[p], positions[q], kTooClose))
                    refused = true;
                // At about the meshing distance the decoy's gear would
                // touch a gear that it does not hang from.
                else if (q != parent && !far && !compareLen(positions[p], positions[q], kNearMesh))
                    refused = true;
            }
            if (++attempts >= kAttempts)
                return false;
            if (!refused)
                break;
        }
    }
    return true;
}

void sc_01_minigame_32::genData()
{
    TQ_TRACE(" genData()");
    for (int& s : state)
        s = 0;
    solved = 0;
    vec3 positions[kPins];
    positions[0] = kPin0;
    // Both phases share one run of attempts; a run that ends without a
    // board starts over from the chain.
    for (;;)
    {
        int attempts = 0;
        if (layChain(positions, attempts) && layDecoys(positions, attempts))
            break;
    }
    for (int g = 0; g < kGears; ++g)
        setGearPos(g, -1);
    setGearPos(0, 0);
    setGearPos(7, 7);
    saveGameArray(kStateSize, kLocation, kNumber, state, &solved);
}

void sc_01_minigame_32::startGame(OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_01_minigame_32::repairState()
{
    TQ_TRACE(" repairState()");
    for (int p = 1; p < kPins; ++p)
    {
        const int parent = getPipkaConnect(p);
        if (parent < 0 || parent >= p)
        {
            Log::print("\nWARNING: %s: saved parent %d of pin %d replaced", kGame, parent, p);
            setPipkaConnect(p, fixedParent(p));
        }
    }
    for (int g = 0; g < kGears; ++g)
    {
        const int pin = getGearPos(g);
        if (pin < -1 || pin >= kPins)
        {
            Log::print("\nWARNING: %s: saved pin %d of gear %d replaced by the tray", kGame, pin, g);
            setGearPos(g, -1);
        }
    }
}

void sc_01_minigame_32::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kStateSize, kLocation, kNumber, state, &solved);
    repairState();
    // A gear held when the game closed was saved without a pin: it is let
    // go and waits in the tray.
    selectedGear = -1;
    drag.state = PuzzleBoard::Drag::kIdle;
    background = gApp.findObjectHandle("01_01_game_fon");
    backgroundPosition = getPosition(background);
    highlight = gApp.findObjectHandle("01_01_game_select");
    highlightLevel = 0.0f;
    highlightOn = 0;
    highlightGear = 0;
    for (int p = 0; p < kPins; ++p)
    {
        Pin& pin = pins[p];
        pin.object = findObjectIndexed("01_01_pipka_", p);
        pin.gear = -1;
        if (p == 0)
            pin.position = kPin0;
        else
            getPos3(pins[getPipkaConnect(p)].position, getPipkaAngle(p), pin.position);
        setPosition(pin.object, pin.position);
        setScale(pin.object, vec3(0.9124210f * 0.7f, 3.0124f * 0.7f, 0.9124210f * 0.7f));
    }
    for (int g = 0; g < kGears; ++g)
    {
        Gear& gear = gears[g];
        gear.object = findObjectIndexed("01_01_gear_", g);
        getPos(g, gear.from);
        gear.to = gear.current = gear.from;
        gear.t = 1.0f;
        gear.turn = 1;
        setPosition(gear.object, gear.from);
        setScale(gear.object, vec3(0.7f, 0.7f, 0.7f));
        if (getGearPos(g) != -1)
            gear.from = gear.to = gear.current = pins[getGearPos(g)].position;
        setMaterial(gear.object, 3, "00_empty");
    }
    // A second start without a close in between keeps one tick.
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    timerId = ScriptObject::startFrameTimer(getOwner());
    rotateGen();
}

void sc_01_minigame_32::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    saveGameArray(kStateSize, kLocation, kNumber, state, &solved);
    MiniGame::putBoardAway(kGame);
}

void sc_01_minigame_32::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kStateSize, kLocation, kNumber, state, &solved);
}

void sc_01_minigame_32::showHint()
{
    TQ_TRACE(" showHint()");
    sendNotifyByName("interface", kHint, getOwner());
}

void sc_01_minigame_32::win()
{
    TQ_TRACE(" win()");
    playSnd(kSndWin);
    MiniGame::announceWin(getOwner());
    solved = 1;
}

void sc_01_minigame_32::rotateGen()
{
    TQ_TRACE(" rotateGen()");
    for (Gear& gear : gears)
        gear.turn = 0;
    for (Pin& pin : pins)
        pin.gear = -1;
    for (int g = 0; g < kGears; ++g)
        if (getGearPos(g) != -1)
            pins[getGearPos(g)].gear = g;
    gears[0].turn = 1;
    // Eight passes carry the turning down the longest branch.
    for (int pass = 0; pass < 8; ++pass)
        for (int g = 1; g < kGears; ++g)
        {
            const int p = getGearPos(g);
            // Pin 0 hangs from nothing.
            if (p <= 0)
                continue;
            const int h = pins[getPipkaConnect(p)].gear;
            if (h != -1)
                gears[g].turn = -gears[h].turn;
        }
}

int sc_01_minigame_32::check() const
{
    TQ_TRACE(" check()");
    for (int g = 0; g < kGears; ++g)
    {
        const int p = getGearPos(g);
        if (p == -1)
            continue;
        if (p == candidatePin || compareLen(pins[p].position, pins[candidatePin].position, kOccupiedClear))
            return 0;
    }
    return 1;
}

void sc_01_minigame_32::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    const float dt = ScriptObject::frameSeconds();
    pointer.read();
    if (!solved)
    {
        if (drag.clickDue(pointer.mouse))
            click();
        drag.follow(pointer);
    }
    moveGear(dt);
}

void sc_01_minigame_32::click()
{
    TQ_TRACE(" click()");
    if (drag.state == PuzzleBoard::Drag::kIdle)
        select();
    else if (drag.state == PuzzleBoard::Drag::kDragging)
        deselect();
}

void sc_01_minigame_32::select()
{
    TQ_TRACE(" select()");
    // The driving gear and the last gear stay on their pins.
    if (focusedGear < 1 || focusedGear > 6)
        return;
    playSnd(kSndPick);
    selectedGear = focusedGear;
    Gear& gear = gears[selectedGear];
    drag.state = PuzzleBoard::Drag::kGrabbed;
    grabOffset = vec3(gear.current.x - pointer.point.x, gear.current.y - pointer.point.y, kLift);
    gear.from = gear.current;
    gear.t = 0.0f;
    drag.pressPoint = pointer.point;
    setGearPos(selectedGear, -1);
    rotateGen();
}

void sc_01_minigame_32::deselect()
{
    TQ_TRACE(" deselect()");
    Gear& gear = gears[selectedGear];
    gear.from = gear.current;
    if (candidatePin != -1 && check())
    {
        playSnd(kSndOnPin);
        gear.to = pins[candidatePin].position;
        setGearPos(selectedGear, candidatePin);
    }
    else
    {
        playSnd(kSndToTray);
        getPos(selectedGear, gear.to);
    }
    gear.t = 0.0f;
    selectedGear = -1;
    drag.state = PuzzleBoard::Drag::kIdle;
    rotateGen();
}

void sc_01_minigame_32::moveGear(float inc)
{
    TQ_TRACE(" moveGear(float inc)");
    if (solved)
    {
        // The solved board trembles, more and more over six seconds.
        shakeTime += 50.0f * inc;
        shakeOffset = vec3(0.0f, 0.25f * fun1(shakeTime / 300.0f) * std::sin(shakeTime), 0.0f);
    }
    else
        shakeOffset = vec3::ZERO;

    turnAngle += 30.0f * inc;
    candidatePin = -1;
    if (selectedGear != -1)
        gears[selectedGear].to = pointer.point + grabOffset;

    bool allTurn = true;
    for (int g = 0; g < kGears; ++g)
    {
        Gear& gear = gears[g];
        if (gear.t < 1.0f)
        {
            const float f = fun1(gear.t);
            gear.current = vec3(interp(gear.from.x, gear.to.x, f), interp(gear.from.y, gear.to.y, f),
                                interp(gear.from.z, gear.to.z, f));
            gear.t += 3.0f * inc;
        }
        else
            gear.current = gear.to;
        if (gear.turn != 0)
            setOrientationDeg(gear.object, vec3(0.0f, 0.0f, static_cast<float>(gear.turn) * turnAngle + 16.0f));
        setPosition(gear.object, gear.current + shakeOffset);
        const int p = getGearPos(g);
        if (gear.t < 1.0f || gear.turn == 0 || p < 0 || p >= kChainPins)
            allTurn = false;
    }

    const vec3 held = pointer.point + grabOffset;
    for (int p = 0; p < kPins; ++p)
    {
        const Pin& pin = pins[p];
        if (std::fabs(held.x - pin.position.x) < kPinRadius && std::fabs(held.y - pin.position.y) < kPinRadius)
            candidatePin = p;
        setPosition(pin.object, pin.position + shakeOffset);
    }

    if (allTurn && !solved)
        win();

    setPosition(background, backgroundPosition + shakeOffset);
    setPosition(highlight, gears[highlightGear].current);
    if (highlightOn && !solved)
        highlightLevel = std::min(highlightLevel + inc, 1.0f);
    else
        highlightLevel = std::max(highlightLevel - inc, 0.0f);
    materialSetColour("01_01_game_select", highlightLevel, highlightLevel, highlightLevel);
}

void sc_01_minigame_32::focusWord(int i)
{
    TQ_TRACE(" focusWord(int i)");
    // Only the board's gears have pieces.
    if (i < 0 || i >= kGears)
        return;
    focusedGear = i;
    if (i != 0)
    {
        highlightOn = 1;
        highlightGear = i;
    }
}

void sc_01_minigame_32::unfocusWord()
{
    TQ_TRACE(" unfocusWord()");
    focusedGear = -1;
    highlightOn = 0;
}

int sc_01_minigame_32::getGearPos(int i) const
{
    TQ_TRACE(" getGearPos(int i)");
    return state[kGearPins + i];
}

void sc_01_minigame_32::setGearPos(int i, int value)
{
    TQ_TRACE(" setGearPos(int i, int value)");
    state[kGearPins + i] = value;
}

int sc_01_minigame_32::getPipkaAngle(int i) const
{
    TQ_TRACE(" getPipkaAngle(int i)");
    return state[2 * i];
}

void sc_01_minigame_32::setPipkaAngle(int i, int value)
{
    TQ_TRACE(" setPipkaAngle(int i, int value)");
    state[2 * i] = value;
}

int sc_01_minigame_32::getPipkaConnect(int i) const
{
    TQ_TRACE(" getPipkaConnect(int i)");
    return state[2 * i + 1];
}

void sc_01_minigame_32::setPipkaConnect(int i, int value)
{
    TQ_TRACE(" setPipkaConnect(int i, int value)");
    state[2 * i + 1] = value;
}

void sc_01_minigame_32::playSnd(int i) const
{
    TQ_TRACE(" playSnd(int i)");
    sounds.play(i);
}
