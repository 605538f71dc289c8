#include "06_minigame_131.h"

#include "Application.h"
#include "Log.h"
#include "Object.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>

namespace
{
const char* const kGame = "06_minigame_131";
const int kLocation = 6;
const int kNumber = 131;
const int kHint = 16011;
const int kFreeLead = 5;   ///< the weight that has no shelf place
const int kStartCup = 2;   ///< where that weight stands at first
const int kTopSlot = 3;    ///< a cup with this slot taken is full
const float kBottom = -10.0f;

enum Sound
{
    kSndWin = 0,
    kSndDrop = 2,
    kSndBack = 3,
    kSndStop = 4,
    kSndLevel = 5,
};

const int kMasses[sc_06_minigame_131::kLeads] = {1, 2, 3, 4, 5, 3};
const float kHeights[sc_06_minigame_131::kLeads] = {14.0f, 20.0f, 24.6f, 28.8f, 32.0f, 35.0f};
const float kShelfX = 4053.667f;
const float kShelfZ = -227.893f;
const float kShelfY[sc_06_minigame_131::kLeads - 1] = {-430.709f, -478.195f, -533.618f, -595.246f, -664.807f};
const int kWinMass[sc_06_minigame_131::kCups] = {9, 3, 6};
const char* const kCupBones[sc_06_minigame_131::kCups] = {"bone_02", "bone_03", "bone_06"};
const float kCursorDepth = 485.0f;
const float kDropDepth = 570.0f;
const float kStop = 15.0f;
const float kAtRest = 0.3f;

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
float fun2(float a)
{
    const float f = MiniGame::cubeFunc(a);
    return f >= 1.0f ? 2.0f - f : f;
}

/// A hop up and down again.
float fun3(float a)
{
    return 4.0f * a - 4.0f * a * a;
}

float wobble(float x)
{
    return x > -kAtRest && x < kAtRest ? 0.0f : 1.0f;
}
} // namespace

void sc_06_minigame_131::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "01_snd_01", "131_snd_02", "01_snd_03", "131_snd_04", "131_snd_05"});
    MiniGame::hideBoard(kGame);
    // The state is in memory from the start, so that a save that comes
    // before the game is played writes it back unchanged.
    if (!isGameEndSet(kLocation, kNumber))
        genData();
    else
        loadGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_06_minigame_131::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_06_minigame_131::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    if (param >= 10000 && param < 20000)
    {
        const int w = param - 10000;
        if (w < kLeads)
            focused = w;
    }
    else if (param >= 20000 && param < 30000)
        focused = -1;
}

void sc_06_minigame_131::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    const float dt = ScriptObject::frameSeconds();
    // The scales stand in the room: the cursor is wanted in world space.
    pointer.mouse.read();
    pointer.cursor = vec3(pointer.mouse.x, pointer.mouse.y, kCursorDepth);
    screenToPlane2(pointer.cursor, pointer.planePoint);
    screenToPlane2(vec3(pointer.mouse.x, pointer.mouse.y, kDropDepth), dropPoint);
    if (won)
        return;
    if (pointer.clickWanted())
        click();
    pointer.followDrag();
    moveLeads(dt);
    moveCups(dt);
}

void sc_06_minigame_131::startGame(OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_06_minigame_131::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    saveGame();
    MiniGame::putBoardAway(kGame);
}

