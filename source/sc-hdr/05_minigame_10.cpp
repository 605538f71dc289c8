#include "05_minigame_10.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "SfxCore.h"
#include "Trace.h"

#include <cmath>

namespace
{
const char* const kGame = "05_minigame_10";
const int kLocation = 5;
const int kNumber = 10;
const int kCount = 40;
const int kHint = 16010;
const int kBoxes = 17;
const int kSymbolEntry = 17; ///< state[kSymbolEntry + j]: box j's symbol value
const int kClue = 100;       ///< a cell entry of kClue + cell marks a clue
const float kBoardDepth = 113.359f;

const int kSndWin = 0;
const int kSndTake = 1;
const int kSndPlace = 2;
const int kSndReturn = 3;

// Clues are drawn until they decide the grid; a draw that leaves the grid
// undecided starts over.  The bound keeps a broken random source from
// hanging the room.
const int kAttempts = 100;
const int kRounds = 1000;
} // namespace

void sc_05_minigame_10::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    loadSnd();
    MiniGame::hideBoard(kGame);
    if (!isGameEndSet(kLocation, kNumber))
        genData();
}

void sc_05_minigame_10::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    unloadSnd();
}

void sc_05_minigame_10::loadSnd()
{
    TQ_TRACE(" loadSnd()");
    for (int i = 0; i < 4; ++i)
        sounds[i] = CSfxCore::loadSound(ScriptObject::indexedKey("01_snd_", i), 1);
}

void sc_05_minigame_10::unloadSnd()
{
    TQ_TRACE(" unloadSnd()");
    for (int& id : sounds)
    {
        CSfxCore::freeSound(id);
        id = -1;
    }
}

void sc_05_minigame_10::playSnd(int i)
{
    TQ_TRACE(" playSnd(int i)");
    CSfxCore::playSound(sounds[i], 1, 0, 0);
}

void sc_05_minigame_10::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    if (param >= 10000 && param < 15000)
        focusBox(param - 10000);
    else if (param >= 20000 && param < 25000)
        unfocusBox();
    else if (param >= 15000 && param < 20000)
        focusBoxm(param - 15000);
    else if (param >= 25000 && param < 30000)
        unfocusBoxm();
}

void sc_05_minigame_10::startGame(OBJECT_HANDLE from)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    (void)from;
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_05_minigame_10::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timer);
    saveGame();
    MiniGame::putBoardAway(kGame);
}

void sc_05_minigame_10::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kCount, kLocation, kNumber, state, &solved);
}

void sc_05_minigame_10::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

// ---------------------------------------------------------------------------
// The puzzle

void sc_05_minigame_10::genData()
{
    TQ_TRACE(" genData()");
    for (int round = 0; round < kRounds; ++round)
    {
        for (int& v : state)
            v = 0;
        solved = 0;
        for (int i = 0; i < kBoxes; ++i)
            grid[i] = state[i] = -1;

        bool complete = false;
        for (int attempt = 0; attempt < kAttempts && !complete; ++attempt)
        {
            const int cell = ScriptObject::random(16);
            const int symbol = ScriptObject::random(4);
            if (state[cell] == -1 && grid[cell] == -1)
            {
                state[cell] = kClue + cell;
                state[kSymbolEntry + cell] = symbol + 10;
                if (!gen())
                {
                    state[cell] = -1;
                    state[kSymbolEntry + cell] = 0;
                }
            }
            complete = true;
            for (int i = 0; i < 16; ++i)
                complete = complete && state[i] != -1;
        }
        if (complete && checkAll())
        {
            // Only the clues stay: the player finds the rest.
            for (int i = 0; i < 16; ++i)
                if (state[i] < kClue)
                    state[i] = -1;
            saveGame();
            return;
        }
    }
    // Never seen with a working random source; an empty grid is a puzzle
    // the player can still solve.
    Log::print("\nWARNING: %s: no puzzle found, the grid starts empty", kGame);
    for (int& v : state)
        v = 0;
    for (int i = 0; i < kBoxes; ++i)
        state[i] = -1;
    solved = 0;
    saveGame();
}

