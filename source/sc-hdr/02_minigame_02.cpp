#include "02_minigame_02.h"

#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
const char* const kGame = "02_minigame_02";
const char* const kTilePrefix = "02_03_game_word_";
const char* const kSignPrefix = "02_03_game_letter_";
const char* const kSignMaterial = "02_03_game_letter/sign_";
const char* const kEmptySign = "02_03_game_phrase/sign_empty";
const char* const kHighlightPrefix = "02_05_game_bonussvet";
const char* const kHighlightMaterial = "02_05_game_bonussvet2";
const char* const kBackgroundPrefix = "02_03_game_fon_";
const char* const kOverlay = "Textrows";
const char* const kTextTemplate = "Minigame02Textrow";
const int kLocation = 2;
const int kNumber = 2;
const int kHint = 16002;
const int kFirstText = 6050;
const float kDepth = 99.4874f;
const float kSlotWidth = 4.75f;

// Places in the saved array.
const int kTileSigns = 40;
const int kTablePlaces = 110;

/// The materials that draw the signs and the rows' ends: they fade out as
/// the plain text fades in.
const char* const kSignMaterials[] = {"02_03_game_letter/sign_00",  "02_03_game_letter/sign_01",
                                      "02_03_game_letter/sign_02",  "02_03_game_letter/sign_03",
                                      "02_03_game_letter/left_00",  "02_03_game_letter/left_01",
                                      "02_03_game_letter/right_00", "02_03_game_letter/right_01"};

enum Sound
{
    kWinSound,
    kGrabSound,
    kPlaceSound,
    kTableSound,
};

int lengthOf(int tile)
{
    return tile / 4 + 1;
}

/// (2 - x) x: an ease-out, quick at first and settling at 1.
float fun1(float x)
{
    return (2.0f - x) * x;
}
} // namespace

void sc_02_minigame_02::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    initTextrows();
    loadSnd();
    MiniGame::hideBoard(kGame);
    if (!isGameEndSet(kLocation, kNumber))
        genData();
}

void sc_02_minigame_02::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    destroyTextrows();
    unloadSnd();
}

void sc_02_minigame_02::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    if (param >= 10000 && param < 20000)
        focusWord(param - 10000);
    else if (param >= 20000 && param < 30000)
        unfocusWord();
}

void sc_02_minigame_02::genData()
{
    TQ_TRACE(" genData()");
    std::fill(saved, saved + kSaved, 0);
    won = 0;
    for (int s = 0; s < 2 * kRowLength; ++s)
        saved[s] = ScriptObject::random(4);
    for (int i = 0; i < kTiles; ++i)
        saved[kTileSigns + 4 * i] = -1;

    // Each row is cut into the eight tiles of its half (row 0: bit 1 of the
    // index clear, row 1: set), which hold 1+1+2+2+3+3+4+4 = 20 signs, in
    // a random order along the row.
    for (int row = 0; row < 2; ++row)
    {
        int p = row * kRowLength;
        while (p < (row + 1) * kRowLength)
        {
            const int w = row == 0 ? (ScriptObject::random(16) & 13) : (ScriptObject::random(16) | 2);
            if (saved[kTileSigns + 4 * w] != -1)
                continue;
            for (int k = 0; k < lengthOf(w); ++k)
                saved[kTileSigns + 4 * w + k] = saved[p + k];
            p += lengthOf(w);
        }
    }

    for (int i = 0; i < kTiles; ++i)
    {
        saved[kTablePlaces + 2 * i] = ScriptObject::random(100);
        saved[kTablePlaces + 2 * i + 1] = ScriptObject::random(100);
        rowPlace(i) = -1;
    }
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_02_minigame_02::genStates()
{
    TQ_TRACE(" genStates()");
    std::fill(&occupied[0][0], &occupied[0][0] + 2 * kRowLength, 0);
    int placed = 0;
    for (int i = 0; i < kTiles; ++i)
    {
        const int p = rowPlace(i);
        if (p < 0)
            continue;
        ++placed;
        for (int k = 0; k < tiles[i].length; ++k)
            occupied[p / kRowLength][p % kRowLength + k] = 1;
    }
    if (placed == kTiles)
        win();
}

void sc_02_minigame_02::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kSaved, kLocation, kNumber, saved, &won);

    row0Backgrounds[0] = findObjectIndexed(kBackgroundPrefix, 0);
    row0Backgrounds[1] = findObjectIndexed(kBackgroundPrefix, 1);
    row0origin = getPosition(row0Backgrounds[1]);
    row1Backgrounds[0] = findObjectIndexed(kBackgroundPrefix, 2);
    row1Backgrounds[1] = findObjectIndexed(kBackgroundPrefix, 3);
    row1origin = getPosition(row1Backgrounds[1]);

    for (int s = 0; s < 2 * kRowLength; ++s)
        setSign(s, saved[s]);

    for (int i = 0; i < kTiles; ++i)
    {
        _TILE& tile = tiles[i];
        tile.obj = findObjectIndexed(kTilePrefix, i);
        tile.length = lengthOf(i);
        for (int k = 0; k < 4; ++k)
            tile.sign[k] = saved[kTileSigns + 4 * i + k];
        for (int k = 0; k < tile.length; ++k)
            setSign2(tile.obj, k, tile.sign[k]);
        tile.t = 1.0f;
        tile.zOffset = static_cast<float>(i) * 0.01f;

        // A row place the rows cannot hold would cover places past a row's
        // end: such a tile lies on the table.
        int& p = rowPlace(i);
        if (p < -1 || p >= 2 * kRowLength || (p >= 0 && p % kRowLength + tile.length > kRowLength))
        {
            Log::print("\nWARNING: %s: saved row place %d of tile %d does not fit a row; the tile lies on the table",
                       kGame, p, i);
            p = -1;
        }
        if (p < 0)
            getPos(i, tile.current);
        else if (p < kRowLength)
            getPhrasePos1(i, p, tile.current);
        else
            getPhrasePos3(i, p - kRowLength, tile.current);
        tile.from = tile.to = tile.current;
        setPosition(tile.obj, tile.current);
    }

    for (int h = 0; h < 4; ++h)
    {
        highlights[h] = findObjectIndexed(kHighlightPrefix, h);
        setVisible(highlights[h], false);
    }

    // A tile carried when the game was left is not carried into the next
    // visit.
    selected = -1;
    pointer.drop();
    genStates();
    // A second start code must not leave a second tick behind.
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_02_minigame_02::initTextrows()
{
    TQ_TRACE(" initTextrows()");
    textMaterial = "Fonts/Textrow";
    for (int r = 0; r < 2; ++r)
        initTextRow(textRows[r], kOverlay, ScriptObject::indexedKey("Row", r), r, stringLength(kFirstText + r));
}