void sc_06_minigame_131::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_06_minigame_131::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_06_minigame_131::genData()
{
    TQ_TRACE(" genData()");
    std::fill(saved, saved + kSaved, -1);
    won = 0;
    saved[kFreeLead] = kStartCup;
    saved[kSlotBase + kSlots * kStartCup] = kFreeLead;
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

bool sc_06_minigame_131::stateValid() const
{
    TQ_TRACE(" stateValid()");
    int seen[kLeads] = {};
    for (int t = 0; t < kCups; ++t)
    {
        bool gap = false;
        for (int i = 0; i < kSlots; ++i)
        {
            const int w = saved[kSlotBase + kSlots * t + i];
            if (w == -1)
            {
                gap = true;
                continue;
            }
            if (gap || i > kTopSlot || w < 0 || w >= kLeads || saved[w] != t || seen[w]++)
                return false;
        }
    }
    for (int w = 0; w < kLeads; ++w)
        if (saved[w] < -1 || saved[w] >= kCups || (saved[w] != -1 && !seen[w]))
            return false;
    return saved[kFreeLead] != -1;
}

vec3 sc_06_minigame_131::getPos(int w) const
{
    TQ_TRACE(" getPos(int w)");
    return vec3(kShelfX, w < kFreeLead ? kShelfY[w] : leads[w].target.y, kShelfZ);
}

int sc_06_minigame_131::slotOf(int w) const
{
    TQ_TRACE(" slotOf(int w)");
    const int t = saved[w];
    if (t < 0 || t >= kCups)
        return -1;
    for (int i = 0; i < kSlots; ++i)
        if (saved[kSlotBase + kSlots * t + i] == w)
            return i;
    return -1;
}

void sc_06_minigame_131::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kSaved, kLocation, kNumber, saved, &won);
    if (!stateValid())
    {
        Log::print("\nWARNING: saved state %d_%d of the mini-game is damaged, a new game is drawn", kLocation, kNumber);
        genData();
    }
    scales = namedObject("06_04_vesy_01");
    // The weights in the cups are shown on them from the first tick.
    findCups();
    for (int w = 0; w < kLeads; ++w)
    {
        _LEAD& lead = leads[w];
        lead.object = findObjectIndexed("06_04_Piramida_", w);
        lead.progress = 1.0f;
        lead.mass = kMasses[w];
        lead.height = kHeights[w];
        lead.start = lead.target = lead.current = w < kFreeLead ? getPos(w) : vec3(0.0f, 0.0f, kBottom);
        setPosition(lead.object, lead.current);
        setVisible(lead.object, true);
    }
    for (_CUP& cup : cups)
        cup.height = 0.0f;
    // Nothing is carried at a new start.
    selected = -1;
    pointer.drop();
    genState(1);
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    timerId = ScriptObject::startFrameTimer(getOwner());
}

void sc_06_minigame_131::genState(int place)
{
    TQ_TRACE(" genState(int place)");
    for (int t = 0; t < kCups; ++t)
    {
        _CUP& cup = cups[t];
        cup.height = kBottom;
        cup.mass = 0;
        for (int i = 0; i < kSlots; ++i)
        {
            const int w = saved[kSlotBase + kSlots * t + i];
            if (w == -1)
                continue;
            _LEAD& lead = leads[w];
            if (place == 1)
            {
                lead.start = lead.target = lead.current = vec3(0.0f, 0.0f, cup.height);
                lead.progress = 1.0f;
            }
            cup.height += lead.height;
            cup.mass += lead.mass;
        }
    }
}

void sc_06_minigame_131::click()
{
    TQ_TRACE(" click()");
    if (pointer.dragState == MiniGame::CBoardPointer::kIdle)
        select();
    else if (pointer.dragState == MiniGame::CBoardPointer::kDragging)
        deselect();
}

void sc_06_minigame_131::select()
{
    TQ_TRACE(" select()");
    const int f = focused;
    if (f < 0 || f >= kLeads)
        return;
    const int t = saved[f];
    const int from = slotOf(f);
    if (from != -1)
    {
        int* slots = saved + kSlotBase + kSlots * t;
        float h = kBottom;
        for (int i = 0; i < from; ++i)
            h += leads[slots[i]].height;
        for (int i = from; i <= kTopSlot; ++i)
        {
            slots[i] = slots[i + 1];
            if (slots[i] == -1)
                continue;
            _LEAD& lead = leads[slots[i]];
            lead.start = lead.current;
            lead.target = vec3(0.0f, 0.0f, h);
            lead.kind = kBounce;
            lead.progress = 0.0f;
            h += lead.height;
        }
    }
    if (t >= 0 && t < kCups)
        lastCup = t;
    saved[f] = -1;
    selected = f;
    pointer.grab();
    _LEAD& lead = leads[f];
    lead.start = lead.shown;
    lead.target = pointer.planePoint;
    lead.kind = kGlide;
    lead.progress = 0.0f;
    genState(0);
}

void sc_06_minigame_131::deselect()
{
    TQ_TRACE(" deselect()");
    const int w = selected;
    _LEAD& lead = leads[w];
    // Weights still landing are counted, so that two dropped one after the
    // other stack up instead of meeting in one place.
    genState(0);
    const int t = dropCup;
    int* slots = t != -1 ? saved + kSlotBase + kSlots * t : nullptr;
    if (slots && slots[kTopSlot] == -1)
    {
        lead.start = lead.shown - cups[t].pos;
        lead.target = vec3(0.0f, 0.0f, cups[t].height);
        lead.kind = kHop;
        saved[w] = t;
        *std::find(slots, slots + kSlots, -1) = w;
        sounds.play(kSndDrop);
    }
    else if (w == kFreeLead)
    {
        // The weight without a shelf place goes back into the cup it came
        // from, which its leaving has left room in.
        int back = lastCup;
        for (int c = kCups - 1; c >= 0 && saved[kSlotBase + kSlots * back + kTopSlot] != -1; --c)
            back = c;
        slots = saved + kSlotBase + kSlots * back;
        lead.start = lead.shown - cups[back].pos;
        lead.target = vec3(0.0f, 0.0f, cups[back].height);
        lead.kind = kGlide;
        saved[w] = back;
        *std::find(slots, slots + kSlots, -1) = w;
        sounds.play(kSndBack);
    }
    else
    {
        lead.start = lead.shown;
        lead.target = getPos(w);
        lead.kind = kGlide;
        sounds.play(kSndBack);
    }
    lead.progress = 0.0f;
    selected = -1;
    pointer.drop();
}

