#include "06_minigame_30.h"

#include "CutScene.h"
#include "Loc7Scene.h"
#include "Log.h"
#include "Puzzle.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
const int kLocation = 6;
const int kNumber = 30;
const int kHint = 16030;

const int kSndWin = 0;
const int kSndRise = 1;
const int kSndTakeOff = 2;
const int kSndUsed = 3;

const float kBankX = 4788.0f;
const float kBankY = 6873.0f;
const float kHeroZ = -256.0f;
const float kPillarZ = -3895.0f;
const float kRise = 2025.0f;
/// Below this a rising pillar cannot be jumped on.
const float kClickable = 0.7f;

/// First pillar and pillar count of each row.
const int kRowStart[4] = {0, 2, 5, 8};
const int kRowSize[4] = {2, 3, 3, 4};

/// 0..3 from the random source; a negative remainder folds into range.
int drawSign()
{
    int s = CVirtualScript::randomInt() % 4;
    if (s < 0)
        s += 4;
    return s;
}

float cosFunc(float a)
{
    return (1.0f - std::cos(a * 3.1415f)) * 0.5f;
}

float dot(const vec3& angles, const vec3& d)
{
    const float a = angles.z / 180.0f * 3.14f;
    return std::sin(a) * d.x - std::cos(a) * d.y;
}

/// The pillars of the current row for a row counter (rows raised so far).
void rangeOf(int rows, int& first, int& end)
{
    if (rows <= 0)
    {
        first = end = 0;
        return;
    }
    const int r = rows > 4 ? 3 : rows - 1;
    first = kRowStart[r];
    end = first + kRowSize[r];
}
} // namespace

void sc_06_minigame_30::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "30_snd_00", "30_snd_01", "30_snd_02"});
    if (!isGameEndSet(kLocation, kNumber))
        genData();
}

void sc_06_minigame_30::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_06_minigame_30::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (!timer || id != timer)
        return;
    const float inc = ScriptObject::frameSeconds();
    stolbProcess(inc);
    heroProcess(inc);
}

void sc_06_minigame_30::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    // The block lasts only as drawn: the frame's save has nothing to add.
    if (param == MiniGame::kSave)
        return;
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    if (param == 100)
    {
        if (block[kRowCounter] == 0)
        {
            heroClear();
            heroJumpTo(kBankX, kBankY);
            addNextRow();
        }
        startTick();
    }
    else if (param == 666)
        clear();
    else if (param >= 10000 && param < 20000)
        setFocus(param - 10000);
    else if (param >= 20000 && param < 30000)
        killFocus(param - 20000);
    else if (param >= 40000 && param < 50000)
        click(param - 40000);
}

void sc_06_minigame_30::startGame(OBJECT_HANDLE from)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    (void)from;
    if (MiniGame::hintsInGames())
        showHint();
    initGame();
    sendNotifyByName("06_06_oblomki", 300, 0);
    heroInit();
    sendNotifyByName("06_06_lava_msz", 105, 0);
    if (block[kRowCounter] == 0)
        addNextRow();
    startTick();
}

void sc_06_minigame_30::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timer);
}

