#include "03_minigame_36.h"

#include "Application.h"
#include "Puzzle.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>

namespace
{
const char* const kGame = "03_minigame_36";
const char* const kCardPrefix = "03_06_game_card_";
const char* const kCardMaterial = "03_36_card/card";
const char* const kFadingCardMaterial = "03_36_card/card_alpha";
const char* const kDisplay = "03_36_displey";
const int kLocation = 2;
const int kNumber = 36;
const int kHint = 16049;
const float kDepth = 108.116f;
const float kLift = 6.0f; ///< a carried card hangs this far in front of the plane

enum Sound
{
    kWinSound,
    kPickSound,
    kReaderSound,
    kHomeSound,
};

float smoothStep(float t)
{
    return 3.0f * t * t - 2.0f * t * t * t;
}

void dressCard(const sc_03_minigame_36::_CARD& card, bool fading)
{
    CVirtualScript::setMaterial(card.obj, 0, fading ? card.fadingMaterial : card.numberMaterial);
    for (int sub = 1; sub <= 2; ++sub)
        CVirtualScript::setMaterial(card.obj, sub, fading ? kFadingCardMaterial : kCardMaterial);
}
} // namespace

void sc_03_minigame_36::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "01_snd_01", "01_snd_02", "01_snd_03"});
    MiniGame::hideBoard(kGame);
    if (!isGameEndSet(kLocation, kNumber))
        genData();
}

void sc_03_minigame_36::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_03_minigame_36::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    if (param >= 10000 && param < 20000)
        focused = param - 10000;
    else if (param >= 20000 && param < 30000)
        focused = -1;
}

void sc_03_minigame_36::genData()
{
    TQ_TRACE(" genData()");
    for (int k = 0; k < kOrder; ++k)
    {
        int card;
        do
            card = ScriptObject::random(kCards);
        while (std::find(order, order + k, card) != order + k);
        order[k] = card;
    }
    progress = 0;
    won = 0;
    saveGame();
}

void sc_03_minigame_36::saveGame()
{
    TQ_TRACE(" saveGame()");
    int saved[kSaved];
    std::copy(order, order + kOrder, saved);
    saved[kOrder] = progress;
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_03_minigame_36::startGame(OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    MiniGame::showBoard(kGame);

    int saved[kSaved] = {};
    loadGameArray(kSaved, kLocation, kNumber, saved, &won);
    for (int k = 0; k < kOrder; ++k)
        Puzzle::repair(kLocation, kNumber, saved, k, 0, kCards - 1, k);
    Puzzle::repair(kLocation, kNumber, saved, kOrder, 0, kOrder, 0);
    std::copy(saved, saved + kOrder, order);
    progress = saved[kOrder];

    slotMouth = getPosition(gApp.findObjectHandle("03_06_game_card_out"));
    slotInside = getPosition(gApp.findObjectHandle("03_06_game_card_in"));

    for (int i = 0; i < kCards; ++i)
    {
        _CARD& c = cards[i];
        c.obj = findObjectIndexed(kCardPrefix, i);
        // The cards' homes are where the scene put them; a card left in
        // the air when the game was last left goes back there.
        if (!homesKnown)
            c.home = getPosition(c.obj);
        c.start = c.current = c.end = c.home;
        setPosition(c.obj, c.home);
        c.numberMaterial = "03_36_card/number_";
        strAddInt(i, c.numberMaterial, 2);
        c.fadingMaterial = c.numberMaterial + "_alpha";
        dressCard(c, false);
        setVisible(c.obj, true);
        c.t = 1.0f;
        c.tilted = 1;
        c.tiltBlend = 1.0f;
        c.kind = kEase;
        c.tilt = c.angle = static_cast<float>(ScriptObject::random(60) - 30);
    }
    homesKnown = 1;
    for (int k = 0; k < progress; ++k)
        setVisible(cards[order[k]].obj, false);

    // A card carried when the game was left is not carried into this one.
    selected = -1;
    pointer.drop();

    // A second start code must not leave a second tick behind.
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
    shownFill = targetFill = static_cast<float>(progress) / 6.0f;
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_03_minigame_36::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timer);
    saveGame();
    MiniGame::putBoardAway(kGame);
}

void sc_03_minigame_36::showHint()
{
    TQ_TRACE(" showHint()");
    if (won == 0)
        MiniGame::sendHint(kHint);
}

void sc_03_minigame_36::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    const float inc = ScriptObject::frameSeconds();
    pointer.read(kDepth);
    if (won == 0)
    {
        if (pointer.clickWanted())
            click();
        pointer.followDrag();
    }
    moveCards(inc);
    moveFill(inc);
}

void sc_03_minigame_36::click()
{
    TQ_TRACE(" click()");
    if (pointer.dragState == MiniGame::CBoardPointer::kIdle)
        pickUp();
    else if (pointer.dragState == MiniGame::CBoardPointer::kDragging)
        drop();
}

void sc_03_minigame_36::pickUp()
{
    TQ_TRACE(" pickUp()");
    if (focused < 0 || focused >= kCards)
        return;
    selected = focused;
    pointer.grab();
    _CARD& c = cards[selected];
    grabOffset = vec3(c.current.x - pointer.planePoint.x, c.current.y - pointer.planePoint.y, kLift);
    c.t = 0.0f;
    c.start = c.current;
    c.tilted = 0;
    // A card caught on its way into the reader is the player's again: it
    // follows the cursor instead of finishing its way in.
    c.kind = kEase;
    sounds.play(kPickSound);
}

