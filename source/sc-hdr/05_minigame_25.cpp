#include "05_minigame_25.h"

#include "Application.h"
#include "MiniGame.h"
#include "ScriptObject.h"
#include "SfxCore.h"
#include "Trace.h"

namespace
{
const int kLocation = 5;
const int kNumber = 25;
const int kHint = 16016;
const int kFailure = 16017;
// The tip window answers a tip with its code on the click that closes it and
// with the code + 10000 once it has faded out (also when it was closed
// without a click).
const int kTipGone = 10000;
const float kRunSeconds = 57.0f;
const int kWagonSpeed = 250;

const int kSndPull = 0;
const int kSndRide = 1;
const int kSndWin = 2;

const char* const kWagon = "05_03_Vagon01";
const char* const kDoor = "05_03_tonel_door_anim";
const char* const kCounter = "Minigame31";
const char* const kDigits = "Minigame31FX";
const char* const kEnding = "minigame_ending";
} // namespace

void sc_05_minigame_25::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"25_snd_00", "25_snd_01", "01_snd_00"});
    ztmInit();
    counterCreate();
}

void sc_05_minigame_25::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
    counterDestroy();
}

void sc_05_minigame_25::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    (void)id;
    const float inc = ScriptObject::frameSeconds();
    if (!paused)
        elapsed += inc;
    if (running && elapsed >= kRunSeconds)
    {
        finish();
        running = 0;
    }
    if (!paused)
        ztmProcess(inc);
}

void sc_05_minigame_25::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    switch (param)
    {
    case MiniGame::kStart:
        startGame(from);
        start();
        return;
    case MiniGame::kClose:
        quitGame();
        return;
    case MiniGame::kResultShown:
        sendNotifyByName("00_minigame_starter", MiniGame::kClose, getOwner());
        quitGame();
        return;
    case MiniGame::kSave:
        saveGame();
        sendNotifyByName("interface", 100, 0);
        return;
    case MiniGame::kHint:
        showHint();
        return;
    case kHint:
        setPause(1);
        return;
    case kFailure:
        setPause(0);
        messageAnswered = 1;
        return;
    case kHint + kTipGone:
        // The hint that paused the ride on its click is gone: ride on.
        setPause(0);
        return;
    case kFailure + kTipGone:
        // The failure message closed without a click (the in-game menu, or
        // 5000): the ride must not wait for a click that cannot come.
        if (!messageAnswered)
        {
            setPause(0);
            messageAnswered = 1;
        }
        return;
    case MiniGame::kPause:
        setPause(1);
        return;
    case MiniGame::kResume:
        setPause(0);
        return;
    default:
        break;
    }
    if (param >= 40000 && param < 50000)
        click(param - 40000);
}

void sc_05_minigame_25::startGame(OBJECT_HANDLE from)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
    if (static_cast<int>(sounds.ids.size()) > kSndRide && sounds.ids[kSndRide] > 0)
        CSfxCore::playSound(sounds.ids[kSndRide], 1, 1, 0);
    requester = from;
    setParentByName("Camera", "05_minigame_10.scene");
    cameraAttachToBone(gApp.findObjectHandle(kWagon), "05_03_Vagon01_bone02");
    if (MiniGame::hintsInGames())
        showHint();
    initGame();
}

void sc_05_minigame_25::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(1, kLocation, kNumber, &savedValue, &gameOver);
    sendNotifyByName(kWagon, 1, 0);
    sendNotifyByName(kDoor, 1, 0);
    for (int i = 0; i < kLevers; ++i)
    {
        zones[i] = findObjectIndexed("05_04_az_Rubilnik_", i + 1);
        levers[i] = findObjectIndexed("05_04_Rubilnik_", i + 1);
        pulled[i] = 0;
        setVisible(zones[i], true);
        if (levers[i])
            setMaterial(levers[i], 1, "05_Rubilnik/05_Rubilnik2");
    }
    counterInit();
    counterSetCount(restCount());
    elapsed = 0.0f;
}

void sc_05_minigame_25::start()
{
    TQ_TRACE(" start()");
    sendNotifyByName(kWagon, 100, getOwner());
    sendNotifyByName(kDoor, 100, 0);
    running = 1;
    elapsed = 0.0f;
}

void sc_05_minigame_25::quitGame()
{
    TQ_TRACE(" quitGame()");
    if (CSfxCore::isEnabled() && static_cast<int>(sounds.ids.size()) > kSndRide && sounds.ids[kSndRide] > 0)
        CSfxCore::stopSound(sounds.ids[kSndRide]);
    sendNotifyByName(kWagon, 1, 0);
    sendNotifyByName(kDoor, 1, 0);
    cameraAttachToBone(gApp.findObjectHandle("01_cam_move"), "00_anim_cam_bone");
    gameOver = 1;
    saveGame();
    ScriptObject::stopFrameTimer(getOwner(), timer);
    running = 0;
    counterHide();
    onZtmHide();
    // Closed during the failure's fade, the reset at full black never
    // comes: the ending flag must not outlive the game.
    if (getConfigI(kEnding))
        setConfigI(kEnding, 0);
    sendNotifyByName("05_04_scene", 200, 0);
    setVisible(gApp.findObjectHandle("01_hero_worker"), false);
}

void sc_05_minigame_25::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(1, kLocation, kNumber, &savedValue, &gameOver);
}

void sc_05_minigame_25::showHint()
{
    TQ_TRACE(" showHint()");
    sendNotifyByName("interface", kHint, getOwner());
}

