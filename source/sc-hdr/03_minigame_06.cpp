#include "03_minigame_06.h"

#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>

namespace
{
const char* const kGame = "03_minigame_06";
const int kLocation = 3;
const int kNumber = 6;
const int kHint = 16006;
const int kLetters = 8;
const int kArrived = 49; ///< saved: the grid has rolled in

enum Sound
{
    kSndWin = 0,
    kSndChoose = 1,
    kSndPair = 2,
    kSndLose = 3,
};

// Tiles in the camera's space: row r, column c at x = 8c - 28,
// y = 8r - 19.482.  The reels show six rows of 8 units above the window's
// lower edge; the lowest row of the window is where a reel changes its
// letters.
const float kStep = 8.0f;
const float kLeft = -28.0f;
const float kBottom = -19.482f;
const float kDepth = -105.281f;
const float kReel = kStep * sc_03_minigame_06::kRows;
const float kEntryTop = kBottom + kStep;
/// Frames longer than this would skip reel rows.
const float kLongestStep = 0.03f;

String letterMaterial(const char* kind, int letter)
{
    return ScriptObject::indexedKey(String("03_05_game_letter_") + kind, letter);
}
} // namespace

void sc_03_minigame_06::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "01_snd_01", "06_snd_02", "06_snd_03"});
    MiniGame::hideBoard(kGame);
    // The state is kept in memory from the start, so that a save or close
    // that comes before the game is played writes it back unchanged.
    if (!isGameEndSet(kLocation, kNumber))
        genData();
    else
        loadGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_03_minigame_06::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_03_minigame_06::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    if (param >= 10000 && param < 20000)
        focusLetter(param - 10000);
    else if (param >= 20000 && param < 30000)
        unfocusLetter();
}

void sc_03_minigame_06::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    const float dt = std::min(ScriptObject::frameSeconds(), kLongestStep);
    mouse.read();
    if (!arrived())
        shiftLetter(dt);
    if (won)
        return;
    if (mouse.pressed() && arrived())
        click();
    moveSelect(dt);
    moveLetter(dt);
}

void sc_03_minigame_06::genData()
{
    TQ_TRACE(" genData()");
    std::fill(saved, saved + kSaved, 0);
    won = 0;
    int heights[kColumns];
    int full = 0;
    int pairs = 0;
    // Columns fill from row 5 towards row 0, a pair's two tiles in two
    // columns; with one column left no pair fits, and the grid starts over.
    while (pairs < kCells / 2)
    {
        if (pairs == 0 || full >= kColumns - 1)
        {
            std::fill(saved, saved + kCells, -1);
            std::fill(heights, heights + kColumns, 0);
            full = 0;
            pairs = 0;
        }
        const int letter = ScriptObject::random(kLetters);
        int a = 0;
        do
            a = ScriptObject::random(kColumns);
        while (heights[a] == kRows);
        int b = 0;
        do
            b = ScriptObject::random(kColumns);
        while (heights[b] == kRows || b == a);
        for (int column : {a, b})
        {
            saved[(kRows - 1 - heights[column]) * kColumns + column] = letter;
            if (++heights[column] == kRows)
                ++full;
        }
        ++pairs;
    }
    saved[kArrived] = 0;
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

bool sc_03_minigame_06::stateValid() const
{
    TQ_TRACE(" stateValid()");
    for (int l = 0; l < kCells; ++l)
        if (saved[l] < -1 || saved[l] >= kLetters)
            return false;
    return true;
}

void sc_03_minigame_06::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kSaved, kLocation, kNumber, saved, &won);
    if (!stateValid())
    {
        MiniGameTools::warnDamagedState(kLocation, kNumber);
        genData();
    }
    introT = 0.0f;
    selected = -1;
    for (int c = 0; c < kColumns; ++c)
    {
        for (int r = 0; r < kRows; ++r)
        {
            const int l = r * kColumns + c;
            _CELL& cell = cells[l];
            cell.tile = findObjectIndexed("03_05_game_letter_", l);
            cell.letter = saved[l];
            setMaterial(cell.tile, 0, cell.letter == -1 ? String("00_empty") : letterMaterial("", cell.letter));
            setPosition(cell.tile, vec3(kLeft + kStep * c, kBottom + kStep * r, kDepth));
            cell.home = getPosition(cell.tile);
        }
        columnStep[c] = 4;
    }
    for (int c = 0; c < kColumns; ++c)
    {
        covers[c] = findObjectIndexed("03_05_game_letter_down_", c);
        setVisible(covers[c], !arrived());
    }
    for (int s = 0; s < 2; ++s)
    {
        _HIGHLIGHT& h = highlights[s];
        h.object = findObjectIndexed("03_05_game_sel_", s);
        h.material = ScriptObject::indexedKey("03_05_game_sel_", s);
        setMaterial(h.object, 0, h.material);
        h.alpha = 0.0f;
        h.active = 0;
        setVisible(h.object, false);
    }
    // A second start without a close in between keeps one tick.
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    timerId = ScriptObject::startFrameTimer(getOwner());
}

