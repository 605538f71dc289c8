#include "03_minigame_31.h"

#include "Application.h"
#include "Puzzle.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kGame = "03_minigame_31";
const char* const kParticle = "03_03_game_particle";
const char* const kPartPrefix[2] = {"03_03_game_part_left_", "03_03_game_part_right_"};
const int kLocation = 3;
const int kNumber = 31;
const int kHint = 16031;
const uint32_t kBurstMs = 500;

const char* const kCounter = "Minigame31";
const char* const kDigits = "Minigame31FX";
const char* const kDigitMaterial[2] = {"03_03_game_counter_num1", "03_03_game_counter_num2"};

enum Sound
{
    kWinSound,
    kFoundSound,
};

void showCounter(bool visible)
{
    CVirtualScript::overlaySetVisible(kCounter, nullptr, nullptr, visible);
    CVirtualScript::overlaySetVisible(kDigits, nullptr, nullptr, visible);
}
} // namespace

void sc_03_minigame_31::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "05_snd_02"});
    MiniGame::hideBoard(kGame);
    particle = gApp.findObjectHandle(kParticle);
    if (!isGameEndSet(kLocation, kNumber))
    {
        for (int& f : found)
            f = 0;
        won = 0;
        saveGameArray(kPairs, kLocation, kNumber, found, &won);
    }

    const Ogre::Vector2 borderAt(0.75f, 0.0f);
    const Ogre::Vector2 borderSize(0.25f, 1.0f / 6.0f);
    overlayCreatePanel(kCounter, "Border", nullptr, "03_03_game_counter_border", &borderAt, &borderSize, 100);
    const Ogre::Vector2 digitSize(0.03125f, 1.0f / 24.0f);
    const Ogre::Vector2 tensAt(0.9208984375f, 0.03125f);
    const Ogre::Vector2 unitsAt(0.9521484375f, 0.03125f);
    overlayCreatePanel(kDigits, "NUM1", nullptr, kDigitMaterial[0], &tensAt, &digitSize, 110);
    overlayCreatePanel(kDigits, "NUM2", nullptr, kDigitMaterial[1], &unitsAt, &digitSize, 110);
    showCounter(false);
}

void sc_03_minigame_31::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
    overlayDestroy(kCounter, "Border", nullptr);
    overlayDestroy(kDigits, "NUM1", nullptr);
    overlayDestroy(kDigits, "NUM2", nullptr);
}

void sc_03_minigame_31::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    if (param >= 30000 && param < 40000)
        clickPart(0, param - 30000);
    else if (param >= 40000 && param < 50000)
        clickPart(1, param - 40000);
}

void sc_03_minigame_31::ON_TIME(int param)
{
    TQ_TRACE(" ON_TIME(int param)");
    // A burst that ends during a pause keeps emitting until a later burst
    // ends.
    if (paused == 0 && param == burstTimer)
        particleSetEmitting(kParticle, false);
}

void sc_03_minigame_31::startGame(OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    MiniGame::showBoard(kGame);
    loadGameArray(kPairs, kLocation, kNumber, found, &won);
    for (int i = 0; i < kPairs; ++i)
    {
        Puzzle::repair(kLocation, kNumber, found, i, 0, 2, 0);
        for (int side = 0; side < 2; ++side)
            parts[i][side] = findObjectIndexed(kPartPrefix[side], i);
        if (found[i] == 1 || found[i] == 2)
            setVisible(parts[i][found[i] - 1], false);
    }
    showCounter(true);
    check();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_03_minigame_31::quitGame()
{
    TQ_TRACE(" quitGame()");
    saveGame();
    MiniGame::putBoardAway(kGame);
    showCounter(false);
}

void sc_03_minigame_31::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kPairs, kLocation, kNumber, found, &won);
}

void sc_03_minigame_31::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_03_minigame_31::clickPart(int side, int i)
{
    TQ_TRACE(" clickPart(int side, int i)");
    if (i < 0 || i >= kPairs || found[i] != 0)
        return;
    const OBJECT_HANDLE part = parts[i][side];

    particleRestart(kParticle, 0.0f);
    setPosition(particle, getPosition(part));
    particleSetEmitting(kParticle, true);
    burstTimer = ScriptObject::startTimer(getOwner(), kBurstMs, 1);

    setVisible(part, false);
    found[i] = side + 1;
    check();
    sounds.play(kFoundSound);
}

void sc_03_minigame_31::check()
{
    TQ_TRACE(" check()");
    int left = 0;
    for (int f : found)
        if (f == 0)
            ++left;
    if (left == 0)
        win();
    const int digits[2] = {left / 10, left % 10};
    for (int d = 0; d < 2; ++d)
    {
        String texture = "05_02_score_";
        strAddInt(digits[d], texture, 2);
        materialSetTexturePassUnit(kDigitMaterial[d], 0, 0, texture + ".tga");
    }
}

void sc_03_minigame_31::win()
{
    TQ_TRACE(" win()");
    sounds.play(kWinSound);
    MiniGame::announceWin(getOwner());
    won = 1;
    saveGame();
}