void sc_06_minigame_131::moveLeads(float dt)
{
    TQ_TRACE(" moveLeads(float dt)");
    if (selected != -1)
    {
        _LEAD& lead = leads[selected];
        if (lead.progress < 1.0f)
            lead.target = pointer.planePoint;
        else
            lead.current = pointer.planePoint;
    }
    for (int w = 0; w < kLeads; ++w)
    {
        _LEAD& lead = leads[w];
        if (lead.progress < 1.0f)
        {
            const float a = lead.progress;
            const float f = lead.kind == kGlide ? (2.0f - a) * a : fun2(a);
            lead.current = MiniGame::interp(lead.start, lead.target, f);
            if (lead.kind == kHop)
                lead.current.z += 10.0f * fun3(a);
            lead.progress += 2.0f * dt;
            if (lead.progress > 1.0f)
            {
                genState(0);
                lead.current = lead.target;
            }
        }
        lead.shown = saved[w] == -1 ? lead.current : cups[saved[w]].pos + lead.current;
        setPosition(lead.object, lead.shown);
    }
}

void sc_06_minigame_131::swing(_BEAM& beam, float goal, float dt)
{
    TQ_TRACE(" swing(_BEAM &beam, float goal, float dt)");
    beam.speed += 3.0f * dt * (goal - beam.angle) - 2.0f * dt * beam.speed;
    beam.angle += beam.speed * dt;
    if ((beam.angle - dt * beam.speed) * beam.angle < -0.01f)
        sounds.play(kSndLevel);
    if (beam.angle < -kStop && beam.speed < 0.0f)
    {
        beam.angle = -kStop;
        beam.speed *= -0.5f;
        if (beam.speed > 7.0f)
            sounds.play(kSndStop);
    }
    else if (beam.angle > kStop && beam.speed > 0.0f)
    {
        beam.angle = kStop;
        beam.speed *= -0.5f;
        if (beam.speed < -7.0f)
            sounds.play(kSndStop);
    }
}

void sc_06_minigame_131::findCups()
{
    TQ_TRACE(" findCups()");
    for (int t = 0; t < kCups; ++t)
        cups[t].pos = boneGetWorldPosition(scales, kCupBones[t]);
}

void sc_06_minigame_131::moveCups(float dt)
{
    TQ_TRACE(" moveCups(float dt)");
    findCups();
    dropCup = -1;
    for (int t = 0; t < kCups; ++t)
    {
        const _CUP& cup = cups[t];
        if (dropPoint.y > cup.pos.y - 15.0f && dropPoint.y < cup.pos.y + 15.0f && dropPoint.z > cup.pos.z - 15.0f &&
            dropPoint.z < cup.pos.z + cup.height + 30.0f)
            dropCup = t;
    }
    swing(secondBeam, 5.0f * (2 * cups[1].mass - cups[2].mass), dt);
    swing(mainBeam, 5.0f * (cups[0].mass - cups[1].mass - cups[2].mass), dt);
    boneSetOrientationDeg(scales, "bone_05", secondBeam.angle, 0.0f, 0.0f);
    boneSetOrientationDeg(scales, "bone_03", -secondBeam.angle, 0.0f, 0.0f);
    boneSetOrientationDeg(scales, "bone_06", -secondBeam.angle, 0.0f, 0.0f);
    boneSetOrientationDeg(scales, "bone_01", mainBeam.angle, 0.0f, 0.0f);
    boneSetOrientationDeg(scales, "bone_04", -mainBeam.angle, 0.0f, 0.0f);
    boneSetOrientationDeg(scales, "bone_02", -mainBeam.angle, 0.0f, 0.0f);
    for (int t = 0; t < kCups; ++t)
        if (cups[t].mass != kWinMass[t])
            return;
    if (wobble(mainBeam.angle) + wobble(mainBeam.speed) + wobble(secondBeam.angle) + wobble(secondBeam.speed) == 0.0f)
        win();
}

void sc_06_minigame_131::win()
{
    TQ_TRACE(" win()");
    sounds.play(kSndWin);
    MiniGame::announceWin(getOwner());
    won = 1;
}