void sc_06_minigame_30::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_06_minigame_30::startTick()
{
    TQ_TRACE(" startTick()");
    // A second start must not leave the first tick running: two ticks a
    // frame would run the whole game at double speed.
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_06_minigame_30::genData()
{
    TQ_TRACE(" genData()");
    for (int& v : block)
        v = 0;
    gameOver = 0;
    for (int r = 0; r < 4; ++r)
        block[kSequence + r] = drawSign();
    block[kLastPillar] = -1;
    saveGameArray(kBlock, kLocation, kNumber, block, &gameOver);
}

void sc_06_minigame_30::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kBlock, kLocation, kNumber, block, &gameOver);
    for (int r = 0; r < 4; ++r)
        Puzzle::repair(kLocation, kNumber, block, kSequence + r, 0, 3, 0);
    for (int k = 0; k < kPillars; ++k)
        Puzzle::repair(kLocation, kNumber, block, kSigns + k, 0, 3, 0);
    // The restart table is gone with the last run: a saved counter above 0
    // would put the hero where no click of this run has taken him.
    Puzzle::repair(kLocation, kNumber, block, kRowCounter, 0, 0, 0);
    for (int r = 0; r < 6; ++r)
    {
        restartPos[r] = vec3(kBankX, kBankY, kHeroZ);
        restartPillar[r] = -1;
    }

    for (int k = 0; k < kPillars; ++k)
    {
        Stolb& s = stolbs[k];
        s.pillar = findObjectIndexed("06_06_Stolbik", k + 1);
        s.lava = findObjectIndexed("06_06_Stolbik_lava", k + 1);
        s.zone = findObjectIndexed("06_06_az_Stolbik_lava", k + 1);
        s.raising = s.focused = s.used = 0;
        s.height = s.glow = s.usedFade = 0.0f;
        const vec3 p = getPosition(s.pillar);
        s.base = vec3(p.x, p.y, kPillarZ);
        s.pillarMat = "06_06_stolbik/06_06_Stolbik_";
        strAddInt(k, s.pillarMat, 2);
        s.lavaMat = "06_lava_";
        strAddInt(k, s.lavaMat, 2);
        setMaterial(s.pillar, 2, s.pillarMat);
        setMaterial(s.lava, 0, s.lavaMat);
    }

    rangeOf(block[kRowCounter], rowMin, rowMax);
    for (int k = 0; k < rowMax; ++k)
    {
        Stolb& s = stolbs[k];
        s.raising = 1;
        s.height = 1.0f;
        if (k < rowMin)
        {
            s.used = 1;
            s.usedFade = 1.0f;
        }
        else
            setPic(k, block[kSigns + k]);
    }
}

void sc_06_minigame_30::setPic(int i, int c)
{
    TQ_TRACE(" setPic(int i, int c)");
    String texture = "06_06_stolbik_znak_";
    strAddInt(c, texture, 2);
    texture += ".tga";
    materialSetTexturePassUnit(stolbs[i].pillarMat, 0, 0, texture);
}

void sc_06_minigame_30::addNextRow()
{
    TQ_TRACE(" addNextRow()");
    sounds.play(kSndRise);
    disableRow();
    const int rows = block[kRowCounter];
    if (rows >= 0 && rows < 4)
        addRow(kRowSize[rows]);
}

void sc_06_minigame_30::addRow(int c)
{
    TQ_TRACE(" addRow(int c)");
    rowMin = rowMax;
    rowMax = rowMin + c;
    int taken[4] = {};
    const int safe = rowMin + ScriptObject::random(c);
    const int sign = block[kSequence + block[kRowCounter]];
    taken[sign] = 1;
    block[kSigns + safe] = sign;
    for (int i = rowMin; i < rowMax; ++i)
    {
        Stolb& s = stolbs[i];
        s.raising = 1;
        setVisible(s.zone, true);
        if (i != safe)
        {
            int other = drawSign();
            while (taken[other])
                other = drawSign();
            block[kSigns + i] = other;
            taken[other] = 1;
        }
        setPic(i, block[kSigns + i]);
        s.used = 0;
        s.usedFade = 0.0f;
    }
    ++block[kRowCounter];
}

void sc_06_minigame_30::disableRow()
{
    TQ_TRACE(" disableRow()");
    for (int i = rowMin; i < rowMax; ++i)
    {
        Stolb& s = stolbs[i];
        setVisible(s.zone, false);
        s.used = 1;
        s.focused = 0;
    }
    sounds.play(kSndUsed);
}

void sc_06_minigame_30::setFocus(int i)
{
    TQ_TRACE(" setFocus(int i)");
    if (i >= 0 && i < kPillars)
        stolbs[i].focused = 1;
}

void sc_06_minigame_30::killFocus(int i)
{
    TQ_TRACE(" killFocus(int i)");
    if (i >= 0 && i < kPillars)
        stolbs[i].focused = 0;
}