int sc_05_minigame_10::gen()
{
    TQ_TRACE(" gen()");
    fillCC();
    for (;;)
    {
        // A row of four distinct symbols sums to 6: one empty cell left is
        // decided.  A sum that leaves no symbol means a repeat in the row.
        for (int r = 0; r < 4; ++r)
        {
            int empty = -1;
            int emptyCount = 0;
            int sum = 0;
            for (int c = 0; c < 4; ++c)
            {
                const int v = grid[r * 4 + c];
                if (v == -1)
                {
                    empty = r * 4 + c;
                    ++emptyCount;
                }
                else
                    sum += v;
            }
            if (emptyCount != 1)
                continue;
            const int v = 6 - sum;
            if (v > 3)
                return 0;
            if (v >= 0)
                grid[empty] = v;
        }

        // A symbol missing from a column that fits in only one of its empty
        // cells goes there; fitting nowhere is a contradiction.
        bool changed = false;
        for (int c = 0; c < 4; ++c)
        {
            for (int s = 0; s < 4; ++s)
            {
                if (checkCol(c, s) != -1)
                    continue;
                int count = 0;
                int place = -1;
                for (int r = 0; r < 4; ++r)
                {
                    if (grid[r * 4 + c] == -1 && checkSquare(r, c, s) == -1 && checkRow(r, s) == -1)
                    {
                        ++count;
                        place = r * 4 + c;
                    }
                }
                if (count == 0)
                    return 0;
                if (count == 1)
                {
                    grid[place] = s;
                    changed = true;
                }
            }
        }
        if (!checkAll())
            return 0;
        if (!changed)
            break;
    }
    for (int cell = 0; cell < 16; ++cell)
    {
        if (grid[cell] != -1 && state[cell] == -1)
        {
            state[cell] = cell;
            state[kSymbolEntry + cell] = grid[cell];
        }
    }
    return 1;
}

void sc_05_minigame_10::fillCC()
{
    TQ_TRACE(" fillCC()");
    for (int cell = 0; cell < 16; ++cell)
        grid[cell] = state[cell] >= kClue ? state[kSymbolEntry + cell] % 10 : -1;
}

void sc_05_minigame_10::fillCC2()
{
    TQ_TRACE(" fillCC2()");
    for (int& v : grid)
        v = -1;
    for (int j = 0; j < kBoxes; ++j)
        if (state[j] != -1)
            grid[state[j] % kClue] = state[kSymbolEntry + j] % 10;
}

bool sc_05_minigame_10::checkAll() const
{
    TQ_TRACE(" checkAll()");
    int rows[4][4] = {};
    int cols[4][4] = {};
    int quarters[4][4] = {};
    for (int r = 0; r < 4; ++r)
    {
        for (int c = 0; c < 4; ++c)
        {
            const int v = grid[r * 4 + c];
            if (v < 0 || v > 3)
                continue;
            if (++rows[r][v] > 1 || ++cols[c][v] > 1 || ++quarters[(r / 2) * 2 + c / 2][v] > 1)
                return false;
        }
    }
    return true;
}

int sc_05_minigame_10::checkCol(int c, int s) const
{
    TQ_TRACE(" checkCol(int c, int s)");
    for (int r = 0; r < 4; ++r)
        if (grid[r * 4 + c] == s)
            return r;
    return -1;
}

int sc_05_minigame_10::checkRow(int r, int s) const
{
    TQ_TRACE(" checkRow(int r, int s)");
    for (int c = 0; c < 4; ++c)
        if (grid[r * 4 + c] == s)
            return c;
    return -1;
}

int sc_05_minigame_10::checkSquare(int r, int c, int s) const
{
    TQ_TRACE(" checkSquare(int r, int c, int s)");
    const int top = r / 2 * 2;
    const int left = c / 2 * 2;
    for (int k = 0; k < 4; ++k)
        if (grid[(top + k / 2) * 4 + left + k % 2] == s)
            return k;
    return -1;
}

bool sc_05_minigame_10::end() const
{
    TQ_TRACE(" end()");
    // Counted by cells, not by box numbers: the spare box may stand on the
    // board while a lower one waits in the palette.
    for (int cell = 0; cell < 16; ++cell)
        if (grid[cell] == -1)
            return false;
    return true;
}

