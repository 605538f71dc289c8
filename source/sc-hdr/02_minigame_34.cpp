#include "02_minigame_34.h"

#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>

namespace
{
const char* const kGame = "02_minigame_34";
const char* const kLetterPrefix = "02_02_game_letter_";
const char* const kLetterMaterial = "02_02_game_letter";
const int kLocation = 2;
const int kNumber = 34;
const int kHint = 16046;
const float kDepth = 114.76f;

enum Sound
{
    kWinSound,
    kGrabSound,
    kJoinSound,
    kDropSound,
};

/// The letters that stand side by side in the inscription: only these
/// pairs join directly, and every letter is reachable through them.
const int kNeighbours[][2] = {{0, 2}, {0, 3}, {0, 5},  {0, 8}, {0, 9},  {1, 2}, {1, 4},
                              {1, 5}, {1, 7}, {2, 5},  {2, 7}, {2, 8},  {3, 5}, {3, 6},
                              {3, 9}, {3, 10}, {4, 7}, {5, 6}, {6, 10}, {7, 8}, {9, 10}};
} // namespace

void sc_02_minigame_34::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    loadSnd();
    MiniGame::hideBoard(kGame);
    if (!isGameEndSet(kLocation, kNumber))
        genData();
}

void sc_02_minigame_34::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    unloadSnd();
}

void sc_02_minigame_34::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    if (param >= 10000 && param < 20000)
        focusWord(param - 10000);
    else if (param >= 20000 && param < 30000)
        unfocusWord();
}

void sc_02_minigame_34::genData()
{
    TQ_TRACE(" genData()");
    std::fill(saved, saved + kSaved, 0);
    won = 0;
    for (int i = 0; i < kLetters; ++i)
    {
        saved[3 * i] = ScriptObject::random(100);
        saved[3 * i + 1] = ScriptObject::random(100);
        saved[3 * i + 2] = i;
    }
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_02_minigame_34::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kSaved, kLocation, kNumber, saved, &won);

    // A group must name a letter that leads its own group; anything else
    // would send the letter after a leader that is not there.
    for (int i = 0; i < kLetters; ++i)
    {
        const int g = saved[3 * i + 2];
        if (g < 0 || g >= kLetters || saved[3 * g + 2] != g)
        {
            Log::print("\nWARNING: %s: saved group %d of letter %d is no leader; the letter stands alone", kGame, g,
                       i);
            saved[3 * i + 2] = i;
        }
    }

    for (int i = 0; i < kLetters; ++i)
    {
        _LETTER& l = letters[i];
        l.obj = findObjectIndexed(kLetterPrefix, i);
        // The inscription is where the scene placed the letters, so it is
        // read before the game first moves them.
        if (!homesKnown)
            l.home = getPosition(l.obj);
        getPos(i, saved[3 * i], saved[3 * i + 1], l.current);
        l.from = l.to = l.current;
        l.t = 1.0f;
        setPosition(l.obj, l.current);
    }
    homesKnown = 1;

    for (int i = 0; i < kLetters; ++i)
    {
        const int leader = getConnect(i);
        if (leader != i)
        {
            letters[i].offset[0] = letters[i].home.x - letters[leader].home.x;
            letters[i].offset[1] = letters[i].home.y - letters[leader].home.y;
        }
    }

    // A group carried when the game was left is not carried into the next
    // visit.
    selectedGroup = -1;
    pointer.drop();
    setAlpha(0.0f);
    // A second start code must not leave a second tick behind.
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_02_minigame_34::loadSnd()
{
    TQ_TRACE(" loadSnd()");
    sounds.load({"01_snd_00", "01_snd_01", "01_snd_02", "01_snd_03"});
}

void sc_02_minigame_34::unloadSnd()
{
    TQ_TRACE(" unloadSnd()");
    sounds.unload();
}

void sc_02_minigame_34::playSnd(int i)
{
    TQ_TRACE(" playSnd(int i)");
    sounds.play(i);
}

void sc_02_minigame_34::startGame(OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_02_minigame_34::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timer);
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
    MiniGame::putBoardAway(kGame);
}

void sc_02_minigame_34::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_02_minigame_34::showHint()
{
    TQ_TRACE(" showHint()");
    if (won == 0)
        MiniGame::sendHint(kHint);
}

void sc_02_minigame_34::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    pointer.read(kDepth);
    const float dt = ScriptObject::frameSeconds();
    if (won == 0)
    {
        if (pointer.clickWanted())
            click();
        pointer.followDrag();
    }
    moveLetters(dt);
}

void sc_02_minigame_34::click()
{
    TQ_TRACE(" click()");
    if (pointer.dragState == MiniGame::CBoardPointer::kIdle)
        select();
    else if (pointer.dragState == MiniGame::CBoardPointer::kDragging)
        deselect();
}

void sc_02_minigame_34::select()
{
    TQ_TRACE(" select()");
    if (focused == -1)
        return;
    // Any letter of a group takes the whole group by its leader.
    selectedGroup = getConnect(focused);
    _LETTER& leader = letters[selectedGroup];
    grabOffset[0] = leader.current.x - pointer.planePoint.x;
    grabOffset[1] = leader.current.y - pointer.planePoint.y;
    grabOffset[2] = 1.0f;
    leader.t = 1.0f;
    pointer.grab();
    playSnd(kGrabSound);
}

