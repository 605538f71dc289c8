#include "04_minigame_09.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
const char* const kGame = "04_minigame_09";
const int kHint = 16009;
/// The boards' distance in front of the camera.
const float kDepth = 114.143f;
/// Sub-entities of a board or template mesh that may show a symbol.
const int kSubEntities = 30;
/// Templates that fill the boards (the tenth is the decoy).
const int kFilling = 9;
/// Board p's pairs go to the templates order[kFirstPair[p]] on.
const int kFirstPair[3] = {0, 2, 5};
/// How far the cursor moves with the button held before a press is a drag.
const float kDragStart = 0.1f;

enum Sound
{
    kWinSound,
    kPickSound,
    kPlaceSound,
    kHomeSound
};

/// A number 0..n-1 differing from the first count entries of taken.
int drawNew(int n, const int* taken, int count)
{
    for (;;)
    {
        const int r = ScriptObject::random(n);
        if (std::find(taken, taken + count, r) == taken + count)
            return r;
    }
}
} // namespace

void sc_04_minigame_09::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "01_snd_01", "01_snd_02", "01_snd_03"});
    MiniGame::hideBoard(kGame);
    if (!isGameEndSet(4, 9))
        genData();
}

void sc_04_minigame_09::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_04_minigame_09::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, code, getOwner(), from))
        return;
    // The pieces' button codes are not needed: the game reads the button.
    if (code >= 10000 && code < 20000)
        focused = code - 10000 < kTemplates ? code - 10000 : -1;
    else if (code >= 20000 && code < 30000)
        focused = -1;
}

void sc_04_minigame_09::startGame(OBJECT_HANDLE from)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    starter = from;
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_04_minigame_09::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timer);
    save();
    MiniGame::putBoardAway(kGame);
}

void sc_04_minigame_09::saveGame()
{
    TQ_TRACE(" saveGame()");
    save();
}

void sc_04_minigame_09::save()
{
    TQ_TRACE(" save()");
    saveGameArray(kSaved, 4, 9, data, &gameOver);
}

void sc_04_minigame_09::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_04_minigame_09::win()
{
    TQ_TRACE(" win()");
    sounds.play(kWinSound);
    MiniGame::announceWin(getOwner());
    gameOver = 1;
}

// ---------------------------------------------------------------------------
// The board

void sc_04_minigame_09::genData()
{
    TQ_TRACE(" genData()");
    std::fill(std::begin(data), std::end(data), 0);
    gameOver = 0;
    for (int v = 0; v < kSymbols; ++v)
    {
        do
            slot(v) = ScriptObject::random(28) + 1;
        while (std::find(data, data + v, slot(v)) != data + v);
    }
    int* order = data + kOrder;
    for (int t = 0; t < kTemplates; ++t)
    {
        placed(t) = -1;
        order[t] = drawNew(kTemplates, order, t);
    }
    for (int p = 0; p < kBoards; ++p)
    {
        int* values = data + kBoardData + 10 * p;
        for (int k = 0; k < 4 + 2 * p; ++k)
        {
            values[k] = drawNew(kSymbols, values, k);
            data[kTemplateData + 2 * order[k / 2 + kFirstPair[p]] + k % 2] = values[k];
        }
    }
    int* decoy = data + kTemplateData + 2 * order[kFilling];
    decoy[0] = ScriptObject::random(kSymbols);
    decoy[1] = drawNew(kSymbols, decoy, 1);
    save();
}

void sc_04_minigame_09::repairSave()
{
    TQ_TRACE(" repairSave()");
    // A damaged save must not name sub-entities, boards or templates that do
    // not exist.
    for (int v = 0; v < kSymbols; ++v)
        Puzzle::repair(4, 9, data, v, 1, 28, v + 1);
    for (int t = 0; t < kTemplates; ++t)
        Puzzle::repair(4, 9, data, kOrder + t, 0, kTemplates - 1, t);
    for (int i = kBoardData; i < kTemplateData + 2 * kTemplates; ++i)
        Puzzle::repair(4, 9, data, i, 0, kSymbols - 1, 0);
    for (int t = 0; t < kTemplates; ++t)
        Puzzle::repair(4, 9, data, kPlaced + t, -1, kBoards - 1, -1);
}