void sc_02_minigame_02::initTextRow(Textrow& row, const String& ov, const String& _pan, int r, int len)
{
    TQ_TRACE(" initTextRow(Textrow &row, const String &ov, const String &_pan, int r, int len)");
    // The row's cells hang in a panel over the whole screen, which draws
    // nothing itself.
    const Ogre::Vector2 corner(0.0f, 0.0f);
    const Ogre::Vector2 screen(1.0f, 1.0f);
    overlayCreatePanel(ov.c_str(), _pan.c_str(), nullptr, nullptr, &corner, &screen, 100);
    for (int i = 0; i < kRowLength; ++i)
        initLetter(row.letters[i], ov, _pan, r, i, len);
}

void sc_02_minigame_02::initLetter(Letter& l, const String& ov, const String& pan, int r, int i, int len)
{
    TQ_TRACE(" initLetter(Letter &l, const String &ov, const String &pan, int r, int i, int len)");
    // The text stands centred in the row's twenty cells.
    const int first = kRowLength / 2 - len / 2;
    l.panel = pan;
    l.element = ScriptObject::indexedKey(pan, i);
    l.shown = i >= first && i < first + len ? 1 : 0;
    if (!l.shown)
        return;
    const Ogre::Vector2 at(0.125f + static_cast<float>(i) * 0.0394f, 0.23f + static_cast<float>(r) * 0.22f);
    overlayCreateFromTemplate(ov.c_str(), kTextTemplate, pan.c_str(), l.element.c_str(), &at, nullptr, 100,
                              "TextArea");
    overlaySetCaption(ov.c_str(), pan.c_str(), l.element.c_str(), kFirstText + r, i - first, 1, nullptr);
    overlaySetMaterial(ov.c_str(), pan.c_str(), l.element.c_str(), textMaterial.c_str());
}

void sc_02_minigame_02::showTextrows()
{
    TQ_TRACE(" showTextrows()");
    overlaySetVisible(kOverlay, nullptr, nullptr, true);
}

void sc_02_minigame_02::hideTextrows()
{
    TQ_TRACE(" hideTextrows()");
    overlaySetVisible(kOverlay, nullptr, nullptr, false);
}

void sc_02_minigame_02::destroyTextrows()
{
    TQ_TRACE(" destroyTextrows()");
    overlayDestroy(kOverlay, nullptr, nullptr);
}

void sc_02_minigame_02::setTextAlpha(float a)
{
    TQ_TRACE(" setTextAlpha(float a)");
    materialSetAlpha(textMaterial, a);
    for (const char* material : kSignMaterials)
        materialSetAlpha(material, 1.0f - a);
}