void sc_06_minigame_30::click(int i)
{
    TQ_TRACE(" click(int i)");
    if (i < 0 || i >= kPillars || heroState != kIdle || stolbs[i].height < kClickable || stolbs[i].used)
        return;
    const int rows = block[kRowCounter];
    if (rows >= 0 && rows < 6)
    {
        restartPos[rows] = origin;
        restartPillar[rows] = current;
    }
    target = i;
    heroClear();

    static const int kMin[5] = {0, 1, 2, 3, 3};
    static const int kMax[5] = {0, 2, 3, 3, 4};
    const int r = rows < 0 ? 0 : (rows > 4 ? 4 : rows);
    const int lo = kMin[r];
    const int hi = kMax[r];
    Log::print("\n START JUMP \nrow %d min %d max %d stolb %d", rows, lo, hi, current);
    // Every hop moves the hero one pillar nearer; the bound only guards
    // against a current pillar that no row holds.
    for (int hop = 0; current != i && hop < kMaxPath; ++hop)
    {
        const int cur = current;
        if (i < cur + lo)
            heroJumpTo(cur - 1);
        else if (i <= cur + hi)
            heroJumpTo(i);
        else
            heroJumpTo(cur + 1);
    }
}

void sc_06_minigame_30::heroJumpTo(int i)
{
    TQ_TRACE(" heroJumpTo(int i)");
    Log::print(" jumpto %d", i);
    if (i < 0 || i >= kPillars)
        return;
    heroJumpTo(stolbs[i].base.x, stolbs[i].base.y);
    current = i;
    block[kLastPillar] = i;
}

void sc_06_minigame_30::heroJumpTo(float x, float y)
{
    TQ_TRACE(" heroJumpTo(float x, float y)");
    if (pathCount < kMaxPath)
        path[pathCount++] = vec3(x, y, kHeroZ);
}

void sc_06_minigame_30::heroClear()
{
    TQ_TRACE(" heroClear()");
    origin = shown;
    finalDir = vec3(0.0f, 1.0f, 0.0f);
    jumpTime = 0.0f;
    heroState = kTurning;
    pathIndex = pathCount = 0;
}

void sc_06_minigame_30::heroInit()
{
    TQ_TRACE(" heroInit()");
    hero = Loc7Scene::find("01_hero_worker");
    jumpTime = 1.0f;
    heroState = kIdle;
    block[kLastPillar] = -1;
    pathIndex = pathCount = 0;
    const int rows = block[kRowCounter];
    vec3 at(kBankX, kBankY, kHeroZ);
    current = -1;
    if (rows > 0 && rows + 1 < 6)
    {
        at = restartPos[rows + 1];
        current = restartPillar[rows + 1];
    }
    origin = shown = at;
    angles = vec3(0.0f, 0.0f, 90.0f);
    setVisible(hero, true);
    CutScene::stopActor(hero);
    animAddPoint(hero, "static_01", 0, 0);
    CutScene::startActor(hero);
}

int sc_06_minigame_30::heroFindDir(const vec3& d, float inc)
{
    TQ_TRACE(" heroFindDir(const vec3& d, float inc)");
    const float s1 = dot(angles, d);
    // Already along d (or nothing to face): a turn by the sign of 0 would
    // never end.
    if (s1 == 0.0f)
        return 1;
    if (s1 > 0.0f)
        angles.z -= 200.0f * inc;
    else
        angles.z += 200.0f * inc;
    const float s2 = dot(angles, d);
    return (s1 > 0.0f && s2 < 0.0f) || (s1 < 0.0f && s2 > 0.0f) ? 1 : 0;
}