vec3 sc_04_minigame_09::home(int t)
{
    return vec3((t / 5) * 90.0f - 45.0f, 37.0f - (t % 5) * 14.0f, -kDepth);
}

void sc_04_minigame_09::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kSaved, 4, 9, data, &gameOver);
    repairSave();
    state = 0;
    selected = -1;
    boardUnder = -1;
    for (int p = 0; p < kBoards; ++p)
    {
        Board& b = boards[p];
        b.object = gApp.findObjectHandle(ScriptObject::indexedKey("04_06_game_element_", p));
        b.pos = b.object ? getPosition(b.object) : vec3::ZERO;
        b.count = 4 + 2 * p;
        for (int k = 0; k < kSymbols; ++k)
            b.values[k] = data[kBoardData + 10 * p + k];
        if (!b.object)
            continue;
        for (int sub = 0; sub < kSubEntities; ++sub)
        {
            bool hole = false;
            for (int k = 0; k < b.count; ++k)
                hole = hole || slot(b.values[k]) == sub;
            setMaterial(b.object, sub, hole ? "04_06_game_element_empty" : "04_06_game_element");
        }
    }
    for (int t = 0; t < kTemplates; ++t)
    {
        Template& tp = temps[t];
        tp.object = gApp.findObjectHandle(ScriptObject::indexedKey("04_06_game_template_", t));
        tp.card = gApp.findObjectHandle(ScriptObject::indexedKey("04_06_game_page_", t));
        tp.cardMaterial = ScriptObject::indexedKey("04_06_game_page_", t);
        if (tp.card)
            setMaterial(tp.card, 0, tp.cardMaterial);
        tp.current = tp.start = tp.target = placed(t) < 0 ? home(t) : boards[placed(t)].pos;
        tp.progress = 1.0f;
        tp.lift = t * 0.01f;
        tp.highlight = 0.0f;
        tp.cardOffset = vec3::ZERO;
        tp.values[0] = data[kTemplateData + 2 * t];
        tp.values[1] = data[kTemplateData + 2 * t + 1];
        if (!tp.object)
            continue;
        for (int sub = 0; sub < kSubEntities; ++sub)
        {
            const bool symbol = slot(tp.values[0]) == sub || slot(tp.values[1]) == sub;
            setMaterial(tp.object, sub, symbol ? "04_06_game_template" : "00_empty");
        }
    }
    genState();
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
}

// ---------------------------------------------------------------------------
// Dragging

void sc_04_minigame_09::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    // A tick already due when the game was closed comes after the close.
    if (paused || !timer)
        return;
    const float dt = ScriptObject::frameSeconds();
    mouse.read();
    screenToPlane(vec3(mouse.x, mouse.y, kDepth), cursor);
    if (!gameOver)
    {
        if (mouse.pressed())
            click();
        else if (mouse.released() && state == 2)
            click();
        if (state == 1 && mouse.buttonNow &&
            (std::fabs(cursor.x - pressX) >= kDragStart || std::fabs(cursor.y - pressY) >= kDragStart))
            state = 2;
    }
    moveTemps(dt);
    moveBar(dt);
}

void sc_04_minigame_09::click()
{
    TQ_TRACE(" click()");
    // A click without a drag leaves the template on the cursor until the
    // next press, drag and release.
    if (state == 0)
        select();
    else if (state == 2)
        deselect();
}

void sc_04_minigame_09::select()
{
    TQ_TRACE(" select()");
    if (focused >= 0)
    {
        Template& tp = temps[focused];
        selected = focused;
        state = 1;
        grab = vec3(tp.current.x - cursor.x, tp.current.y - cursor.y, 1.0f);
        tp.progress = 1.0f;
        pressX = cursor.x;
        pressY = cursor.y;
        placed(selected) = -1;
        sounds.play(kPickSound);
    }
    genState();
}