bool sc_03_minigame_06::isFree(int l) const
{
    TQ_TRACE(" isFree(int l)");
    if (saved[l] == -1)
        return false;
    for (int above = l % kColumns; above < l; above += kColumns)
        if (saved[above] != -1)
            return false;
    return true;
}

void sc_03_minigame_06::focusLetter(int l)
{
    TQ_TRACE(" focusLetter(int l)");
    if (l < 0 || l >= kCells || !arrived() || !isFree(l))
        return;
    focused = l;
    selectSetPos(0, l);
}

void sc_03_minigame_06::unfocusLetter()
{
    TQ_TRACE(" unfocusLetter()");
    selectHiding(0);
    focused = -1;
}

void sc_03_minigame_06::click()
{
    TQ_TRACE(" click()");
    if (focused == -1)
        return;
    if (selected != -1 && selected != focused && saved[selected] == saved[focused])
    {
        hidingLetter = saved[focused];
        hidingMaterial = letterMaterial("hiding_", hidingLetter);
        // A pair still fading goes at once.
        if (hidingA != -1)
            setVisible(cells[hidingA].tile, false);
        if (hidingB != -1)
            setVisible(cells[hidingB].tile, false);
        hidingA = focused;
        hidingB = selected;
        setMaterial(cells[hidingA].tile, 0, hidingMaterial);
        setMaterial(cells[hidingB].tile, 0, hidingMaterial);
        selectHiding(0);
        selectHiding(1);
        saved[hidingA] = saved[hidingB] = -1;
        cells[hidingA].letter = cells[hidingB].letter = -1;
        selected = -1;
        focused = -1;
        hideFade = 1.0f;
        sounds.play(kSndPair);
        return;
    }
    sounds.play(kSndChoose);
    selectSetPos(1, focused);
    selected = focused;
}

void sc_03_minigame_06::selectSetPos(int s, int l)
{
    TQ_TRACE(" selectSetPos(int s, int l)");
    setPosition(highlights[s].object, cells[l].home);
    setVisible(highlights[s].object, true);
    highlights[s].active = 1;
}

void sc_03_minigame_06::selectHiding(int s)
{
    TQ_TRACE(" selectHiding(int s)");
    highlights[s].active = 0;
}

void sc_03_minigame_06::moveSelect(float inc)
{
    TQ_TRACE(" moveSelect(float inc)");
    for (_HIGHLIGHT& h : highlights)
    {
        if (h.active)
            h.alpha = std::min(1.0f, h.alpha + 3.0f * inc);
        else if (h.alpha > 0.0f)
        {
            h.alpha -= 2.0f * inc;
            if (h.alpha <= 0.0f)
            {
                h.alpha = 0.0f;
                setVisible(h.object, false);
            }
        }
        materialSetColour(h.material, h.alpha, h.alpha, h.alpha, 1);
    }
}

void sc_03_minigame_06::moveLetter(float inc)
{
    TQ_TRACE(" moveLetter(float inc)");
    if (hideFade <= 0.0f)
        return;
    hideFade -= 2.0f * inc;
    if (hideFade <= 0.0f)
    {
        hideFade = 0.0f;
        setVisible(cells[hidingA].tile, false);
        setVisible(cells[hidingB].tile, false);
        hidingA = hidingB = -1;
        check();
    }
    materialSetAlpha(hidingMaterial, hideFade);
}

void sc_03_minigame_06::check()
{
    TQ_TRACE(" check()");
    int count[kLetters] = {};
    bool any = false;
    for (int c = 0; c < kColumns; ++c)
        for (int r = 0; r < kRows; ++r)
        {
            const int letter = saved[r * kColumns + c];
            if (letter == -1)
                continue;
            ++count[letter];
            any = true;
            break;
        }
    if (!any)
        win();
    else if (*std::max_element(count, count + kLetters) < 2)
        lose();
}