void sc_06_minigame_30::heroProcess(float inc)
{
    TQ_TRACE(" heroProcess(float inc)");
    if ((heroState == kTurning || heroState == kJumping) && pathIndex >= pathCount)
        heroState = kFinalTurn;
    if (heroState == kTurning)
    {
        const vec3 d(path[pathIndex].x - origin.x, path[pathIndex].y - origin.y, 0.0f);
        if (heroFindDir(d, inc))
        {
            heroState = kJumping;
            jumpPhase = 0;
            animAddPoint(hero, "walk2", 0, 0);
            CutScene::nextPoint(hero);
            sounds.play(kSndTakeOff);
        }
    }
    if (heroState == kJumping)
    {
        jumpTime += inc;
        const float t = jumpTime;
        float f = 0.0f;
        int phase = 0;
        if (t < 0.7f)
            f = t * 0.2f / 0.7f;
        else if (t < 4.9f)
        {
            const float u = t - 0.7f;
            phase = 1;
            if (u < 1.8f)
                f = 0.2f;
            else if (u < 2.2f)
                f = 0.2f + (u - 1.8f) / 0.4f * 0.6f;
            else
                f = 0.8f;
        }
        else
        {
            phase = 2;
            // The last frame of a jump may run past its end: the hero lands
            // on the point, not beyond it.
            f = std::min(1.0f, 0.8f + (t - 4.9f) / 0.7f * 0.2f);
        }
        // A long frame may cross both changes at once: each plays in turn.
        while (jumpPhase < phase)
        {
            ++jumpPhase;
            animAddPoint(hero, jumpPhase == 1 ? "jump" : "walk2", 0, 0);
            CutScene::nextPoint(hero);
        }
        const vec3& to = path[pathIndex];
        shown = lerpVec3(origin, to, f);
        if (t >= 5.6f)
        {
            jumpTime = 1.0f;
            origin = to;
            ++pathIndex;
            if (pathIndex < pathCount)
            {
                jumpTime = 0.0f;
                heroState = kTurning;
            }
            else
                heroState = kFinalTurn;
            animAddPoint(hero, "static_01", 0, 0);
            CutScene::nextPoint(hero);
        }
    }
    else if (heroState == kFinalTurn)
    {
        if (heroFindDir(finalDir, inc))
            heroState = kLanded;
    }
    if (heroState == kLanded && !paused)
        heroEndJump();
    setPosition(hero, shown);
    setOrientationDeg(hero, angles);
}

void sc_06_minigame_30::heroEndJump()
{
    TQ_TRACE(" heroEndJump()");
    // The walk onto the bank stands on no pillar: the row raised for it
    // must stay open.
    if (current != -1)
        disableRow();
    heroState = kIdle;
    if (current == -1)
        return;
    const int rows = block[kRowCounter];
    if (rows == 5)
        win();
    else if (rows >= 1 && target >= 0 && target < kPillars && block[kSigns + target] == block[kSequence + rows - 1])
    {
        if (rows < 4)
            addNextRow();
        else
        {
            heroClear();
            heroJumpTo(origin.x, origin.y + 400.0f);
            block[kRowCounter] = 5;
        }
    }
    else
        newGame();
}

void sc_06_minigame_30::newGame()
{
    TQ_TRACE(" newGame()");
    sendNotifyByName("00_loader", 666, getOwner());
}

void sc_06_minigame_30::clear()
{
    TQ_TRACE(" clear()");
    setCursorMode(0);
    block[kRowCounter] = std::max(0, block[kRowCounter] - 2);
    rangeOf(block[kRowCounter], rowMin, rowMax);
    for (int k = rowMax; k < kPillars; ++k)
    {
        Stolb& s = stolbs[k];
        s.raising = s.focused = s.used = 0;
        s.height = s.glow = s.usedFade = 0.0f;
    }
    heroInit();
    addNextRow();
}

void sc_06_minigame_30::stolbProcess(float inc)
{
    TQ_TRACE(" stolbProcess(float inc)");
    lavaPhase += 0.1f * inc;
    for (Stolb& s : stolbs)
    {
        if (s.raising)
            s.height = std::min(1.0f, s.height + 0.2f * inc);
        const float c = cosFunc(s.height);
        setPosition(s.pillar, vec3(s.base.x, s.base.y, s.base.z + kRise * c));
        materialSetTextureScroll2(s.lavaMat, 0, 1, 0.0f, s.height * 0.7f + (1.0f - s.height) * 1.5f);
        if (s.focused)
            s.glow = std::min(1.0f, s.glow + 3.0f * inc);
        else
            s.glow = std::max(0.0f, s.glow - inc);
        materialSetColour2(s.pillarMat, 2, s.glow, s.glow, s.glow, 1);
        if (s.used)
            s.usedFade = std::min(1.0f, s.usedFade + 3.0f * inc);
        else
            s.usedFade = std::max(0.0f, s.usedFade - inc);
        materialSetColour2(s.pillarMat, 1, s.usedFade, s.usedFade, s.usedFade, 1);
        materialSetColour2(s.pillarMat, 0, 1.0f - s.usedFade, 1.0f - s.usedFade, 1.0f - s.usedFade, 1);
    }
}

void sc_06_minigame_30::win()
{
    TQ_TRACE(" win()");
    sounds.play(kSndWin);
    MiniGame::announceWin(getOwner());
    ScriptObject::stopFrameTimer(getOwner(), timer);
}