bool sc_04_minigame_09::check() const
{
    if (selected < 0 || boardUnder < 0)
        return false;
    const Board& b = boards[boardUnder];
    for (int value : temps[selected].values)
    {
        bool open = false;
        for (int k = 0; k < b.count; ++k)
            open = open || (b.values[k] == value && !b.covered[k]);
        if (!open)
            return false;
    }
    return true;
}

void sc_04_minigame_09::deselect()
{
    TQ_TRACE(" deselect()");
    if (selected < 0)
        return;
    Template& tp = temps[selected];
    // The slide adds the lift again.
    tp.start = tp.current - vec3(0.0f, 0.0f, tp.lift);
    tp.progress = 0.0f;
    if (boardUnder >= 0 && check())
    {
        tp.target = boards[boardUnder].pos;
        placed(selected) = boardUnder;
        sounds.play(kPlaceSound);
    }
    else
    {
        tp.target = home(selected);
        sounds.play(kHomeSound);
    }
    selected = -1;
    state = 0;
    genState();
}

void sc_04_minigame_09::genState()
{
    TQ_TRACE(" genState()");
    for (Board& b : boards)
        std::fill(std::begin(b.covered), std::end(b.covered), 0);
    int onBoards = 0;
    for (int t = 0; t < kTemplates; ++t)
    {
        if (placed(t) < 0)
            continue;
        ++onBoards;
        Board& b = boards[placed(t)];
        for (int k = 0; k < b.count; ++k)
            if (b.values[k] == temps[t].values[0] || b.values[k] == temps[t].values[1])
                b.covered[k] = 1;
    }
    barTarget = static_cast<float>(onBoards) / kFilling;
    int covered = 0;
    for (const Board& b : boards)
        for (int k = 0; k < b.count; ++k)
            covered += b.covered[k];
    // A won game restored from the save must not be won a second time.
    if (covered == kHoles && !gameOver)
        win();
}

void sc_04_minigame_09::moveTemps(float dt)
{
    TQ_TRACE(" moveTemps(float dt)");
    if (selected >= 0)
    {
        Template& tp = temps[selected];
        tp.target = cursor + grab;
        tp.progress = 1.0f;
        boardUnder = -1;
        for (int p = 0; p < kBoards; ++p)
            if (std::fabs(boards[p].pos.x - tp.target.x) < 1.0f && std::fabs(boards[p].pos.y - tp.target.y) < 1.0f)
                boardUnder = p;
    }
    for (int t = 0; t < kTemplates; ++t)
    {
        Template& tp = temps[t];
        if (t == focused)
            tp.highlight = std::min(tp.highlight + 3.0f * dt, 1.0f);
        else
            tp.highlight = std::max(tp.highlight - dt, 0.0f);
        const float h = tp.highlight;
        materialBlendColour(tp.cardMaterial, 0, 0, h, h, h, 3);

        const vec3 lift(0.0f, 0.0f, tp.lift);
        if (tp.progress < 1.0f)
        {
            const float a = tp.progress;
            tp.current = tp.start + (tp.target - tp.start) * ((2.0f - a) * a) + lift;
            tp.progress += 3.0f * dt;
        }
        else
            tp.current = tp.target + lift;
        if (tp.object)
            setPosition(tp.object, tp.current);
        if (tp.card)
            setPosition(tp.card, tp.current + tp.cardOffset);
    }
}

void sc_04_minigame_09::moveBar(float dt)
{
    TQ_TRACE(" moveBar(float dt)");
    // A frame longer than a second would carry the bar past its target.
    barShown += (barTarget - barShown) * std::min(dt, 1.0f);
    if (barShown > 1.0f)
        barShown = 0.0f;
    materialSetTextureScroll2("04_06_game_fon_01", 1, 2, 0.0f, 0.3f * barShown - 0.4f * (1.0f - barShown));
}