bool sc_05_minigame_10::stateValid() const
{
    TQ_TRACE(" stateValid()");
    for (int j = 0; j < kBoxes; ++j)
    {
        const int cell = state[j];
        const int value = state[kSymbolEntry + j];
        if (cell == -1)
            continue;
        const bool placed = cell >= 0 && cell < 16 && value >= 0 && value <= 3;
        const bool clue = cell >= kClue && cell < kClue + 16 && value >= 10 && value <= 13;
        if (!placed && !clue)
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// The board

void sc_05_minigame_10::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kCount, kLocation, kNumber, state, &solved);
    if (!stateValid())
    {
        Log::print("\nWARNING: %s: damaged saved state, a new puzzle is made", kGame);
        genData();
    }

    highlight = gApp.findObjectHandle("05_06_game_select");
    setVisible(highlight, false);
    selectFade = 0.0f;
    selectTarget = -1;
    light = gApp.findObjectHandle("05_06_game_svet");
    svetPhase = 0.0f;

    for (int i = 0; i < 4; ++i)
    {
        PaletteBox& p = palette[i];
        p.handle = findObjectIndexed("05_06_game_box_", i);
        setSymbol(p.handle, i);
        p.pos = getPosition(p.handle);
    }
    for (int cell = 0; cell < 16; ++cell)
        cells[cell] = getPosition(findObjectIndexed("05_06_game_box_empty_", cell)) + vec3(0.0f, 0.0f, 0.1f);
    for (int j = 0; j < kBoxes; ++j)
    {
        Box& b = boxes[j];
        b.handle = findObjectIndexed("05_06_game_boxm_", j);
        b.value = state[kSymbolEntry + j];
        if (state[j] == -1)
            setVisible(b.handle, false);
        else
        {
            b.start = b.target = b.pos = getPos(state[j] % kClue);
            setSymbol(b.handle, b.value);
            setVisible(b.handle, true);
        }
        b.progress = 1.0f;
    }
    genState();

    // A game closed with a box in hand starts again with empty hands: the
    // box went back off the board with the state saved at the close.
    dragState = 0;
    inHand = -1;
    focusedSymbol = -1;
    focusedBox = -1;
    cellUnder = -1;

    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_05_minigame_10::genState()
{
    TQ_TRACE(" genState()");
    for (int& o : occupied)
        o = 0;
    for (int j = 0; j < kBoxes; ++j)
        if (state[j] != -1)
            occupied[state[j] % kClue] = 1;
}

int sc_05_minigame_10::findBoxm() const
{
    TQ_TRACE(" findBoxm()");
    for (int j = 0; j < kBoxes; ++j)
        if (state[j] < 0 && boxes[j].progress >= 1.0f)
            return j;
    return kBoxes;
}

int sc_05_minigame_10::getNum(const vec3& p) const
{
    TQ_TRACE(" getNum(const vec3 &p)");
    for (int cell = 0; cell < 16; ++cell)
        if (std::fabs(cells[cell].x - p.x) < 5.0f && std::fabs(cells[cell].y - p.y) < 5.0f)
            return cell;
    return -1;
}

vec3 sc_05_minigame_10::getPos(int cell) const
{
    TQ_TRACE(" getPos(int cell)");
    return cells[cell];
}

void sc_05_minigame_10::setSymbol(OBJECT_HANDLE box, int v)
{
    TQ_TRACE(" setSymbol(OBJECT_HANDLE box, int v)");
    if (!box)
        return;
    if (v < 10)
        setMaterial(box, 0, ScriptObject::indexedKey("05_06_game_box_", v));
    else
        setMaterial(box, 0, ScriptObject::indexedKey("05_06_game_box_fixed_", v - 10));
}

// ---------------------------------------------------------------------------
// Play

void sc_05_minigame_10::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    mouse.read();
    screenToPlane(vec3(mouse.x, mouse.y, kBoardDepth), cursor);
    if (!solved)
    {
        if (mouse.pressed())
            click();
        if (mouse.released() && dragState == 2)
            click();
        if (dragState == 1 && mouse.buttonNow &&
            (std::fabs(cursor.x - grabPoint.x) > 0.1f || std::fabs(cursor.y - grabPoint.y) > 0.1f))
            dragState = 2;
    }
    const float inc = ScriptObject::frameSeconds();
    moveSelect(inc);
    moveSvet(inc);
    moveBoxes(inc);
}

void sc_05_minigame_10::click()
{
    TQ_TRACE(" click()");
    if (dragState == 0)
        select();
    else if (dragState == 2)
        deselect();
}

void sc_05_minigame_10::select()
{
    TQ_TRACE(" select()");
    if (focusedSymbol != -1)
    {
        const int j = findBoxm();
        if (j < kBoxes)
        {
            Box& b = boxes[j];
            inHand = j;
            dragState = 1;
            const vec3& from = palette[focusedSymbol].pos;
            grabOffset = vec3(from.x - cursor.x, from.y - cursor.y, 1.0f);
            b.progress = 1.0f;
            b.value = focusedSymbol;
            grabPoint = cursor;
            setVisible(b.handle, true);
            setSymbol(b.handle, b.value);
            state[kSymbolEntry + j] = focusedSymbol;
            playSnd(kSndTake);
        }
    }
    if (focusedBox != -1 && state[focusedBox] < kClue)
    {
        Box& b = boxes[focusedBox];
        playSnd(kSndTake);
        inHand = focusedBox;
        dragState = 1;
        grabOffset = vec3(b.pos.x - cursor.x, b.pos.y - cursor.y, 1.0f);
        b.progress = 1.0f;
        grabPoint = cursor;
        state[focusedBox] = -1;
        genState();
    }
}