void sc_02_minigame_34::deselect()
{
    TQ_TRACE(" deselect()");
    if (selectedGroup != -1)
    {
        _LETTER& leader = letters[selectedGroup];
        leader.to = leader.from = leader.current;
        leader.to.x = std::min(std::max(leader.to.x, -50.0f), 50.0f);
        leader.to.y = std::min(std::max(leader.to.y, -35.0f), 35.0f);
        setPos(selectedGroup, saved[3 * selectedGroup], saved[3 * selectedGroup + 1], leader.to);
        // The group eases back from the cursor's height into the field.
        leader.t = 0.0f;
        selectedGroup = -1;
        pointer.drop();
        playSnd(kDropSound);
    }
    checkAllConnect();
}

void sc_02_minigame_34::focusWord(int i)
{
    TQ_TRACE(" focusWord(int i)");
    if (i < 0 || i >= kLetters)
    {
        Log::print("\nWARNING: %s: focus on letter %d, which the game does not have", kGame, i);
        return;
    }
    focused = i;
}

void sc_02_minigame_34::unfocusWord()
{
    TQ_TRACE(" unfocusWord()");
    focused = -1;
}

void sc_02_minigame_34::checkAllConnect()
{
    TQ_TRACE(" checkAllConnect()");
    for (const auto& pair : kNeighbours)
        checkConnect(pair[0], pair[1]);
}

void sc_02_minigame_34::checkConnect(int i0, int i1)
{
    TQ_TRACE(" checkConnect(int i0, int i1)");
    const int g0 = getConnect(i0);
    const int g1 = getConnect(i1);
    if (g0 == g1)
        return;
    const _LETTER& a = letters[i0];
    const _LETTER& b = letters[i1];
    const float dx = (a.home.x - b.home.x) - (a.to.x - b.to.x);
    const float dy = (a.home.y - b.home.y) - (a.to.y - b.to.y);
    if (dx * dx + dy * dy < 25.0f)
        connectGroup(g0, g1);
}

void sc_02_minigame_34::connectGroup(int g0, int g1)
{
    TQ_TRACE(" connectGroup(int g0, int g1)");
    for (int k = 0; k < kLetters; ++k)
        if (getConnect(k) == g0)
            connect(g1, k);
    playSnd(kJoinSound);
}

void sc_02_minigame_34::connect(int i0, int i1)
{
    TQ_TRACE(" connect(int i0, int i1)");
    _LETTER& k = letters[i1];
    k.offset[0] = k.home.x - letters[i0].home.x;
    k.offset[1] = k.home.y - letters[i0].home.y;
    k.from = k.current;
    k.t = 0.0f;
    setConnect(i1, i0);
}

int sc_02_minigame_34::getConnect(int i)
{
    TQ_TRACE(" getConnect(int i)");
    return saved[3 * i + 2];
}

void sc_02_minigame_34::setConnect(int i, int o)
{
    TQ_TRACE(" setConnect(int i, int o)");
    saved[3 * i + 2] = o;
}

void sc_02_minigame_34::moveLetters(float inc)
{
    TQ_TRACE(" moveLetters(float inc)");
    allAtRest = 1;
    if (selectedGroup != -1)
    {
        // The carried group floats a unit nearer the camera.
        _LETTER& leader = letters[selectedGroup];
        leader.current = pointer.planePoint + vec3(grabOffset[0], grabOffset[1], grabOffset[2]);
        leader.to = leader.current;
    }
    for (int i = 0; i < kLetters; ++i)
        if (getConnect(i) == i)
            moveLetter(i, inc);
    for (int i = 0; i < kLetters; ++i)
    {
        const int leader = getConnect(i);
        if (leader == i)
            continue;
        const vec3& at = letters[leader].current;
        letters[i].to = vec3(at.x + letters[i].offset[0], at.y + letters[i].offset[1], at.z);
        moveLetter(i, inc);
    }
    if (allAtRest && won == 0)
        win();
    if (won)
    {
        glow = std::min(glow + inc * 0.3f, 1.0f);
        setAlpha(glow);
    }
}

void sc_02_minigame_34::moveLetter(int i, float inc)
{
    TQ_TRACE(" moveLetter(int i, float inc)");
    _LETTER& l = letters[i];
    if (l.t < 1.0f)
    {
        l.current = MiniGame::interp(l.from, l.to, MiniGame::cubeFunc(l.t));
        // The finished inscription glides home ten times slower.
        l.t += won ? inc * 0.3f : inc * 3.0f;
    }
    else
        l.current = l.to;
    setPosition(l.obj, l.current);
    if (!(getConnect(i) == getConnect(0) && l.t >= 1.0f))
        allAtRest = 0;
}

void sc_02_minigame_34::getPos(int i, int x, int y, vec3& v)
{
    TQ_TRACE(" getPos(int i, int x, int y, vec3& v)");
    v = vec3(static_cast<float>(x - 50), static_cast<float>(y - 50) * 0.7f, static_cast<float>(i) * 0.03f - kDepth);
}

void sc_02_minigame_34::setPos(int i, int& x, int& y, vec3& v)
{
    TQ_TRACE(" setPos(int i, int& x, int& y, vec3& v)");
    x = static_cast<int>(v.x + 50.0f);
    y = static_cast<int>((v.y + 35.0f) / 70.0f * 100.0f);
    v.z = static_cast<float>(i) * 0.03f - kDepth;
}

void sc_02_minigame_34::setAlpha(float a)
{
    TQ_TRACE(" setAlpha(float a)");
    materialBlendColour(kLetterMaterial, 0, 1, a, a, a, 3);
}

void sc_02_minigame_34::win()
{
    TQ_TRACE(" win()");
    playSnd(kWinSound);
    MiniGame::announceWin(getOwner());
    won = 1;
    _LETTER& leader = letters[getConnect(0)];
    leader.from = leader.current;
    leader.to = leader.home;
    leader.t = 0.0f;
}