void sc_05_minigame_25::click(int i)
{
    TQ_TRACE(" click(int i)");
    if (i < 0 || i >= kLevers)
        return;
    sounds.play(kSndPull);
    setVisible(zones[i], false);
    pulled[i] = 1;
    if (levers[i])
        setMaterial(levers[i], 1, "05_Rubilnik/05_Rubilnik3");
    counterSetCount(restCount());
}

int sc_05_minigame_25::restCount() const
{
    TQ_TRACE(" restCount()");
    int rest = 0;
    for (int p : pulled)
        rest += p == 0;
    return rest;
}

void sc_05_minigame_25::finish()
{
    TQ_TRACE(" finish()");
    won = restCount() == 0;
    if (won)
    {
        sounds.play(kSndWin);
        MiniGame::announceWin(getOwner());
        gameOver = 1;
        sendNotifyByName("00_loader", 1500, getOwner());
    }
    else
    {
        sendNotifyByName("interface", kFailure, getOwner());
        messageAnswered = 0;
        ztmShow(90);
        setConfigI(kEnding, 1);
    }
}

void sc_05_minigame_25::setPause(int i)
{
    TQ_TRACE(" setPause(int i)");
    paused = i;
    setObjAnimSpeed(gApp.findObjectHandle(kWagon), i == 0 ? kWagonSpeed : 0);
}

// ---------------------------------------------------------------------------
// The counter of levers left

void sc_05_minigame_25::counterCreate()
{
    TQ_TRACE(" counterCreate()");
    struct Panel
    {
        const char* overlay;
        const char* element;
        const char* material;
        int z;
        Ogre::Vector2 position;
        Ogre::Vector2 size;
    };
    const Panel panels[] = {
        {kCounter, "Border", "03_03_game_counter_border", 100, {0.75f, 0.0f}, {0.25f, 0.1666667f}},
        {kDigits, "NUM1", "03_03_game_counter_num1", 110, {0.9208984f, 0.03125f}, {0.03125f, 0.0416667f}},
        {kDigits, "NUM2", "03_03_game_counter_num2", 110, {0.9521484f, 0.03125f}, {0.03125f, 0.0416667f}},
    };
    for (const Panel& p : panels)
        overlayCreatePanel(p.overlay, p.element, nullptr, p.material, &p.position, &p.size, p.z);
}

void sc_05_minigame_25::counterDestroy()
{
    TQ_TRACE(" counterDestroy()");
    overlayDestroy(kCounter, nullptr, nullptr);
    overlayDestroy(kDigits, nullptr, nullptr);
}

void sc_05_minigame_25::counterInit()
{
    TQ_TRACE(" counterInit()");
    overlaySetVisible(kCounter, nullptr, nullptr, true);
    overlaySetVisible(kDigits, nullptr, nullptr, true);
}

void sc_05_minigame_25::counterHide()
{
    TQ_TRACE(" counterHide()");
    overlaySetVisible(kCounter, nullptr, nullptr, false);
    overlaySetVisible(kDigits, nullptr, nullptr, false);
}

void sc_05_minigame_25::counterSetCount(int c)
{
    TQ_TRACE(" counterSetCount(int c)");
    materialSetTexturePassUnit("03_03_game_counter_num1", 0, 0,
                               ScriptObject::indexedKey("05_02_score_", c / 10, ".tga"));
    materialSetTexturePassUnit("03_03_game_counter_num2", 0, 0,
                               ScriptObject::indexedKey("05_02_score_", c % 10, ".tga"));
}

// ---------------------------------------------------------------------------
// The fade to black and back

void sc_05_minigame_25::ztmInit()
{
    TQ_TRACE(" ztmInit()");
    fadeOverlay = "LoaderOverlay2";
    fadeContainer = "LoaderContainer2";
    fadeMaterial = "interf/00_black2";
    fadeDirection = 0;
    fadeAlpha = 0.0f;
}

void sc_05_minigame_25::ztmShow(int z)
{
    TQ_TRACE(" ztmShow(int z)");
    overlaySetVisible(fadeOverlay.c_str(), nullptr, nullptr, true);
    overlaySetZOrder(fadeOverlay.c_str(), z);
    fadeDirection = 1;
}

void sc_05_minigame_25::ztmHide()
{
    TQ_TRACE(" ztmHide()");
    fadeDirection = 0;
}

void sc_05_minigame_25::ztmProcess(float inc)
{
    TQ_TRACE(" ztmProcess(float inc)");
    if (fadeDirection == 1)
    {
        if (fadeAlpha < 1.0f)
        {
            fadeAlpha += inc / 3.0f;
            if (fadeAlpha >= 1.0f)
            {
                fadeAlpha = 1.0f;
                onZtmShow();
            }
        }
    }
    else if (fadeAlpha > 0.0f)
    {
        fadeAlpha -= inc;
        if (fadeAlpha <= 0.0f)
            onZtmHide();
    }
    materialSetAlpha(fadeMaterial, fadeAlpha);
}

void sc_05_minigame_25::onZtmShow()
{
    TQ_TRACE(" onZtmShow()");
    if (won)
        return;
    setConfigI(kEnding, 0);
    initGame();
    ztmHide();
    start();
    if (!messageAnswered)
        sendNotify(getOwner(), 0, MiniGame::kPause);
}

void sc_05_minigame_25::onZtmHide()
{
    TQ_TRACE(" onZtmHide()");
    overlaySetVisible(fadeOverlay.c_str(), nullptr, nullptr, false);
    fadeAlpha = 0.0f;
}