void sc_03_minigame_06::lose()
{
    TQ_TRACE(" lose()");
    hidingA = hidingB = -1;
    genData();
    introT = 0.0f;
    selectHiding(0);
    selectHiding(1);
    // The new grid has other letters under the old choice and cursor.
    selected = -1;
    focused = -1;
    sounds.play(kSndLose);
}

void sc_03_minigame_06::win()
{
    TQ_TRACE(" win()");
    sounds.play(kSndWin);
    MiniGame::announceWin(getOwner());
    won = 1;
}

void sc_03_minigame_06::shiftLetter(float inc)
{
    TQ_TRACE(" shiftLetter(float inc)");
    introT += inc * 0.2f;
    if (introT >= 1.0f)
    {
        introT = 1.0f;
        saved[kArrived] = 1;
    }
    const float f = MiniGameTools::easeOut(introT);
    for (int c = 0; c < kColumns; ++c)
    {
        // Even reels roll one way, odd ones the other.
        const float offset = (c % 2 ? -1.0f : 1.0f) * (1.0f - f) * 2.0f * kReel;
        for (int r = 0; r < kRows; ++r)
        {
            const _CELL& cell = cells[r * kColumns + c];
            float y = cell.home.y + offset;
            while (y <= kBottom)
                y += kReel;
            while (y > kBottom + kReel)
                y -= kReel;
            setPosition(cell.tile, vec3(cell.home.x, y, cell.home.z));
            if (y > kEntryTop)
                continue;

            if (r != columnStep[c])
            {
                // The reel changes the letters of the row that has just
                // passed the window's lower edge.
                columnStep[c] = r;
                _CELL& a = cells[((r + 5) % kRows) * kColumns + c];
                const int aCell = static_cast<int>(&a - cells);
                _CELL& b = cells[(c % 2 ? r : (r + 4) % kRows) * kColumns + c];
                const int gridLetter = saved[aCell];
                const int coverLetter = c % 2 ? gridLetter : a.letter;
                const int tileLetter = c % 2 ? a.letter : gridLetter;
                const char* coverKind = c % 2 ? "showing_" : "hiding_";
                const char* tileKind = c % 2 ? "hiding_" : "showing_";
                if (coverLetter != -1)
                    setMaterial(covers[c], 0, letterMaterial(coverKind, coverLetter));
                setVisible(covers[c], coverLetter != -1);
                if (tileLetter != -1)
                    setMaterial(a.tile, 0, letterMaterial(tileKind, tileLetter));
                setVisible(a.tile, tileLetter != -1);
                a.letter = gridLetter;
                if (b.letter != -1)
                {
                    setMaterial(b.tile, 0, letterMaterial("", b.letter));
                    setVisible(b.tile, true);
                }
            }

            // Through the lowest row the new letters fade in and the old
            // ones out.
            const float fade = (y - kBottom) / kStep;
            materialSetAlpha(ScriptObject::indexedKey("03_05_game_letter_down_hide_", c), fade);
            materialSetAlpha(ScriptObject::indexedKey("03_05_game_letter_up_hide_", c), 1.0f - fade);
            setPosition(covers[c], vec3(cell.home.x, y - kStep, cell.home.z));
            for (int letter = 0; letter < kLetters; ++letter)
            {
                materialSetAlpha(letterMaterial("showing_", letter), fade);
                materialSetAlpha(letterMaterial("hiding_", letter), 1.0f - fade);
            }
        }
    }
    if (introT < 1.0f)
        return;
    for (int c = 0; c < kColumns; ++c)
    {
        setVisible(covers[c], false);
        _CELL& cell = cells[c];
        setMaterial(cell.tile, 0, cell.letter == -1 ? String("00_empty") : letterMaterial("", cell.letter));
        setPosition(cell.tile, cell.home);
    }
    // A grid whose free tiles hold no pair offers no move from the start:
    // it goes as a lost one does.
    check();
}

void sc_03_minigame_06::startGame(OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_03_minigame_06::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
    MiniGame::putBoardAway(kGame);
}

void sc_03_minigame_06::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_03_minigame_06::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}