void sc_03_minigame_36::drop()
{
    TQ_TRACE(" drop()");
    if (selected < 0)
        return;
    _CARD& c = cards[selected];
    if (c.current.x > -10.0f && c.current.x < 10.0f && c.current.y > -10.0f)
    {
        c.end = slotMouth;
        c.kind = kToMouth;
        c.tilted = 0;
        sounds.play(kReaderSound);
    }
    else
    {
        c.end = c.home;
        c.kind = kEase;
        c.tilted = 1;
        sounds.play(kHomeSound);
    }
    c.start = c.current;
    c.t = 0.0f;
    pointer.drop();
    selected = -1;
}

void sc_03_minigame_36::moveCards(float inc)
{
    TQ_TRACE(" moveCards(float inc)");
    if (selected >= 0)
    {
        const vec3& p = pointer.planePoint;
        cards[selected].end = vec3(p.x + grabOffset.x, p.y + grabOffset.y, p.z + kLift);
    }
    for (int i = 0; i < kCards; ++i)
        moveCard(i, inc);

    if (fadeAlpha < 1.0f)
    {
        fadeAlpha = std::min(1.0f, fadeAlpha + 3.0f * inc);
        for (const _CARD& c : cards)
            materialSetAlpha(c.fadingMaterial, fadeAlpha);
        materialSetAlpha(kFadingCardMaterial, fadeAlpha);
        if (fadeAlpha >= 1.0f)
            for (const _CARD& c : cards)
                dressCard(c, false);
    }
}

void sc_03_minigame_36::moveCard(int i, float inc)
{
    TQ_TRACE(" moveCard(int i, float inc)");
    _CARD& c = cards[i];
    if (c.t >= 1.0f)
        c.current = c.end;
    else
    {
        const float t = c.t;
        const float s = smoothStep(t);
        switch (c.kind)
        {
        case kEase:
            c.current = c.start + (c.end - c.start) * MiniGame::cubeFunc(t);
            break;
        case kToMouth:
            // An arc: up and over into the reader's mouth.
            c.current.x = MiniGame::interp(c.start.x, c.end.x, s);
            c.current.z = MiniGame::interp(c.start.z, c.end.z, s);
            c.current.y = c.start.y + (c.end.y - c.start.y) * s + 4.0f * t * (1.0f - t) * c.end.y / 2.0f;
            break;
        case kSlideIn:
            c.current = MiniGame::interp(c.start, c.end, t);
            break;
        default:
            break;
        }
        c.t += c.kind == kSlideIn ? inc : 2.0f * inc;
        if (c.t >= 1.0f)
        {
            if (c.kind == kToMouth)
            {
                c.kind = kSlideIn;
                c.start = c.current;
                c.end = slotInside;
                c.t = 0.0f;
            }
            else if (c.kind == kSlideIn)
            {
                c.kind = kInside;
                setVisible(c.obj, false);
                readerCheck(i);
            }
        }
    }
    setPosition(c.obj, c.current);

    if (c.tilted)
        c.tiltBlend = std::min(1.0f, c.tiltBlend + 3.0f * inc);
    else
        c.tiltBlend = std::max(0.0f, c.tiltBlend - 3.0f * inc);
    c.angle = c.tilt * smoothStep(c.tiltBlend);
    setOrientationDeg(c.obj, vec3(0.0f, 0.0f, c.angle));
}

void sc_03_minigame_36::readerCheck(int i)
{
    TQ_TRACE(" readerCheck(int i)");
    // A card that was on its way in when the last right one won has no
    // place in the order: it comes back out and changes nothing.
    if (progress >= kOrder)
    {
        returnHome(i);
        fadeAlpha = 0.0f;
        return;
    }
    if (i == order[progress])
    {
        ++progress;
        targetFill = static_cast<float>(progress) / 6.0f;
        if (progress == kOrder)
            win();
        return;
    }
    returnHome(i);
    if (progress > 0)
        returnHome(order[progress - 1]);
    progress = std::max(0, progress - 1);
    fadeAlpha = 0.0f;
    targetFill = static_cast<float>(progress) / 6.0f;
}

void sc_03_minigame_36::returnHome(int i)
{
    TQ_TRACE(" returnHome(int i)");
    _CARD& c = cards[i];
    c.start = c.current = c.end = c.home;
    c.t = 1.0f;
    c.kind = kEase;
    c.tilted = 1;
    dressCard(c, true);
    setVisible(c.obj, true);
}

void sc_03_minigame_36::moveFill(float inc)
{
    TQ_TRACE(" moveFill(float inc)");
    if (shownFill < targetFill)
        shownFill = std::min(targetFill, shownFill + 0.5f * inc);
    else if (shownFill > targetFill)
        shownFill = std::max(targetFill, shownFill - inc);
    materialSetTextureScroll(kDisplay, -shownFill, 0.0f);
}

void sc_03_minigame_36::win()
{
    TQ_TRACE(" win()");
    sounds.play(kWinSound);
    MiniGame::announceWin(getOwner());
    won = 1;
}