void sc_02_minigame_02::moveText(float inc)
{
    TQ_TRACE(" moveText(float inc)");
    textAlpha = std::min(textAlpha + inc / 3.0f, 1.0f);
    setTextAlpha(textAlpha);
}

void sc_02_minigame_02::loadSnd()
{
    TQ_TRACE(" loadSnd()");
    sounds.load({"01_snd_00", "01_snd_01", "01_snd_02", "01_snd_03"});
}

void sc_02_minigame_02::unloadSnd()
{
    TQ_TRACE(" unloadSnd()");
    sounds.unload();
}

void sc_02_minigame_02::playSnd(int i)
{
    TQ_TRACE(" playSnd(int i)");
    sounds.play(i);
}

void sc_02_minigame_02::startGame(OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_02_minigame_02::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timer);
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
    MiniGame::putBoardAway(kGame);
    hideTextrows();
}

void sc_02_minigame_02::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_02_minigame_02::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_02_minigame_02::ON_TIME()
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
    else
        moveText(dt);
    moveWords(dt);
    moveBonussvet(dt);
}

void sc_02_minigame_02::win()
{
    TQ_TRACE(" win()");
    playSnd(kWinSound);
    MiniGame::announceWin(getOwner());
    won = 1;
    setTextAlpha(0.0f);
    showTextrows();
}

bool sc_02_minigame_02::check()
{
    TQ_TRACE(" check()");
    if (selected == -1 || targetRow < 0 || targetRow > 1)
        return false;
    const _TILE& tile = tiles[selected];
    if (targetSlot < 0 || targetSlot > kRowLength - tile.length)
        return false;
    for (int k = 0; k < tile.length; ++k)
    {
        const int place = targetSlot + k;
        if (saved[targetRow * kRowLength + place] != tile.sign[k] || occupied[targetRow][place])
            return false;
    }
    return true;
}

void sc_02_minigame_02::click()
{
    TQ_TRACE(" click()");
    if (pointer.dragState == MiniGame::CBoardPointer::kIdle)
        select();
    else if (pointer.dragState == MiniGame::CBoardPointer::kDragging)
        deselect();
}

void sc_02_minigame_02::select()
{
    TQ_TRACE(" select()");
    if (focused == -1)
        return;
    playSnd(kGrabSound);
    selected = focused;
    _TILE& tile = tiles[selected];
    grabOffset[0] = tile.current.x - pointer.planePoint.x;
    grabOffset[1] = tile.current.y - pointer.planePoint.y;
    grabOffset[2] = 3.0f;
    tile.t = 1.0f;
    pointer.grab();
    // A placed tile picked up frees its places at once.
    rowPlace(selected) = -1;
    genStates();
}

void sc_02_minigame_02::deselect()
{
    TQ_TRACE(" deselect()");
    if (selected == -1)
        return;
    _TILE& tile = tiles[selected];
    const vec3 dropped = getPosition(tile.obj) - vec3(0.0f, 0.0f, tile.zOffset);
    if (check())
    {
        playSnd(kPlaceSound);
        if (targetRow == 0)
            getPhrasePos1(selected, targetSlot, tile.to);
        else
            getPhrasePos3(selected, targetSlot, tile.to);
        rowPlace(selected) = targetSlot + kRowLength * targetRow;
        genStates();
    }
    else
    {
        // It falls where it was dropped, inside the table.
        playSnd(kTableSound);
        tile.to = dropped;
        tile.to.x = std::min(std::max(tile.to.x, -48.0f), 48.0f);
        tile.to.y = std::min(std::max(tile.to.y, -35.0f), -5.0f);
        setPos(selected, tile.to);
    }
    tile.from = dropped;
    tile.to.z = -kDepth;
    tile.t = 0.0f;
    selected = -1;
    pointer.drop();
}

void sc_02_minigame_02::focusWord(int i)
{
    TQ_TRACE(" focusWord(int i)");
    if (i < 0 || i >= kTiles)
    {
        Log::print("\nWARNING: %s: focus on tile %d, which the game does not have", kGame, i);
        return;
    }
    focused = i;
    showBonussvet(i);
}

void sc_02_minigame_02::unfocusWord()
{
    TQ_TRACE(" unfocusWord()");
    focused = -1;
    highlightOn = 0;
}

void sc_02_minigame_02::showBonussvet(int i)
{
    TQ_TRACE(" showBonussvet(int i)");
    hideBonussvet();
    highlightOn = 1;
    highlightTile = i;
    // A tile of n signs has highlight n - 1.
    highlightIndex = i / 4;
    setVisible(highlights[highlightIndex], true);
}