void sc_05_minigame_10::deselect()
{
    TQ_TRACE(" deselect()");
    Box& b = boxes[inHand];
    b.start = b.pos;
    b.progress = 0.0f;
    if (cellUnder == -1 || occupied[cellUnder] == 1)
    {
        b.target = palette[b.value % 10].pos;
        state[inHand] = -1;
        playSnd(kSndReturn);
    }
    else
    {
        b.target = getPos(cellUnder);
        state[inHand] = cellUnder;
        genState();
        playSnd(kSndPlace);
    }
    inHand = -1;
    dragState = 0;
}

void sc_05_minigame_10::moveBoxes(float inc)
{
    TQ_TRACE(" moveBoxes(float inc)");
    cellUnder = -1;
    for (int j = 0; j < kBoxes; ++j)
    {
        Box& b = boxes[j];
        if (j == inHand && dragState != 0)
        {
            b.pos = cursor + grabOffset;
            cellUnder = getNum(b.pos);
        }
        else if (b.progress < 1.0f)
        {
            const float t = fun1(b.progress);
            b.pos.x = interp(b.start.x, b.target.x, t);
            b.pos.y = interp(b.start.y, b.target.y, t);
            b.pos.z = interp(b.start.z, b.target.z, t);
            b.progress += inc * 3.0f;
            // The move ends on its target, however the frames fell.
            if (b.progress >= 1.0f)
            {
                b.pos = b.target;
                if (state[j] == -1)
                    setVisible(b.handle, false);
                fillCC2();
                if (!solved && end() && checkAll())
                    win();
            }
        }
        setPosition(b.handle, b.pos);
    }
}

void sc_05_minigame_10::moveSelect(float inc)
{
    TQ_TRACE(" moveSelect(float inc)");
    if ((focusedSymbol == -1 && focusedBox == -1) || dragState != 0 || solved)
    {
        selectFade -= inc;
        if (selectFade <= 0.0f)
        {
            selectFade = 0.0f;
            setVisible(highlight, false);
        }
    }
    else
    {
        selectFade += inc * 3.0f;
        if (selectFade > 1.0f)
            selectFade = 1.0f;
    }
    if (selectTarget >= 100 && selectTarget < 104)
        setPosition(highlight, palette[selectTarget - 100].pos);
    else if (selectTarget >= 0 && selectTarget < kBoxes)
        setPosition(highlight, boxes[selectTarget].pos);
    materialSetColour("05_06_game_select", selectFade, selectFade, selectFade);
}

void sc_05_minigame_10::moveSvet(float inc)
{
    TQ_TRACE(" moveSvet(float inc)");
    if (!solved || svetPhase != 0.0f)
    {
        svetPhase += inc / 5.0f;
        if (svetPhase >= 1.0f)
        {
            svetPhase = 0.0f;
            // Solved, the light goes out at the end of its pulse.
            if (solved)
                setVisible(light, false);
        }
    }
    const float grey = 0.5f - 0.5f * std::cos(2.0f * svetPhase * 3.1415f);
    materialSetColour("05_06_game_svet", grey, grey, grey);
}

void sc_05_minigame_10::focusBox(int i)
{
    TQ_TRACE(" focusBox(int i)");
    if (i < 0 || i > 3)
        return;
    focusedSymbol = i;
    if (!solved)
    {
        setVisible(highlight, true);
        selectTarget = 100 + i;
    }
}

void sc_05_minigame_10::unfocusBox()
{
    TQ_TRACE(" unfocusBox()");
    focusedSymbol = -1;
}

void sc_05_minigame_10::focusBoxm(int j)
{
    TQ_TRACE(" focusBoxm(int j)");
    if (j < 0 || j >= kBoxes || solved || boxes[j].value >= 10)
        return;
    focusedBox = j;
    setVisible(highlight, true);
    selectTarget = j;
}

void sc_05_minigame_10::unfocusBoxm()
{
    TQ_TRACE(" unfocusBoxm()");
    focusedBox = -1;
}

void sc_05_minigame_10::win()
{
    TQ_TRACE(" win()");
    playSnd(kSndWin);
    MiniGame::announceWin(getOwner());
    solved = 1;
}

float sc_05_minigame_10::fun1(float x)
{
    TQ_TRACE(" fun1(float x)");
    return (2.0f - x) * x;
}

float sc_05_minigame_10::interp(float x1, float x2, float a)
{
    TQ_TRACE(" interp(float x1, float x2, float a)");
    return x2 * a + (1.0f - a) * x1;
}