void sc_02_minigame_02::hideBonussvet()
{
    TQ_TRACE(" hideBonussvet()");
    setVisible(highlights[highlightIndex], false);
}

void sc_02_minigame_02::moveBonussvet(float inc)
{
    TQ_TRACE(" moveBonussvet(float inc)");
    if (highlightOn)
        highlightValue = std::min(highlightValue + inc * 3.0f, 1.0f);
    else
    {
        highlightValue -= inc;
        if (highlightValue <= 0.0f)
        {
            highlightValue = 0.0f;
            hideBonussvet();
        }
    }
    setPosition(highlights[highlightIndex], getPosition(tiles[highlightTile].obj));
    materialSetColour(kHighlightMaterial, highlightValue, highlightValue, highlightValue, 1);
}

void sc_02_minigame_02::moveWords(float inc)
{
    TQ_TRACE(" moveWords(float inc)");
    targetSlot = -1;
    targetRow = -1;
    if (selected != -1)
    {
        // The carried tile floats 3 units nearer the camera; near a row's
        // line it aims at the slot under its left end.
        _TILE& tile = tiles[selected];
        tile.to = pointer.planePoint + vec3(grabOffset[0], grabOffset[1], grabOffset[2]);
        tile.t = 1.0f;
        const float halfLength = static_cast<float>(tile.length) * 4.65f / 2.0f;
        if (std::fabs(tile.to.y - row0origin.y) < 2.325f)
        {
            targetSlot = -1 - static_cast<int>((tile.to.x + 7.0f - row0origin.x - halfLength + 46.5f) / -4.65f);
            targetRow = 0;
        }
        if (std::fabs(tile.to.y - row1origin.y) < 2.4f)
        {
            targetSlot = -1 - static_cast<int>((tile.to.x + 7.0f - row1origin.x - halfLength + 46.5f) / -4.65f);
            targetRow = 1;
        }
    }
    for (_TILE& tile : tiles)
    {
        if (tile.t < 1.0f)
        {
            tile.current = MiniGame::interp(tile.from, tile.to, fun1(tile.t));
            tile.t += inc * 3.0f;
        }
        else
            tile.current = tile.to;
        setPosition(tile.obj, tile.current + vec3(0.0f, 0.0f, tile.zOffset));
    }
}

void sc_02_minigame_02::getPos(int i, vec3& p)
{
    TQ_TRACE(" getPos(int i, vec3 &p)");
    const float tx = static_cast<float>(saved[kTablePlaces + 2 * i]) / 100.0f;
    const float ty = static_cast<float>(saved[kTablePlaces + 2 * i + 1]) / 100.0f;
    p = vec3(tx * 48.0f - (1.0f - tx) * 48.0f, ty * -35.0f - (1.0f - ty) * 5.0f, -kDepth);
}

void sc_02_minigame_02::setPos(int i, vec3 p)
{
    TQ_TRACE(" setPos(int i, vec3 p)");
    saved[kTablePlaces + 2 * i] = static_cast<int>((p.x + 48.0f) / 48.0f / 2.0f * 100.0f);
    saved[kTablePlaces + 2 * i + 1] = static_cast<int>((p.y + 5.0f) / -30.0f * 100.0f);
}

void sc_02_minigame_02::getPhrasePos1(int i, int n, vec3& v)
{
    TQ_TRACE(" getPhrasePos1(int i, int n, vec3 &v)");
    v = vec3(static_cast<float>(tiles[i].length) * kSlotWidth / 2.0f + (static_cast<float>(n) * kSlotWidth - 47.5f) +
                 row0origin.x,
             row0origin.y, -kDepth);
}

void sc_02_minigame_02::getPhrasePos3(int i, int n, vec3& v)
{
    TQ_TRACE(" getPhrasePos3(int i, int n, vec3 &v)");
    v = vec3(static_cast<float>(tiles[i].length) * kSlotWidth / 2.0f + (static_cast<float>(n) * kSlotWidth - 47.5f) +
                 row1origin.x,
             row1origin.y, -kDepth);
}

void sc_02_minigame_02::setSign(int submesh, int sign)
{
    TQ_TRACE(" setSign(int submesh, int sign)");
    const OBJECT_HANDLE obj = findObjectIndexed(kSignPrefix, submesh);
    if (obj)
        setMaterial(obj, 0, ScriptObject::indexedKey(kSignMaterial, sign));
}

void sc_02_minigame_02::setSign2(OBJECT_HANDLE obj, int submesh, int sign)
{
    TQ_TRACE(" setSign2(OBJECT_HANDLE obj, int submesh, int sign)");
    if (obj)
        setMaterial(obj, submesh, sign == -1 ? String(kEmptySign) : ScriptObject::indexedKey(kSignMaterial, sign));
}
